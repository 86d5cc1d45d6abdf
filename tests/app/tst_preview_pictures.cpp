// The picture cache, the image loader, and the queries on what the preview drew: hit testing,
// transformed points and the start/end frames of a block.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "image_cache_registry.h"
#include "preview/frame_queries.h"
#include "preview/image_loader.h"
#include "preview/preview_body.h"
#include "preview_test_util.h"
#include "qml_registration.h"

using namespace vignetta::preview;
using namespace preview_test;

namespace {

quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xffffffffu;
    for (char byte : data) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBigEndian(QByteArray &data, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        data[offset + i] = char((value >> (24 - 8 * i)) & 0xff);
}

// A real PNG whose header claims another size (the pixel data stays that of the small
// picture): enough to tell whether a loader looks at the size before decoding.
QByteArray pngClaiming(int width, int height)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    solid(4, 4, Qt::red).save(&buffer, "PNG");
    // Signature (8), then the IHDR chunk: length (4), type (4), width, height at 16 and 20.
    putBigEndian(png, 16, quint32(width));
    putBigEndian(png, 20, quint32(height));
    putBigEndian(png, 29, crc32(png.mid(12, 17)));
    return png;
}

QString frameText(int blockId, double x, double y, double w, double h, double scale, int origin)
{
    QJsonObject e = pictureEntry(blockId, "p", x, y);
    e["width"] = w;
    e["height"] = h;
    e["origin"] = origin;
    e["startScale"] = QJsonObject{{"width", scale}, {"height", scale}};
    e["endScale"] = QJsonObject{{"width", scale}, {"height", scale}};
    return QString::fromUtf8(QJsonDocument(e).toJson(QJsonDocument::Compact));
}

} // namespace

class PreviewPicturesTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir project;
    QString pictures;

    QString projectUrl() const { return QUrl::fromLocalFile(project.path()).toString() + "/"; }

    void writePicture(const QString &name, const QImage &image)
    {
        QVERIFY(image.save(pictures + "/" + name + ".png", "PNG"));
    }

    void writeBytes(const QString &relative, const QByteArray &bytes)
    {
        QFile file(project.path() + "/" + relative);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Frames drawn from a display list, for the hit tests.
    QVector<PictureFrame> drawn(const QJsonArray &list)
    {
        PreviewRenderer renderer;
        renderer.pictures().insert("p", solid(40, 20, Qt::red));
        QJsonArray sized, tweens;
        for (const QJsonValue &value : list) {
            QJsonObject entry = value.toObject();
            entry["width"] = 40;
            entry["height"] = 20;
            sized.append(entry);
            tweens.append(0);
        }
        renderer.setDisplayList(parseDisplayList(listText(sized, tweens), 0));
        renderer.render(QSize(816, 624));
        return renderer.frames();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(project.isValid());
        pictures = project.path() + "/img/pictures";
        QVERIFY(QDir().mkpath(pictures + "/sub"));
        writePicture("red", solid(30, 20, QColor(255, 0, 0, 128)));
        writePicture("sub/inner", solid(5, 5, Qt::blue));
        writeBytes("img/outside.png", QByteArray());
        QVERIFY(solid(6, 6, Qt::green).save(project.path() + "/img/secret.png", "PNG"));
        writeBytes("img/pictures/empty.png", QByteArray());
        writeBytes("img/pictures/garbage.png", QByteArray("not a picture at all"));
        writeBytes("img/pictures/huge.png", pngClaiming(20000, 20000));
    }

    void loadStoresPremultipliedWithGrayCopy()
    {
        PreviewBody body;
        body.setProjectUrl(projectUrl());
        QVERIFY(body.loadPicture("red"));
        const QImage picture = body.getPicture("red");
        QCOMPARE(picture.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(body.getPictureSize("red"), QSize(30, 20));
        const QImage *gray = body.renderer().pictures().grayPicture("red");
        QVERIFY(gray);
        // Stored red 128 of alpha 128: gray (2 * 128) / 7 = 36, alpha kept.
        const QRgb pixel = reinterpret_cast<const QRgb *>(gray->constScanLine(0))[0];
        QCOMPARE(qAlpha(pixel), 128);
        QCOMPARE(qRed(pixel), 36);
        QCOMPARE(qBlue(pixel), 36);
    }

    void cachedNamesAreNotReadAgain()
    {
        writePicture("temporary", solid(8, 8, Qt::white));
        PreviewBody body;
        body.setProjectUrl(projectUrl());
        QVERIFY(body.loadPicture("temporary"));
        QVERIFY(QFile::remove(pictures + "/temporary.png"));
        QVERIFY(body.loadPicture("temporary"));
        QCOMPARE(body.getPictureSize("temporary"), QSize(8, 8));

        body.clearPictureList();
        QVERIFY(body.getPicture("temporary").isNull());
        QCOMPARE(body.getPictureSize("temporary"), QSize(0, 0));
        QVERIFY(!body.loadPicture("temporary"));
    }

    void unreadablePicturesAreNotCached_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "nothing-here";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("not an image") << "garbage";
        QTest::newRow("20000 x 20000") << "huge";
        QTest::newRow("empty name") << "";
    }

    void unreadablePicturesAreNotCached()
    {
        QFETCH(QString, name);
        PreviewBody body;
        body.setProjectUrl(projectUrl());
        if (name == "huge")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Picture too large to load"));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!body.loadPicture(name));
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(body.getPicture(name).isNull());
        QCOMPARE(body.renderer().pictures().size(), 0);
    }

    void namesStayInsideThePictureFolder()
    {
        PreviewBody body;
        body.setProjectUrl(projectUrl());
        QVERIFY(!body.loadPicture("../secret"));
        QVERIFY(!body.loadPicture("sub/../../secret"));
        QVERIFY(!body.loadPicture("../../img/secret"));
        QVERIFY(body.loadPicture("sub/inner"));
        QVERIFY(body.loadPicture("/sub/inner"));
        QCOMPARE(body.renderer().pictures().size(), 2);
    }

    void projectUrlMustBeALocalFolder()
    {
        PreviewBody body;
        body.setProjectUrl(project.path() + "/"); // a path, not a URL
        QVERIFY(!body.loadPicture("red"));
        body.setProjectUrl("http://example.invalid/project/");
        QVERIFY(!body.loadPicture("red"));
        body.setProjectUrl(QString());
        QVERIFY(!body.loadPicture("red"));
    }

    void loaderDecodesOncePerFileVersion()
    {
        const QString path = pictures + "/versioned.png";
        QVERIFY(solid(3, 3, Qt::red).save(path, "PNG"));
        ImageLoader &loader = ImageLoader::instance();
        QCOMPARE(loader.load(path).pixel(0, 0), qRgb(255, 0, 0));

        // Same time and size on disk: the stored image is returned, not the file.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime stamp = file.fileTime(QFileDevice::FileModificationTime);
        file.close();
        QVERIFY(solid(3, 3, Qt::blue).save(path, "PNG"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(loader.load(path).pixel(0, 0), qRgb(255, 0, 0));

        // Clearing the images makes the next load decode the file again.
        loader.clearImages();
        QCOMPARE(loader.load(path).pixel(0, 0), qRgb(0, 0, 255));

        // A changed time means a new version.
        QVERIFY(solid(3, 3, Qt::green).save(path, "PNG"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp.addSecs(10), QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(loader.load(path).pixel(0, 0), qRgb(0, 255, 0));

        // A file that vanished is a new version too: nothing to show.
        QVERIFY(QFile::remove(path));
        QVERIFY(loader.load(path).isNull());
        QVERIFY(loader.load(QString()).isNull());
    }

    void clearingTheImageCachesEmptiesTheLoader()
    {
        vignetta::registerQmlTypes();
        QVERIFY(!ImageLoader::instance().load(pictures + "/red.png").isNull());
        QVERIFY(ImageLoader::instance().cachedImageCount() > 0);
        vignetta::clearImageCaches(); // what KivraAPI.clearImageCache() runs
        QCOMPARE(ImageLoader::instance().cachedImageCount(), 0);
    }

    void hitTestGrowsEachPictureByEightPixels()
    {
        const auto frames = drawn({pictureEntry(7, "p", 100, 100)});
        QCOMPARE(pictureByPoint(frames, QPointF(92, 110)), 7);
        QCOMPARE(pictureByPoint(frames, QPointF(91, 110)), -1);
        QCOMPARE(pictureByPoint(frames, QPointF(148, 128)), 7); // 40 + 8 right, 20 + 8 down
        QCOMPARE(pictureByPoint(frames, QPointF(149, 128)), -1);
        QCOMPARE(pictureByPoint(frames, QPointF(148, 129)), -1);
        QCOMPARE(pictureByPoint({}, QPointF(0, 0)), -1);

        PreviewBody body;
        QCOMPARE(body.pictureByPoint(QPointF(1, 1)).value("blockId").toInt(), -1);
    }

    void hitTestPrefersTheTopmostPicture()
    {
        const auto frames = drawn({pictureEntry(1, "p", 100, 100), pictureEntry(2, "p", 120, 100)});
        QCOMPARE(pictureByPoint(frames, QPointF(125, 105)), 2);
        QCOMPARE(pictureByPoint(frames, QPointF(101, 105)), 1);
        QCOMPARE(pictureByPoint(frames, QPointF(100, 92)), 1);
    }

    void hitTestUndoesTheRotation()
    {
        QJsonObject turned = pictureEntry(4, "p", 100, 100);
        turned["rotateSpeed"] = 180; // 90 degrees after one frame
        turned["blockStart"] = -1;
        const auto frames = drawn({turned});
        QCOMPARE(frames.at(0).midRotation, 90.0);
        // 40 x 20 turned clockwise about (100, 100) covers x 80..100, y 100..140.
        QCOMPARE(pictureByPoint(frames, QPointF(85, 130)), 4);
        QCOMPARE(pictureByPoint(frames, QPointF(130, 105)), -1);
    }

    void hitTestOfCentreOrigin()
    {
        QJsonObject centred = pictureEntry(5, "p", 200, 200);
        centred["origin"] = 1;
        const auto frames = drawn({centred}); // 40 x 20 around (200, 200)
        QCOMPARE(pictureByPoint(frames, QPointF(172, 200)), 5);
        QCOMPARE(pictureByPoint(frames, QPointF(171, 200)), -1);
        QCOMPARE(pictureByPoint(frames, QPointF(228, 182)), 5);
    }

    void transformedPointUsesTheEndRotation()
    {
        QJsonObject turned = pictureEntry(6, "p", 0, 0);
        turned["endPosition"] = QJsonObject{{"x", 100}, {"y", 50}};
        turned["rotateSpeed"] = 180;
        turned["blockDelay"] = 2; // end angle trunc(1 * 90) = 90
        const auto frames = drawn({turned});
        const QPointF back = transformedPoint(frames, QPointF(100, 60), 6);
        QVERIFY(qAbs(back.x() - 110) < 1e-9);
        QVERIFY(qAbs(back.y() - 50) < 1e-9);
        QCOMPARE(transformedPoint(frames, QPointF(1, 1), -1), QPointF(int32max, int32max));
        QCOMPARE(transformedPoint(frames, QPointF(1, 1), 99), QPointF(int32max, int32max));
        PreviewBody body;
        QCOMPARE(body.int32max(), 2147483647.0);
    }

    void frameOfABlock()
    {
        QVariantMap f = frameOf(frameText(9, 100, 100, 40, 20, 50, 1));
        QCOMPARE(f.value("blockId").toInt(), 9);
        QCOMPARE(f.value("startRect").toRectF(), QRectF(90, 95, 20, 10));
        QCOMPARE(f.value("endRect").toRectF(), QRectF(90, 95, 20, 10));
        QCOMPARE(f.value("midRect").toRectF(), QRectF(0, 0, 0, 0));

        f = frameOf(frameText(9, 100, 100, 41, 21, 50, 0));
        QCOMPARE(f.value("startRect").toRectF(), QRectF(100, 100, 20.5, 10.5));

        QJsonObject e = pictureEntry(3, "p", 0, 0);
        e["blockDelay"] = 60;
        e["rotateSpeed"] = 3;
        f = frameOf(QString::fromUtf8(QJsonDocument(e).toJson()));
        QCOMPARE(f.value("endRotation").toDouble(), 88.5);

        QVERIFY(frameOf("not json").isEmpty());
        QVERIFY(frameOf("{\"imageName\":\"p\"}").isEmpty());
        QVERIFY(frameOf(frameText(-2, 0, 0, 1, 1, 100, 0)).isEmpty());
        // Only the keys present change the start values.
        f = frameOf("{\"blockId\":1}");
        QCOMPARE(f.value("startRect").toRectF(), QRectF(0, 0, 0, 0));
        QCOMPARE(f.value("endRotation").toDouble(), -0.0);
    }
};

QTEST_GUILESS_MAIN(PreviewPicturesTest)
#include "tst_preview_pictures.moc"
