// The thumbnail item: a picture scaled to fill its square, centred, blank when it has none.

#include <QPainter>
#include <QtTest>

#include "preview/thumbnail.h"
#include "preview_test_util.h"

using namespace vignetta::preview;
using namespace preview_test;

namespace {

QImage shown(Thumbnail &thumbnail)
{
    QImage image(thumbnail.width(), thumbnail.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    thumbnail.paint(&painter);
    return image;
}

// A picture whose top half is red and bottom half blue (or left/right for a wide one).
QImage halves(int w, int h)
{
    QImage image = solid(w, h, Qt::red);
    QPainter painter(&image);
    if (h >= w)
        painter.fillRect(0, h / 2, w, h - h / 2, Qt::blue);
    else
        painter.fillRect(w / 2, 0, w - w / 2, h, Qt::blue);
    return image;
}

} // namespace

class ThumbnailTest : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("canvas");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("tall") << QSize(100, 200) << QSize(50, 100) << QPoint(0, -25);
        QTest::newRow("wide") << QSize(200, 100) << QSize(100, 50) << QPoint(-25, 0);
        QTest::newRow("same size") << QSize(50, 50) << QSize(50, 50) << QPoint(0, 0);
        QTest::newRow("small") << QSize(20, 30) << QSize(50, 75) << QPoint(0, -12);
    }

    void geometry()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, canvas);
        QFETCH(QPoint, offset);
        QCOMPARE(thumbnailCanvasSize(QSizeF(50, 50), picture), canvas);
        QCOMPARE(thumbnailCanvasOffset(QSizeF(50, 50), canvas), offset);

        Thumbnail thumbnail;
        thumbnail.setSize(QSizeF(50, 50));
        thumbnail.setImage(halves(picture.width(), picture.height()));
        QCOMPARE(thumbnail.canvas().size(), canvas);
        QCOMPARE(thumbnail.canvas().format(), QImage::Format_ARGB32);
        const QImage image = shown(thumbnail);
        // The middle of the picture shows: the boundary of the halves runs through the centre
        // and the corners are filled.
        if (picture.height() >= picture.width()) {
            QCOMPARE(image.pixel(25, 20), qRgb(255, 0, 0));
            QCOMPARE(image.pixel(25, 30), qRgb(0, 0, 255));
        } else {
            QCOMPARE(image.pixel(20, 25), qRgb(255, 0, 0));
            QCOMPARE(image.pixel(30, 25), qRgb(0, 0, 255));
        }
        QCOMPARE(qAlpha(image.pixel(0, 0)), 255);
        QCOMPARE(qAlpha(image.pixel(49, 49)), 255);
    }

    void blankAfterResizeOrNullImage()
    {
        Thumbnail thumbnail;
        QVERIFY(thumbnail.canvas().isNull());
        thumbnail.setSize(QSizeF(50, 50));
        thumbnail.setImage(solid(10, 10, Qt::red));
        QVERIFY(!thumbnail.canvas().isNull());
        thumbnail.setWidth(60);
        QVERIFY(thumbnail.canvas().isNull());
        QCOMPARE(qAlpha(shown(thumbnail).pixel(30, 25)), 0);

        thumbnail.setImage(solid(10, 10, Qt::red));
        thumbnail.setImage(QImage());
        QVERIFY(thumbnail.canvas().isNull());
    }

    void clearMakesATransparentCanvas()
    {
        Thumbnail thumbnail;
        thumbnail.setSize(QSizeF(50, 50));
        thumbnail.clear(10, 4);
        QCOMPARE(thumbnail.canvas().size(), QSize(10, 4));
        QCOMPARE(thumbnail.canvas().pixel(3, 3), qRgba(0, 0, 0, 0));
        thumbnail.clear(0, 4);
        QVERIFY(thumbnail.canvas().isNull());
    }

    void longThinPictureKeepsItsVisibleMiddle()
    {
        // 50 x 1000000 would be a 200 MB canvas; only the 50 x 50 middle ever shows.
        Thumbnail thumbnail;
        thumbnail.setSize(QSizeF(50, 50));
        QImage picture = solid(1, 20000, Qt::red);
        QPainter painter(&picture);
        painter.fillRect(0, 9990, 1, 20, Qt::green);
        painter.end();
        thumbnail.setImage(picture);
        QVERIFY(qint64(thumbnail.canvas().width()) * thumbnail.canvas().height() <= 4096 * 4096);
        const QImage image = shown(thumbnail);
        QCOMPARE(image.pixel(0, 0), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(25, 25), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(49, 49), qRgb(0, 255, 0));
    }
};

QTEST_GUILESS_MAIN(ThumbnailTest)
#include "tst_preview_thumbnail.moc"
