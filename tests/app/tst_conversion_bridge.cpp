// "Copy As Event" through the QML singleton: the list QML receives, the clipboard text, and a
// document left exactly as it was.

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include "bridge_test_util.h"
#include "qml_registration.h"
#include "json/js_json.h"

using vignetta::bridge::TimelineDataManager;

namespace {

QString fixture(const QString &name)
{
    QFile file(QStringLiteral(VIGNETTA_TEST_DATA "/conversion/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class ConversionBridgeTest : public QObject, BridgeFixture
{
    Q_OBJECT

    // Loads a scene fixture into the open document as an import would, at frame 0 on lane 1.
    void loadScene(const QString &name)
    {
        const QString text = fixture(name + QStringLiteral("/scene.json"));
        QVERIFY(!text.isEmpty());
        engine->globalObject().setProperty(QStringLiteral("sceneText"), text);
        QVERIFY(call(QStringLiteral("tdm.insertBlocks(tdm.parseSceneText(sceneText).blocks, 0, 1)"
                                    ".length > 0"))
                    .toBool());
    }

    QString expectedText(const QString &name)
    {
        const QString text = fixture(name + QStringLiteral("/expected.json"));
        const auto parsed = vignetta::json::parseJson(text.toStdString());
        return QString::fromStdString(vignetta::json::stringify(parsed.value));
    }

private slots:
    void initTestCase() { vignetta::app::registerQmlTypes(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void qmlReceivesTheCommandList_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::newRow("picture and text") << QStringLiteral("picture_and_text");
        QTest::newRow("cut pictures") << QStringLiteral("cut_pictures");
        QTest::newRow("unrounded slices") << QStringLiteral("unrounded_slices");
        QTest::newRow("every kind at one frame") << QStringLiteral("one_boundary_order");
    }

    void qmlReceivesTheCommandList()
    {
        QFETCH(QString, scene);
        loadScene(scene);
        const QString wanted = expectedText(scene);
        // What the clipboard gets, and what QML's own JSON.stringify makes of the list.
        QCOMPARE(manager->convertData2EventText(), wanted);
        QCOMPARE(call(QStringLiteral("JSON.stringify(tdm.convertData2Event())")).toString(),
                 wanted);
        QVERIFY(call(QStringLiteral("Array.isArray(tdm.convertData2Event())")).toBool());
    }

    void conversionLeavesTheDocumentAlone()
    {
        loadScene(QStringLiteral("cut_pictures"));
        const QString before = manager->sceneText();
        const int snapshot = manager->bufferIndex();
        QSignalSpy changed(manager, &TimelineDataManager::dataChanged);
        QSignalSpy undoState(manager, &TimelineDataManager::undoStateChanged);
        call(QStringLiteral("tdm.convertData2Event()"));
        manager->convertData2EventText();
        QCOMPARE(manager->sceneText(), before);
        QCOMPARE(manager->bufferIndex(), snapshot);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(undoState.count(), 0);
    }

    void emptySceneGivesAnEmptyList()
    {
        QCOMPARE(manager->convertData2EventText(), QStringLiteral("[]"));
        QCOMPARE(call(QStringLiteral("tdm.convertData2Event().length")).toInt(), 0);
    }
};

QTEST_MAIN(ConversionBridgeTest)
#include "tst_conversion_bridge.moc"
