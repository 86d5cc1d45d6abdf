#include "frame/heavy_process_timer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QtDebug>

namespace vignetta::app {

HeavyProcessTimer::HeavyProcessTimer(QObject *parent) : QObject(parent)
{
    timer_.setSingleShot(true);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &HeavyProcessTimer::fire);
}

HeavyProcessTimer::~HeavyProcessTimer()
{
    // A window closed while an operation waits must not leave the cursor busy for good.
    popCursor();
}

void HeavyProcessTimer::run(const QJSValue &callback)
{
    if (timer_.isActive()) {
        timer_.stop();
        popCursor();
    }
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    cursorPushed_ = true;
    callback_ = callback;
    timer_.start();
    emit pendingChanged();
}

void HeavyProcessTimer::fire()
{
    // The callback may itself ask for the next long step (an open dialog that then opens the
    // project): that request pushes its own cursor, so ours is popped only after the call.
    QJSValue callback = callback_;
    callback_ = QJSValue();
    const bool ownCursor = cursorPushed_;
    cursorPushed_ = false;

    if (callback.isCallable()) {
        const QJSValue result = callback.call();
        if (result.isError()) {
            qWarning().noquote() << "Deferred operation failed:" << result.toString() << "at line"
                                 << result.property("lineNumber").toInt();
        }
    }
    if (ownCursor)
        QGuiApplication::restoreOverrideCursor();
    emit pendingChanged();
}

void HeavyProcessTimer::popCursor()
{
    if (cursorPushed_) {
        QGuiApplication::restoreOverrideCursor();
        cursorPushed_ = false;
    }
}

} // namespace vignetta::app
