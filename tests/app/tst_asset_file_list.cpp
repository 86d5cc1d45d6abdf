// The asset list model of the selectors, the asset URLs of the image wells, and the small
// property-panel types: what QML sees of them.

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "property/asset_file_list.h"
#include "property/asset_files.h"
#include "property/color_tone_preview_item.h"
#include "property/editor_values.h"
#include "property/property_changer.h"

using namespace vignetta::property;

namespace {

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

QStringList texts(const AssetFileList &list)
{
    QStringList out;
    for (int row = 0; row < list.rowCount(); ++row)
        out << list.data(list.index(row), AssetFileList::TextRole).toString();
    return out;
}

QString url(const QString &path)
{
    return QUrl::fromLocalFile(path).toString();
}

} // namespace

class AssetFileListTest : public QObject
{
    Q_OBJECT

private slots:
    void listsSortedRowsAfterNone()
    {
        QTemporaryDir dir;
        for (const char *n : {"!Door2.png", "Door10.png", "Door2.png", "$Lamp.png", "bell.PNG",
                              "notes.txt", "a b#c%.png"})
            touch(dir.filePath(n));
        AssetFileList list;
        QSignalSpy updated(&list, &AssetFileList::updated);
        list.setAllowedSuffixes(QStringList{"png"});
        list.setFolder(url(dir.path()));
        QVERIFY(updated.count() >= 1);
        QCOMPARE(texts(list), (QStringList{"(None)", "Door2", "Door10", "a b#c%", "bell",
                                           "!Door2", "$Lamp"}));
        QCOMPARE(list.folderStatus(), QString("listed"));

        // Row 0 is no asset.
        QCOMPARE(list.data(list.index(0), AssetFileList::FileBaseNameRole).toString(), QString());
        QCOMPARE(list.indexOfBaseName(QString()), 0);
        QCOMPARE(list.indexOfBaseName("bell"), 4);
        QCOMPARE(list.indexOfBaseName("Bell"), -1);

        // The row fields.
        const QVariantMap door = list.get(2);
        QCOMPARE(door.value("fileName").toString(), QString("Door10.png"));
        QCOMPARE(door.value("prefix").toString(), QString());
        QCOMPARE(door.value("nodeName").toString(), QString("Door"));
        QCOMPARE(door.value("number").toInt(), 10);
        QCOMPARE(door.value("hasIssues").toBool(), false);
        QCOMPARE(list.get(6).value("prefix").toString(), QString("$"));
        // File URLs are encoded: a space, '#' and '%' would otherwise change what they name.
        const QString path = list.get(3).value("filePath").toString();
        QVERIFY2(path.endsWith("/a%20b%23c%25.png"), qPrintable(path));
        QCOMPARE(QUrl(path).toLocalFile(), dir.filePath("a b#c%.png"));
    }

    void marksSuffixesInTheWrongCase()
    {
        QTemporaryDir dir;
        touch(dir.filePath("bell.PNG"));
        touch(dir.filePath("gong.png"));
        AssetFileList list;
        list.setAllowedSuffixes(QStringList{"png"});
        list.setFolder(url(dir.path()));
        QCOMPARE(list.get(1).value("hasIssues").toBool(), true);
        QCOMPARE(list.get(1).value("issuesIndex").toInt(), 0);
        QCOMPARE(list.get(1).value("suffix").toString(), QString("PNG"));
        QCOMPARE(list.get(1).value("targetSuffix").toString(), QString("png"));
        QCOMPARE(list.get(2).value("issuesIndex").toInt(), -1);
        QCOMPARE(list.allIssues().size(), 1);
        const QVariantList issues = list.issues(1);
        QCOMPARE(issues.size(), 1);
        const QVariantMap issue = issues.front().toMap();
        QCOMPARE(issue.value("title").toString(), QString("File Extension Name"));
        QCOMPARE(issue.value("description").toString(),
                 QString::fromUtf8("File names should end with \u201c.png\u201d instead of "
                                   "\u201c.PNG\u201d. Otherwise your game may not run correctly "
                                   "in case-sensitive environments, such as Linux web hosting "
                                   "services."));
        QVERIFY(list.issues(2).isEmpty());
        QVERIFY(list.issues(0).isEmpty());
    }

    void missingAndForeignFoldersListOnlyNone()
    {
        QTemporaryDir dir;
        AssetFileList list;
        list.setFolder(url(dir.filePath("absent")));
        QCOMPARE(texts(list), QStringList{"(None)"});
        QCOMPARE(list.folderStatus(), QString("missing"));
        list.setFolder("qrc:/qml/Images");
        QCOMPARE(texts(list), QStringList{"(None)"});
        list.setFolder(QString());
        QCOMPARE(list.rowCount(), 1);
    }

    void typeAheadMovesOnFromTheCurrentRow()
    {
        QTemporaryDir dir;
        for (const char *n : {"!Door2.png", "Door10.png", "Door2.png", "$Lamp.png"})
            touch(dir.filePath(n));
        AssetFileList list;
        list.setFolder(url(dir.path()));
        // (None), Door2, Door10, !Door2, $Lamp
        QCOMPARE(list.findNext("d", 0), 1);
        QCOMPARE(list.findNext("d", 1), 2);
        QCOMPARE(list.findNext("D", 2), 1); // wraps round
        QCOMPARE(list.findNext("$", 1), 4);
        QCOMPARE(list.findNext("door1", -1), 2);
        QCOMPARE(list.findNext("x", 0), -1);
        QCOMPARE(list.findNext(QString(), 0), -1);
    }

    void followsTheFolderAndTheSuffixList()
    {
        QTemporaryDir dir;
        touch(dir.filePath("a.ogg"));
        AssetFileList list;
        list.setAllowedSuffixes(QStringList{"ogg"});
        list.setFolder(url(dir.path()));
        QCOMPARE(list.rowCount(), 2);
        QSignalSpy updated(&list, &AssetFileList::updated);
        touch(dir.filePath("b.ogg"));
        QVERIFY(updated.wait(3000));
        QCOMPARE(texts(list), (QStringList{"(None)", "a", "b"}));
        // A file that is not listed changes nothing the list shows: no rebuild.
        updated.clear();
        touch(dir.filePath("c.m4a"));
        QVERIFY(!updated.wait(500));
        // Without a suffix list every file is listed.
        list.setAllowedSuffixes(QVariant());
        QCOMPARE(texts(list), (QStringList{"(None)", "a", "b", "c"}));
    }

    void assetUrlsStayInsideTheirFolder()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("img/faces");
        touch(dir.filePath("img/faces/Face Sheet.png"));
        touch(dir.filePath("img/secret.png"));
        QVERIFY(QFile::link(dir.filePath("img/secret.png"), dir.filePath("img/faces/link.png")));
        const QString faces = AssetFiles::folderUrl(url(dir.path()) + "/", "img/faces");
        QCOMPARE(faces, url(dir.path()) + "/img/faces");
        QCOMPARE(AssetFiles::folderUrl(url(dir.path()), "img/faces"), faces);

        const QString sheet = AssetFiles::fileUrl(faces, "Face Sheet", "png");
        QVERIFY2(sheet.endsWith("/img/faces/Face%20Sheet.png"), qPrintable(sheet));
        QCOMPARE(AssetFiles::fileUrl(faces, "", "png"), QString());
        QCOMPARE(AssetFiles::fileUrl(faces, "../secret", "png"), QString());
        QCOMPARE(AssetFiles::fileUrl(faces, "..%2Fsecret", "png"), QString());
        QCOMPARE(AssetFiles::fileUrl(faces, "link", "png"), QString());
        QCOMPARE(AssetFiles::fileUrl(faces, "missing", "png"), QString());
        QCOMPARE(AssetFiles::fileUrl("qrc:/qml/Images", "logo", "png"), QString());
        QCOMPARE(AssetFiles::folderUrl(QString(), "img"), QString());
    }

    void changerClearsToDefaults()
    {
        PropertyChanger changer;
        changer.setProperty("changedProperty", "messageLineIndex");
        changer.setProperty("currentLineIndex", 3);
        changer.setProperty("screenWidth", 1000);
        changer.setProperty("message", "hi");
        changer.clear();
        QCOMPARE(changer.property("changedProperty").toString(), QString());
        QCOMPARE(changer.property("currentLineIndex").toInt(), 0);
        QCOMPARE(changer.property("screenWidth").toInt(), 816);
        QCOMPARE(changer.property("screenHeight").toInt(), 624);
        QCOMPARE(changer.property("message").toString(), QString());
        // The constants spell the kinds receivers test.
        QCOMPARE(changer.property("messageLineIndex").toString(), QString("messageLineIndex"));
        QCOMPARE(changer.property("screenSize").toString(), QString("screenSize"));
    }

    void editorValuesFollowTheEngineRules()
    {
        QJSEngine engine;
        EditorValues values;
        const QJSValue data = engine.evaluate(
            "({blockMode: 1, startOpacity: '128', startPosition: 5, shakePower: 12,"
            " messageImageIndex: '', flashEnabled: 0, audioType: 'voice', comment: null})");
        const QVariantMap v = values.read(data);
        QCOMPARE(v.value("blockMode").toInt(), 1);
        QCOMPARE(v.value("startOpacity").toDouble(), 128.0);
        QCOMPARE(v.value("startPosition").toMap().value("x").toDouble(), 0.0);
        QCOMPARE(v.value("shakePower").toInt(), 12); // the editor's range clamps what it shows
        QCOMPARE(v.value("messageImageIndex").toInt(), 0);
        QCOMPARE(v.value("flashEnabled").toBool(), false);
        QCOMPARE(v.value("audioType").toString(), QString("voice"));
        QCOMPARE(v.value("comment").toString(), QString());
        // Missing fields: the defaults of a new block.
        QCOMPARE(v.value("endOpacity").toDouble(), 255.0);
        QCOMPARE(v.value("messagePosition").toInt(), 2);
        QCOMPARE(v.value("flashColor").toMap().value("P").toDouble(), 170.0);
        QCOMPARE(values.read(engine.evaluate("42")).value("scrollSpeed").toInt(), 2);

        QCOMPARE(EditorValues::lineIndexAt("a\nb\nc", 0), 0);
        QCOMPARE(EditorValues::lineIndexAt("a\nb\nc", 2), 1);
        QCOMPARE(EditorValues::lineIndexAt("a\nb\nc", 99), 2);
        QCOMPARE(EditorValues::lineIndexAt("a\nb", -4), 0);
    }

    void tonePreviewDrawsTheToneRule()
    {
        ColorTonePreviewItem item;
        item.setSize(QSizeF(80, 120));
        QImage plain = item.render();
        QCOMPARE(plain.size(), QSize(80, 120));
        QCOMPARE(QColor(plain.pixel(0, 60)).name(), QString("#000000")); // lightness 0
        QCOMPARE(QColor(plain.pixel(79, 60)).name(), QString("#ffffff")); // lightness 1
        QCOMPARE(QColor(plain.pixel(40, 0)).red(), 255);                 // hue 0 is red
        // Full gray: every pixel is a gray; red added on top tints all.
        item.setGray(1);
        const QImage gray = item.render();
        const QColor c = gray.pixel(40, 30);
        QCOMPARE(c.red(), c.green());
        QCOMPARE(c.green(), c.blue());
        item.setRed(68 / 255.0);
        const QColor tinted = item.render().pixel(40, 30);
        QCOMPARE(tinted.red(), qMin(255, c.red() + 68));
        QCOMPARE(tinted.green(), c.green());
    }
};

QTEST_MAIN(AssetFileListTest)
#include "tst_asset_file_list.moc"
