#include "frame/heavy_process_timer.h"

#include <QGuiApplication>
#include <QJSEngine>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

using vignetta::app::HeavyProcessTimer;

namespace {
int overrideDepth()
{
    // Pop everything to count, then push it back: the stack has no size query.
    int depth = 0;
    QList<QCursor> cursors;
    while (QGuiApplication::overrideCursor()) {
        cursors.prepend(*QGuiApplication::overrideCursor());
        QGuiApplication::restoreOverrideCursor();
        ++depth;
    }
    for (const QCursor &c : cursors)
        QGuiApplication::setOverrideCursor(c);
    return depth;
}
} // namespace

class TestHeavyProcessTimer : public QObject
{
    Q_OBJECT

private slots:
    void runsLaterWithWaitCursor()
    {
        QJSEngine js;
        js.globalObject().setProperty("calls", 0);
        js.globalObject().setProperty("cursorDuring", -1);
        HeavyProcessTimer timer;
        timer.run(js.evaluate("(function() { calls++; })"));
        // Nothing runs synchronously; the wait cursor is already showing.
        QCOMPARE(js.globalObject().property("calls").toInt(), 0);
        QVERIFY(timer.isPending());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTRY_COMPARE(js.globalObject().property("calls").toInt(), 1);
        QVERIFY(!timer.isPending());
        QCOMPARE(overrideDepth(), 0);
    }

    void secondRequestReplacesFirst()
    {
        QJSEngine js;
        js.evaluate("var log = [];");
        HeavyProcessTimer timer;
        timer.run(js.evaluate("(function() { log.push('first'); })"));
        timer.run(js.evaluate("(function() { log.push('second'); })"));
        QCOMPARE(overrideDepth(), 1);
        QTRY_VERIFY(!timer.isPending());
        QTest::qWait(20);
        QCOMPARE(js.evaluate("log.join(',')").toString(), QStringLiteral("second"));
        QCOMPARE(overrideDepth(), 0);
    }

    void callbackQueuingNextStepKeepsCursorBalanced()
    {
        // An operation that asks for the next one (dialog, then open) runs both, in order,
        // and leaves no cursor behind; a throwing callback leaves none either.
        QJSEngine js;
        HeavyProcessTimer timer;
        js.globalObject().setProperty("timer", js.newQObject(&timer));
        QQmlEngine::setObjectOwnership(&timer, QQmlEngine::CppOwnership);
        js.evaluate("var log = [];");
        timer.run(
            js.evaluate("(function() { log.push('a');"
                        " timer.run(function() { log.push('b'); throw new Error('x'); }); })"));
        QTRY_COMPARE(js.evaluate("log.join(',')").toString(), QStringLiteral("a,b"));
        QTRY_VERIFY(!timer.isPending());
        QCOMPARE(overrideDepth(), 0);
    }

    void destroyedWhilePendingRestoresCursor()
    {
        QJSEngine js;
        {
            HeavyProcessTimer timer;
            timer.run(js.evaluate("(function() {})"));
            QCOMPARE(overrideDepth(), 1);
        }
        QCOMPARE(overrideDepth(), 0);
    }
};

QTEST_MAIN(TestHeavyProcessTimer)
#include "tst_heavy_process_timer.moc"
