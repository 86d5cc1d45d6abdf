// The picture cache, the image loader, and the queries on what the preview drew: hit testing,
// transformed points and the start/end frames of a block.

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

#include "image_cache_registry.h"
#include "preview/frame_queries.h"
#include "preview/image_loader.h"
#include "preview/preview_body.h"
#include "preview_test_util.h"
#include "qml_registration.h"

using namespace vignetta::preview;
using namespace preview_test;

namespace {

// A real 4 x 4 PNG whose header claims another size: enough to tell whether a loader looks at
// the size before decoding.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    solid(4, 4, Qt::red).save(&buffer, "PNG");
    auto put = [&png](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            png[at + i] = char(v >> (24 - 8 * i));
    };
    put(16, width); // IHDR: length, type, then width and height
    put(20, height);
    quint32 crc = 0xffffffffu;
    for (char byte : png.mid(12, 17)) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    put(29, ~crc);
    return png;
}

void setTime(const QString &path, const QDateTime &time)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

// Frames of a paint of 40 x 20 pictures.
QVector<PictureFrame> drawn(QJsonArray list)
{
    PreviewRenderer renderer;
    renderer.pictures().insert("p", solid(40, 20, Qt::red));
    QJsonArray tweens;
    for (auto &&value : list) {
        QJsonObject entry = value.toObject();
        entry["width"] = 40;
        value = entry;
        tweens.append(0);
    }
    renderer.setDisplayList(parseDisplayList(listText(list, tweens), 0));
    renderer.render(QSize(816, 624));
    return renderer.frames();
}

} // namespace

class PreviewPicturesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir project;
    QString pictures;

    void write(const QString &relative, const QByteArray &bytes)
    {
        QFile file(project.filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase()
    {
        pictures = project.filePath("img/pictures");
        QVERIFY(QDir().mkpath(pictures + "/sub"));
        QVERIFY(solid(30, 20, QColor(255, 0, 0, 128)).save(pictures + "/red.png"));
        QVERIFY(solid(5, 5, Qt::blue).save(pictures + "/sub/inner.png"));
        QVERIFY(solid(6, 6, Qt::green).save(project.filePath("img/secret.png")));
        write("img/pictures/empty.png", QByteArray());
        write("img/pictures/garbage.png", "not a picture at all");
        write("img/pictures/huge.png", pngClaiming(20000, 20000));
    }

    void loadingCachesPremultipliedPicturesByName()
    {
        PreviewBody body;
        body.setProjectUrl(QUrl::fromLocalFile(project.path()).toString() + "/");
        QVERIFY(body.loadPicture("red"));
        QCOMPARE(body.getPicture("red").format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(body.getPictureSize("red"), QSize(30, 20));
        // Stored red 128 at alpha 128: gray (2 * 128) / 7 = 36, alpha kept.
        const QImage *gray = body.renderer().pictures().grayPicture("red");
        QCOMPARE(reinterpret_cast<const QRgb *>(gray->constScanLine(0))[0], qRgba(36, 36, 36, 128));

        // A cached name is not read again, even when its file is gone.
        QVERIFY(QFile::copy(pictures + "/red.png", pictures + "/temporary.png"));
        QVERIFY(body.loadPicture("temporary"));
        QVERIFY(QFile::remove(pictures + "/temporary.png"));
        QVERIFY(body.loadPicture("temporary"));
        body.clearPictureList();
        QVERIFY(body.getPicture("red").isNull());
        QCOMPARE(body.getPictureSize("red"), QSize(0, 0));
        QVERIFY(!body.loadPicture("temporary"));

        // Subfolders are fine; names that climb out of the picture folder are not.
        QVERIFY(body.loadPicture("sub/inner"));
        for (const char *name : {"../secret", "sub/../../secret", "../../img/secret"})
            QVERIFY2(!body.loadPicture(name), name);

        for (const QString &url : {project.path() + "/", QString("http://example.invalid/p/")}) {
            body.setProjectUrl(url);
            QVERIFY(!body.loadPicture("red"));
        }
    }

    void unreadablePicturesAreNotCached_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"missing", "empty", "garbage", "huge", ""})
            QTest::newRow(name) << name;
    }

    void unreadablePicturesAreNotCached()
    {
        QFETCH(QString, name);
        PreviewBody body;
        body.setProjectUrl(QUrl::fromLocalFile(project.path()).toString() + "/");
        if (name == "huge") // 20000 x 20000: refused from its header, nothing decoded
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Picture too large to load"));
        QVERIFY(!body.loadPicture(name));
        QCOMPARE(body.renderer().pictures().size(), 0);
    }

    void namesOfOneFileShareOnePicture()
    {
        PreviewBody body;
        body.setProjectUrl(QUrl::fromLocalFile(project.path()).toString() + "/");
        QVERIFY(QFile::link(pictures + "/red.png", pictures + "/alias.png"));
        const PictureCache &cache = body.renderer().pictures();
        // Thirty spellings of one picture and a link to it: one decoded copy, not thirty-one.
        for (int i = 1; i <= 30; ++i)
            QVERIFY(body.loadPicture(QString("a%1/../red").arg(i)));
        QVERIFY(body.loadPicture("alias"));
        QCOMPARE(cache.size(), 31);
        QCOMPARE(cache.pictureCount(), 1);
        QCOMPARE(cache.bytes(), qint64(2 * 30 * 20 * 4));
        QCOMPARE(body.getPicture("alias").size(), QSize(30, 20));
        QVERIFY(QFile::remove(pictures + "/alias.png"));
    }

    void thePreviewHoldsPicturesWithinItsBound()
    {
        PreviewBody body;
        body.setProjectUrl(QUrl::fromLocalFile(project.path()).toString() + "/");
        PictureCache &cache = body.renderer().pictures();
        QVERIFY(solid(30, 20, Qt::yellow).save(pictures + "/second.png"));
        QVERIFY(solid(30, 20, Qt::cyan).save(pictures + "/third.png"));
        // Room for two 30 x 20 pictures with their gray copies.
        cache.setMaxBytes(2 * 2 * 30 * 20 * 4);
        QVERIFY(body.loadPicture("red"));
        QVERIFY(body.loadPicture("second"));
        QVERIFY(cache.picture("red")); // drawn: now "second" is the least recently used
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression("holds 0 MB of pictures at most: 'second' released"));
        QVERIFY(body.loadPicture("third"));
        QCOMPARE(cache.pictureCount(), 2);
        QVERIFY(cache.bytes() <= cache.maxBytes());
        // A released picture is still loaded by name: asking for it reads it again.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("'red' released"));
        QCOMPARE(body.getPicture("second").pixel(0, 0), QColor(Qt::yellow).rgb());
        QCOMPARE(cache.size(), 3);

        // A picture that cannot fit even alone is left out, and says so.
        cache.setMaxBytes(1000);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("'red'.*left out"));
        QVERIFY(!body.loadPicture("red"));
        QVERIFY(body.getPicture("red").isNull());
    }

    void picturesOutsideTheFolderOrNotFilesAreNotRead()
    {
        PreviewBody body;
        body.setProjectUrl(QUrl::fromLocalFile(project.path()).toString() + "/");
        // Links that lead out of the picture folder: to a file beside it, and to the root.
        QVERIFY(QFile::link(project.filePath("img/secret.png"), pictures + "/secret.png"));
        QVERIFY(QFile::link("/", pictures + "/root"));
        QVERIFY(!body.loadPicture("secret"));
        QVERIFY(!body.loadPicture("root" + project.filePath("img/secret")));
        bool outside = false;
        QVERIFY(body.renderer().pictures().pictureFilePath("secret", &outside).isEmpty());
        QVERIFY(outside);
        // A pipe named like a picture: refused at once instead of waiting for a writer.
        const QString pipe = pictures + "/pipe.png";
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("pipe.png is not a regular file"));
        QVERIFY(!body.loadPicture("pipe"));
        QCOMPARE(body.renderer().pictures().size(), 0);
        for (const char *name : {"secret.png", "root", "pipe.png"})
            QVERIFY(QFile::remove(pictures + "/" + name));
    }

    void loaderDecodesOncePerFileVersion()
    {
        const QString path = pictures + "/versioned.png";
        QVERIFY(solid(3, 3, Qt::red).save(path));
        const QDateTime stamp = QFileInfo(path).lastModified();
        ImageLoader &loader = ImageLoader::instance();
        QCOMPARE(loader.load(path).pixel(0, 0), qRgb(255, 0, 0));

        // Same time and size: the stored image, not the file.
        QVERIFY(solid(3, 3, Qt::blue).save(path));
        setTime(path, stamp);
        QCOMPARE(loader.load(path).pixel(0, 0), qRgb(255, 0, 0));
        // Clearing the images (what KivraAPI.clearImageCache() does) makes it decode again.
        vignetta::app::registerQmlTypes();
        vignetta::app::clearImageCaches();
        QCOMPARE(loader.cachedImageCount(), 0);
        QCOMPARE(loader.load(path).pixel(0, 0), qRgb(0, 0, 255));
        // A new time is a new version; so is a file that vanished.
        QVERIFY(solid(3, 3, Qt::green).save(path));
        setTime(path, stamp.addSecs(10));
        QCOMPARE(loader.load(path).pixel(0, 0), qRgb(0, 255, 0));
        QVERIFY(QFile::remove(path));
        QVERIFY(loader.load(path).isNull());
    }

    void hitTesting()
    {
        // A picture at (100, 100), one overlapping it at (120, 100), one centred on (300, 300)
        // and one turned 90 degrees clockwise about (500, 100): x 480..500, y 100..140.
        QJsonObject centred = pictureEntry(3, "p", 300, 300);
        centred["origin"] = 1;
        QJsonObject turned = pictureEntry(4, "p", 500, 100);
        turned["rotateSpeed"] = 180;
        turned["blockStart"] = -1;
        const auto frames = drawn(
            {pictureEntry(1, "p", 100, 100), pictureEntry(2, "p", 120, 100), centred, turned});
        const QVector<QPair<QPointF, int>> cases = {
            {{92, 110}, 1},  {{91, 110}, -1},  {{101, 92}, 1},   {{101, 91}, -1}, {{125, 105}, 2},
            {{168, 128}, 2}, {{169, 128}, -1}, {{168, 129}, -1}, {{272, 300}, 3}, {{271, 300}, -1},
            {{328, 282}, 3}, {{485, 130}, 4},  {{530, 105}, -1}};
        for (const auto &c : cases)
            QVERIFY2(pictureByPoint(frames, c.first) == c.second,
                     qPrintable(QString("(%1, %2)").arg(c.first.x()).arg(c.first.y())));
        QCOMPARE(pictureByPoint({}, QPointF(0, 0)), -1);
    }

    void transformedPointUsesTheEndRotation()
    {
        QJsonObject turned = pictureEntry(6, "p", 0, 0);
        turned["endPosition"] = QJsonObject{{"x", 100}, {"y", 50}};
        turned["rotateSpeed"] = 180;
        turned["blockDelay"] = 2; // end angle trunc(1 * 90) = 90
        const auto frames = drawn({turned});
        const QPointF back = transformedPoint(frames, QPointF(100, 60), 6);
        QVERIFY(qAbs(back.x() - 110) < 1e-9 && qAbs(back.y() - 50) < 1e-9);
        QCOMPARE(transformedPoint(frames, QPointF(1, 1), -1), QPointF(int32max, int32max));
        QCOMPARE(transformedPoint(frames, QPointF(1, 1), 99), QPointF(int32max, int32max));
    }

    void frameOfABlock()
    {
        QJsonObject e = pictureEntry(9, "p", 100, 100);
        e["width"] = 40;
        e["origin"] = 1;
        e["startScale"] = QJsonObject{{"width", 50}, {"height", 50}};
        e["blockDelay"] = 60;
        e["rotateSpeed"] = 3;
        QVariantMap f = frameOf(QJsonDocument(e).toJson());
        QCOMPARE(f.value("blockId").toInt(), 9);
        QCOMPARE(f.value("startRect").toRectF(), QRectF(90, 95, 20, 10));
        QCOMPARE(f.value("endRect").toRectF(), QRectF(80, 90, 40, 20));
        QCOMPARE(f.value("endRotation").toDouble(), 88.5);

        for (const char *text : {"not json", "{\"imageName\":\"p\"}", "{\"blockId\":-2}"})
            QVERIFY2(frameOf(text).isEmpty(), text);
        QCOMPARE(frameOf("{\"blockId\":1}").value("startRect").toRectF(), QRectF(0, 0, 0, 0));
    }
};

QTEST_GUILESS_MAIN(PreviewPicturesTest)
#include "tst_preview_pictures.moc"
