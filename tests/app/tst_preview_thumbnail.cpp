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

} // namespace

class ThumbnailTest : public QObject
{
    Q_OBJECT

private slots:
    void fillsTheSquareWithThePicturesMiddle_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("canvas");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("tall") << QSize(100, 200) << QSize(50, 100) << QPoint(0, -25);
        QTest::newRow("wide") << QSize(200, 100) << QSize(100, 50) << QPoint(-25, 0);
        QTest::newRow("same size") << QSize(50, 50) << QSize(50, 50) << QPoint(0, 0);
        QTest::newRow("small") << QSize(20, 30) << QSize(50, 75) << QPoint(0, -12);
    }

    void fillsTheSquareWithThePicturesMiddle()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, canvas);
        QFETCH(QPoint, offset);
        QCOMPARE(thumbnailCanvasSize(QSizeF(50, 50), picture), canvas);
        QCOMPARE(thumbnailCanvasOffset(QSizeF(50, 50), canvas), offset);

        // A blue square in the middle of a red picture fills the middle of the thumbnail.
        QImage image = solid(picture.width(), picture.height(), Qt::red);
        QPainter(&image).fillRect(
            QRect(QPoint(0, 0), picture / 5)
                .translated(picture.width() * 2 / 5, picture.height() * 2 / 5),
            Qt::blue);
        Thumbnail thumbnail;
        thumbnail.setSize(QSizeF(50, 50));
        thumbnail.setImage(image);
        QCOMPARE(thumbnail.canvas().size(), canvas);
        const QImage seen = shown(thumbnail);
        QCOMPARE(rgb(seen, 25, 25), "0,0,255");
        QCOMPARE(rgb(seen, 1, 1), "255,0,0");
        QCOMPARE(qAlpha(seen.pixel(49, 49)), 255);
    }

    void blankAfterResizeOrNullImage()
    {
        Thumbnail thumbnail;
        thumbnail.setSize(QSizeF(50, 50));
        thumbnail.setImage(solid(10, 10, Qt::red));
        thumbnail.setWidth(60);
        QVERIFY(thumbnail.canvas().isNull());
        QCOMPARE(qAlpha(shown(thumbnail).pixel(30, 25)), 0);
        thumbnail.setImage(solid(10, 10, Qt::red));
        thumbnail.setImage(QImage());
        QVERIFY(thumbnail.canvas().isNull());
        thumbnail.clear(10, 4);
        QCOMPARE(thumbnail.canvas().pixel(3, 3), qRgba(0, 0, 0, 0));
    }

    void longThinPictureKeepsItsVisibleMiddle()
    {
        // 50 x 1000000 would be a 200 MB canvas; only the 50 x 50 middle ever shows.
        QImage picture = solid(1, 20000, Qt::red);
        QPainter(&picture).fillRect(0, 9990, 1, 20, Qt::green);
        Thumbnail thumbnail;
        thumbnail.setSize(QSizeF(50, 50));
        thumbnail.setImage(picture);
        QVERIFY(qint64(thumbnail.canvas().width()) * thumbnail.canvas().height() <= 4096 * 4096);
        const QImage seen = shown(thumbnail);
        QCOMPARE(rgb(seen, 0, 0), "0,255,0");
        QCOMPARE(rgb(seen, 49, 49), "0,255,0");
    }
};

QTEST_GUILESS_MAIN(ThumbnailTest)
#include "tst_preview_thumbnail.moc"
