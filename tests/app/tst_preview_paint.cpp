// Painting of the game-screen preview: tweening, blend modes, tone, screen effects, and the
// reading of the display-list text.

#include <QPainter>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <limits>

#include "preview/preview_body.h"
#include "preview/tone.h"
#include "preview_test_util.h"

using namespace vignetta::preview;
using namespace preview_test;

namespace {

// The painter sequence that the tone pass stands for, run literally.
QImage toneByComposition(const QImage &picture, const QImage &gray, const Tone &t)
{
    QImage p = picture.copy();
    QPainter painter(&p);
    painter.setOpacity(t.gray / 255.0);
    painter.drawImage(0, 0, gray);
    painter.setOpacity(1.0);
    const QColor add(qMax(t.red, 0), qMax(t.green, 0), qMax(t.blue, 0));
    const QColor take(qMax(-t.red, 0), qMax(-t.green, 0), qMax(-t.blue, 0));
    for (const QColor &color : {add, take}) {
        painter.setCompositionMode(QPainter::CompositionMode_Plus);
        painter.fillRect(p.rect(), color);
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.fillRect(p.rect(), Qt::white);
    }
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, picture);
    return p;
}

} // namespace

class PreviewPaintTest : public QObject
{
    Q_OBJECT

    PreviewRenderer renderer;

    QImage draw(const QString &text, int time = 0, int fade = 255)
    {
        renderer.setDisplayList(parseDisplayList(text, time));
        renderer.setFade(fade);
        return renderer.render(QSize(816, 624));
    }

private slots:
    void init()
    {
        renderer = PreviewRenderer();
        renderer.pictures().insert("red", solid(20, 20, QColor(255, 0, 0)));
        renderer.pictures().insert("wide", solid(40, 20, QColor(255, 0, 0)));
    }

    void emptyListIsBlackAndStillSignalsUpdate()
    {
        PreviewBody body;
        body.setSize(QSizeF(816, 624));
        QSignalSpy updated(&body, &PreviewBody::updated);
        body.updateDisplayList("{\"list\":[],\"tween\":[]}", 0, 0);
        QImage image(816, 624, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        body.paint(&painter);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(rgb(image, 0, 0), "0,0,0");
        QCOMPARE(rgb(image, 815, 623), "0,0,0");
        QCOMPARE(body.fade(), 0);
        painter.end();

        // A threaded scene graph paints on its render thread; the receivers (QML handlers run
        // wherever the signal is emitted) must still hear of it on the item's own thread.
        QThread *heardOn = nullptr;
        connect(
            &body, &PreviewBody::updated, &body, [&heardOn] { heardOn = QThread::currentThread(); },
            Qt::DirectConnection);
        QScopedPointer<QThread> render(QThread::create([&body, &image] {
            QPainter renderPainter(&image);
            body.paint(&renderPainter);
        }));
        render->start();
        QVERIFY(render->wait(5000));
        QTRY_COMPARE(heardOn, QThread::currentThread());
        QCOMPARE(updated.count(), 2);
    }

    void ratioTweensPositionScaleAndOpacity()
    {
        QJsonObject e = pictureEntry(1, "red", 10, 10);
        e["endPosition"] = QJsonObject{{"x", 110}, {"y", 50}};
        e["endScale"] = QJsonObject{{"width", 200}, {"height", 200}};
        e["startOpacity"] = 0;
        e["endOpacity"] = 255;

        QCOMPARE(rgb(draw(oneEntry(e, 0)), 15, 15), "0,0,0"); // opacity 0, but on record
        QCOMPARE(renderer.frames().at(0).midRect, QRectF(10, 10, 20, 20));

        // Half way: at (60, 30), 30 pixels wide, opacity 127.5 / 255.
        QImage mid = draw(oneEntry(e, 0.5));
        QCOMPARE(rgb(mid, 61, 31), "127,0,0");
        QCOMPARE(rgb(mid, 88, 58), "127,0,0");
        QCOMPARE(rgb(mid, 91, 45), "0,0,0");
        QCOMPARE(rgb(mid, 58, 45), "0,0,0");
        QCOMPARE(renderer.frames().at(0).midRect, QRectF(60, 30, 30, 30));

        QImage end = draw(oneEntry(e, 1));
        QCOMPARE(rgb(end, 111, 51), "255,0,0");
        QCOMPARE(rgb(end, 148, 88), "255,0,0");
        QCOMPARE(rgb(end, 151, 70), "0,0,0");
        QCOMPARE(renderer.frames().at(0).startRect, QRectF(10, 10, 20, 20));
        QCOMPARE(renderer.frames().at(0).endRect, QRectF(110, 50, 40, 40));
    }

    void scaleThroughZeroDrawsNothing()
    {
        QJsonObject e = pictureEntry(1, "red", 100, 100);
        e["endScale"] = QJsonObject{{"width", -50}, {"height", 100}};
        QCOMPARE(rgb(draw(oneEntry(e, 0.5)), 101, 110), "255,0,0"); // 25 %
        for (double r : {2.0 / 3.0, 1.0}) {
            QImage image = draw(oneEntry(e, r));
            for (int x = 80; x < 140; x += 3)
                QCOMPARE(rgb(image, x, 110), "0,0,0");
            QCOMPARE(renderer.frames().at(0).midRect.width(), 0.0);
        }
    }

    void rotationGrowsInWholeDegreesAboutTheOrigin()
    {
        QJsonObject e = pictureEntry(3, "wide", 100, 100);
        e["width"] = 40;
        e["rotateSpeed"] = 3;
        e["blockStart"] = 10;
        draw(oneEntry(e, 0), 15);
        QCOMPARE(renderer.frames().at(0).midRotation, 7.0);  // trunc(5 * 1.5)
        QCOMPARE(renderer.frames().at(0).endRotation, 88.0); // trunc(59 * 1.5)
        draw(oneEntry(e, 0), 10);
        QCOMPARE(renderer.frames().at(0).midRotation, 0.0);

        // 90 degrees clockwise about the upper-left corner: the picture hangs down and to the
        // left of (100, 100).
        e["rotateSpeed"] = 180;
        QImage image = draw(oneEntry(e, 0), 11);
        QCOMPARE(rgb(image, 90, 130), "255,0,0");
        QCOMPARE(rgb(image, 120, 110), "0,0,0");
        QCOMPARE(rgb(image, 90, 145), "0,0,0");
    }

    void centreOriginCentresThePicture()
    {
        renderer.pictures().insert("big", solid(100, 100, Qt::red));
        QJsonObject e = pictureEntry(1, "big", 200, 200);
        e["origin"] = 1;
        e["width"] = 100;
        e["height"] = 100;
        e["startScale"] = QJsonObject{{"width", 50}, {"height", 50}};
        QImage image = draw(oneEntry(e, 0));
        QCOMPARE(rgb(image, 176, 176), "255,0,0");
        QCOMPARE(rgb(image, 223, 223), "255,0,0");
        QCOMPARE(rgb(image, 173, 200), "0,0,0");
        QCOMPARE(rgb(image, 227, 200), "0,0,0");
        QCOMPARE(renderer.frames().at(0).midRect, QRectF(200, 200, 50, 50));
    }

    void blendModes_data()
    {
        QTest::addColumn<int>("blend");
        QTest::addColumn<QString>("expected");
        // (100, 100, 0) drawn over (200, 40, 0).
        QTest::newRow("normal") << 0 << "100,100,0";
        QTest::newRow("additive") << 1 << "255,140,0";
        QTest::newRow("multiply") << 2 << "78,16,0";
        QTest::newRow("screen") << 3 << "222,125,1"; // the painter's rounding
        QTest::newRow("4 is normal") << 4 << "100,100,0";
        QTest::newRow("-1 is normal") << -1 << "100,100,0";
    }

    void blendModes()
    {
        QFETCH(int, blend);
        QFETCH(QString, expected);
        renderer.pictures().insert("base", solid(20, 20, QColor(200, 40, 0)));
        renderer.pictures().insert("top", solid(20, 20, QColor(100, 100, 0)));
        QJsonObject top = pictureEntry(2, "top", 0, 0);
        top["blend"] = blend;
        QCOMPARE(rgb(draw(listText({pictureEntry(1, "base", 0, 0), top}, {0, 0})), 10, 10),
                 expected);
    }

    void toneAddsAndTakesAwayWithSaturation()
    {
        renderer.pictures().insert("tone", solid(20, 20, QColor(100, 50, 20)));
        QJsonObject e = pictureEntry(1, "tone", 0, 0);
        e["endColor"] = QJsonObject{{"R", 68}, {"G", 0}, {"B", 0}, {"S", 0}};
        QCOMPARE(rgb(draw(oneEntry(e, 0.5)), 10, 10), "134,50,20");
        QCOMPARE(rgb(draw(oneEntry(e, 0)), 10, 10), "100,50,20");
        QCOMPARE(rgb(draw(oneEntry(e, -0.5)), 10, 10), "100,50,20");

        e["endColor"] = QJsonObject{{"R", -168}, {"G", 255}, {"B", -10}, {"S", 0}};
        QCOMPARE(rgb(draw(oneEntry(e, 1)), 10, 10), "0,255,10");
        // A gray-only tone turns the picture gray: (20 + 200 + 200) / 7 = 60.
        e["endColor"] = QJsonObject{{"R", 0}, {"G", 0}, {"B", 0}, {"S", 255}};
        QCOMPARE(rgb(draw(oneEntry(e, 1)), 10, 10), "60,60,60");

        // The most negative components take everything away; negating them must not wrap
        // around to "take nothing".
        e["endColor"] =
            QJsonObject{{"R", -2147483647 - 1}, {"G", -2147483647 - 1}, {"B", 0}, {"S", 0}};
        QCOMPARE(rgb(draw(oneEntry(e, 1)), 10, 10), "0,0,20");
        QImage out;
        applyTone(solid(4, 4, QColor(100, 50, 20)), QImage(),
                  Tone{std::numeric_limits<int>::min(), 0, std::numeric_limits<int>::min(), 0},
                  out);
        QCOMPARE(rgb(out, 1, 1), "0,50,0");
    }

    void tonePassMatchesTheCompositionSequence()
    {
        // Random premultiplied pixels, opaque, transparent and in between, against the painter
        // operations the pass stands for; the odd width exercises the row tails.
        QImage picture(37, 24, QImage::Format_ARGB32_Premultiplied);
        quint32 seed = 12345;
        auto next = [&seed](int bound) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 8) % quint32(bound));
        };
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int a = y < 8 ? 255 : y < 10 ? 0 : next(256);
                reinterpret_cast<QRgb *>(picture.scanLine(y))[x] =
                    qRgba(next(a + 1), next(a + 1), next(a + 1), a);
            }
        }
        const QImage gray = makeGrayCopy(picture);
        QImage out;
        for (int i = 0; i < 400; ++i) {
            const Tone t{next(511) - 255, next(511) - 255, next(511) - 255,
                         i % 4 == 0   ? 0
                         : i % 4 == 1 ? 255
                                      : next(256)};
            applyTone(picture, gray, t, out);
            QVERIFY2(
                out == toneByComposition(picture, gray, t),
                qPrintable(
                    QString("tone %1 %2 %3 %4").arg(t.red).arg(t.green).arg(t.blue).arg(t.gray)));
        }
    }

    void grayCopyWeighsStoredComponents()
    {
        QImage picture(5, 1, QImage::Format_ARGB32_Premultiplied);
        const QRgb in[] = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                           qRgba(0, 0, 0, 0)};
        std::copy(in, in + 5, reinterpret_cast<QRgb *>(picture.scanLine(0)));
        const QImage copy = makeGrayCopy(picture);
        const auto *gray = reinterpret_cast<const QRgb *>(copy.constScanLine(0));
        QCOMPARE((QVector<QRgb>(gray, gray + 5)),
                 (QVector<QRgb>{qRgb(255, 255, 255), qRgb(72, 72, 72), qRgb(145, 145, 145),
                                qRgb(36, 36, 36), qRgba(0, 0, 0, 0)}));
    }

    void flashAndFadeIgnoreThePictureState()
    {
        renderer.pictures().insert("white", solid(816, 624, Qt::white));
        renderer.pictures().insert("gray", solid(100, 100, QColor(128, 128, 128)));
        QJsonObject top = pictureEntry(2, "gray", 0, 0);
        top["blend"] = 2;
        top["startOpacity"] = 128;
        const QString text = listText({pictureEntry(1, "white", 0, 0), top}, {0, 0});
        const QImage plain = draw(text);
        renderer.setBlendColor(0, 0, 255, 128);
        const QImage effects = draw(text, 0, 100);

        QImage expected = plain.copy();
        QPainter painter(&expected);
        painter.fillRect(expected.rect(), QColor(0, 0, 255, 128));
        painter.fillRect(expected.rect(), QColor(0, 0, 0, 155));
        painter.end();
        QCOMPARE(effects, expected);
    }

    void shakeMovesOnlyThePictures()
    {
        renderer.setShake(10);
        renderer.setBlendColor(0, 255, 0, 100);
        QImage image = draw(oneEntry(pictureEntry(1, "red", 0, 0), 0));
        QCOMPARE(rgb(image, 5, 5), "0,100,0");
        QCOMPARE(rgb(image, 25, 5), "155,100,0");
        QCOMPARE(renderer.frames().at(0).midRect.x(), 0.0); // the record is not shaken
    }

    void effectColoursOutsideTheirRangeStopAtItsEnds()
    {
        renderer.setBlendColor(-20, 300, 0, 400);
        QCOMPARE(rgb(draw(oneEntry(pictureEntry(1, "red", 0, 0), 0), 0, 300), 5, 5), "0,255,0");
    }

    void entriesThatCannotBeDrawnLeaveNoRecord()
    {
        QJsonObject negative = pictureEntry(2, "red", 0, 0);
        negative["imageIndex"] = -1;
        QJsonObject noIndex = pictureEntry(4, "red", 40, 0);
        noIndex.remove("imageIndex"); // absent: -1
        draw(listText(
            {pictureEntry(1, "", 0, 0), negative, pictureEntry(3, "not-loaded", 0, 0), noIndex},
            {0, 0, 0, 0}));
        QVERIFY(renderer.frames().isEmpty());
    }

    void readingRulesOfTheListText()
    {
        // "blockStart" 12.5 is not a whole number: it reads 0, so elapse is the time itself.
        QJsonObject e = pictureEntry(1, "red", 0, 0);
        e["blockStart"] = 12.5;
        QCOMPARE(parseDisplayList(oneEntry(e, 0), 30).entries.at(0).elapse, std::int64_t(30));

        // Absent keys keep the drawing defaults; present but malformed ones read 0.
        QJsonObject sparse{{"imageName", "red"},
                           {"startOpacity", "opaque"},
                           {"startScale", QJsonObject{{"width", 50}}}};
        const DisplayEntry d = parseDisplayList(listText({sparse}, {0}), 7).entries.at(0);
        QCOMPARE(d.imageIndex, -1.0);
        QCOMPARE(d.startOpacity, 0);
        QCOMPARE(d.endOpacity, 255);
        QCOMPARE(d.startWidth, 50.0);
        QCOMPARE(d.startHeight, 0.0);
        QCOMPARE(d.endWidth, 100.0);
        QCOMPARE(d.elapse, std::int64_t(0));

        QVERIFY(parseDisplayList("{\"list\":[{}],\"tween\":[null]}", 0).tweens ==
                std::vector<double>{0.0});
        for (const char *text : {"[1,2]", "not json", "{\"list\":5,\"tween\":[]}"})
            QVERIFY(parseDisplayList(text, 0).entries.empty());
    }

    void listsOfDifferentLengths()
    {
        // The entry without a ratio is drawn at its start.
        QTest::ignoreMessage(QtDebugMsg, "List count mismatch! displayList: 2  tweenList: 1");
        QJsonObject moving = pictureEntry(2, "red", 0, 100);
        moving["endPosition"] = QJsonObject{{"x", 100}, {"y", 100}};
        draw(listText({pictureEntry(1, "red", 0, 0), moving}, {0.5}));
        QCOMPARE(renderer.frames().size(), 2);
        QCOMPARE(renderer.frames().at(1).midRect.x(), 0.0);
    }

    void setBlendColorNeedsFourValues()
    {
        PreviewBody body;
        body.setBlendColor({10, 20, 30, 40});
        body.setBlendColor({1, 2, 3});
        const int *c = body.renderer().blendColor();
        QCOMPARE((QVector<int>{c[0], c[1], c[2], c[3]}), (QVector<int>{10, 20, 30, 40}));
    }

    void keepsThePaintersOwnScale()
    {
        // On a high-density screen the item's painter arrives scaled; every picture and the
        // screen effects must keep that scale, not only the first picture.
        renderer.setDisplayList(parseDisplayList(
            listText({pictureEntry(1, "red", 0, 0), pictureEntry(2, "red", 100, 100)}, {0, 0}), 0));
        renderer.setFade(128);
        QImage image(1632, 1248, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.scale(2, 2);
        renderer.paint(painter, QSizeF(816, 624));
        painter.end();
        QCOMPARE(rgb(image, 239, 239), "128,0,0");
        QCOMPARE(rgb(image, 150, 150), "0,0,0");
        QCOMPARE(rgb(image, 1631, 1247), "0,0,0");
    }

    void hugeValuesNeitherCrashNorHang()
    {
        renderer.pictures().insert("big", solid(100, 100, Qt::red));
        QJsonObject e = pictureEntry(1, "big", 1e300, -1e300);
        e["endPosition"] = QJsonObject{{"x", -1e300}, {"y", 1e300}};
        e["startScale"] = QJsonObject{{"width", 1e15}, {"height", 1e15}};
        e["rotateSpeed"] = 1e300;
        e["width"] = 1e300;
        e["blockStart"] = -2147483647 - 1;
        e["blockDelay"] = 2147483647;
        e["endColor"] = QJsonObject{{"R", 2147483647}, {"G", -2147483647}, {"B", 0}, {"S", 1e9}};
        QJsonObject scaled = pictureEntry(2, "big", 400, 300);
        scaled["startScale"] = QJsonObject{{"width", 1e7}, {"height", 1e7}};
        scaled["origin"] = 1;
        for (double r : {0.0, 0.5, 1e300, -1e300})
            QVERIFY(!draw(listText({e, scaled}, {r, r}), 2147483647).isNull());
        QCOMPARE(renderer.frames().at(0).blockId, 1);
    }
};

QTEST_GUILESS_MAIN(PreviewPaintTest)
#include "tst_preview_paint.moc"
