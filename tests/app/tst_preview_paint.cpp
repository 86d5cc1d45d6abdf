// Painting of the game-screen preview: tweening, blend modes, tone, screen effects, and the
// reading of the display-list text.

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include "preview/frame_sample_variant.h"
#include "preview/preview_body.h"
#include "preview/preview_renderer.h"
#include "preview/tone.h"
#include "preview_test_util.h"
#include "scene/builders.h"

using namespace vignetta::preview;
using namespace preview_test;

namespace {

const QSize screen(816, 624);

QRgb at(const QImage &image, int x, int y)
{
    return image.pixel(x, y);
}

bool near(QRgb actual, QColor expected, int tolerance = 1)
{
    return qAbs(qRed(actual) - expected.red()) <= tolerance &&
           qAbs(qGreen(actual) - expected.green()) <= tolerance &&
           qAbs(qBlue(actual) - expected.blue()) <= tolerance;
}

QString describe(QRgb p)
{
    return QStringLiteral("(%1, %2, %3, %4)")
        .arg(qRed(p))
        .arg(qGreen(p))
        .arg(qBlue(p))
        .arg(qAlpha(p));
}

#define CHECK_PIXEL(image, x, y, color)                                                            \
    QVERIFY2(                                                                                      \
        near(at(image, x, y), color),                                                              \
        qPrintable(                                                                                \
            QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(describe(at(image, x, y)))))

// The painter sequence that the tone pass stands for, run literally.
QImage toneByComposition(const QImage &picture, const QImage &gray, const Tone &t)
{
    QImage p = picture.copy();
    QPainter painter(&p);
    painter.setOpacity(t.gray / 255.0);
    painter.drawImage(0, 0, gray);
    painter.setOpacity(1.0);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.fillRect(p.rect(), QColor(qMax(t.red, 0), qMax(t.green, 0), qMax(t.blue, 0)));
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.fillRect(p.rect(), Qt::white);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.fillRect(p.rect(), QColor(qMax(-t.red, 0), qMax(-t.green, 0), qMax(-t.blue, 0)));
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.fillRect(p.rect(), Qt::white);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, picture);
    painter.end();
    return p;
}

} // namespace

class PreviewPaintTest : public QObject
{
    Q_OBJECT

private:
    PreviewRenderer renderer;

    QImage draw(const QString &text, int time = 0, int fade = 255)
    {
        renderer.setDisplayList(parseDisplayList(text, time));
        renderer.setFade(fade);
        return renderer.render(screen);
    }

private slots:
    void init()
    {
        renderer = PreviewRenderer();
        renderer.pictures().insert("red", solid(20, 20, QColor(255, 0, 0)));
        renderer.pictures().insert("big", solid(100, 100, QColor(255, 0, 0)));
        renderer.pictures().insert("wide", solid(40, 20, QColor(255, 0, 0)));
    }

    void emptyListIsBlackAndStillSignalsUpdate()
    {
        PreviewBody body;
        body.setSize(QSizeF(screen));
        QSignalSpy updated(&body, &PreviewBody::updated);
        body.updateDisplayList(QStringLiteral("{\"list\":[],\"tween\":[]}"), 0, 0);
        QImage image(screen, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        body.paint(&painter);
        painter.end();
        QCOMPARE(updated.count(), 1);
        QCOMPARE(at(image, 0, 0), qRgb(0, 0, 0));
        QCOMPARE(at(image, 815, 623), qRgb(0, 0, 0));
        QCOMPARE(body.fade(), 0);
        QVERIFY(body.msec() >= 0);
    }

    void ratioTweensPositionScaleAndOpacity()
    {
        QJsonObject e = pictureEntry(1, "red", 10, 10);
        e["endPosition"] = QJsonObject{{"x", 110}, {"y", 50}};
        e["endScale"] = QJsonObject{{"width", 200}, {"height", 200}};
        e["startOpacity"] = 0;
        e["endOpacity"] = 255;

        QImage start = draw(oneEntry(e, 0));
        // Opacity 0 at the start: nothing shows, but the picture is on record.
        CHECK_PIXEL(start, 15, 15, QColor(0, 0, 0));
        QCOMPARE(renderer.frames().size(), 1);
        QCOMPARE(renderer.frames().at(0).midRect, QRectF(10, 10, 20, 20));

        QImage mid = draw(oneEntry(e, 0.5));
        // (60, 30), 150 % of 20 = 30 pixels, opacity 127.5 / 255.
        CHECK_PIXEL(mid, 61, 31, QColor(127, 0, 0));
        CHECK_PIXEL(mid, 88, 58, QColor(127, 0, 0));
        CHECK_PIXEL(mid, 91, 45, QColor(0, 0, 0));
        CHECK_PIXEL(mid, 58, 45, QColor(0, 0, 0));
        QCOMPARE(renderer.frames().at(0).midRect, QRectF(60, 30, 30, 30));

        QImage end = draw(oneEntry(e, 1));
        CHECK_PIXEL(end, 111, 51, QColor(255, 0, 0));
        CHECK_PIXEL(end, 148, 88, QColor(255, 0, 0));
        CHECK_PIXEL(end, 151, 70, QColor(0, 0, 0));
        CHECK_PIXEL(end, 15, 15, QColor(0, 0, 0));
        const PictureFrame &f = renderer.frames().at(0);
        QCOMPARE(f.startRect, QRectF(10, 10, 20, 20));
        QCOMPARE(f.endRect, QRectF(110, 50, 40, 40));
    }

    void ratioOutsideRangeIsNotClamped()
    {
        QJsonObject e = pictureEntry(1, "red", 0, 0);
        e["endPosition"] = QJsonObject{{"x", 100}, {"y", 0}};
        draw(oneEntry(e, 2));
        QCOMPARE(renderer.frames().at(0).midRect.x(), 200.0);
    }

    void scaleThroughZeroDrawsNothing()
    {
        QJsonObject e = pictureEntry(1, "red", 100, 100);
        e["endScale"] = QJsonObject{{"width", -50}, {"height", 100}};
        QImage before = draw(oneEntry(e, 0.5)); // 25 %
        CHECK_PIXEL(before, 101, 110, QColor(255, 0, 0));
        for (double r : {2.0 / 3.0, 0.8, 1.0}) {
            QImage image = draw(oneEntry(e, r));
            for (int x = 80; x < 140; x += 3)
                CHECK_PIXEL(image, x, 110, QColor(0, 0, 0));
            QCOMPARE(renderer.frames().size(), 1);
            QCOMPARE(renderer.frames().at(0).midRect.width(), 0.0);
        }
    }

    void rotationGrowsInWholeDegreesAboutTheOrigin()
    {
        QJsonObject e = pictureEntry(3, "wide", 100, 100);
        e["rotateSpeed"] = 3;
        e["blockStart"] = 10;
        draw(oneEntry(e, 0), 15);
        QCOMPARE(renderer.frames().at(0).midRotation, 7.0);  // trunc(5 * 1.5)
        QCOMPARE(renderer.frames().at(0).endRotation, 88.0); // trunc(59 * 1.5)
        draw(oneEntry(e, 0), 10);
        QCOMPARE(renderer.frames().at(0).midRotation, 0.0);

        // 90 degrees clockwise about the upper-left corner: the 40 x 20 picture hangs down
        // and to the left of (100, 100).
        e["rotateSpeed"] = 180;
        QImage image = draw(oneEntry(e, 0), 11);
        CHECK_PIXEL(image, 90, 130, QColor(255, 0, 0));
        CHECK_PIXEL(image, 85, 105, QColor(255, 0, 0));
        CHECK_PIXEL(image, 120, 110, QColor(0, 0, 0));
        CHECK_PIXEL(image, 90, 145, QColor(0, 0, 0));
    }

    void centreOriginCentresThePicture()
    {
        QJsonObject e = pictureEntry(1, "big", 200, 200);
        e["origin"] = 1;
        e["width"] = 100;
        e["height"] = 100;
        e["startScale"] = QJsonObject{{"width", 50}, {"height", 50}};
        e["endScale"] = QJsonObject{{"width", 50}, {"height", 50}};
        QImage image = draw(oneEntry(e, 0));
        CHECK_PIXEL(image, 176, 176, QColor(255, 0, 0));
        CHECK_PIXEL(image, 223, 223, QColor(255, 0, 0));
        CHECK_PIXEL(image, 173, 200, QColor(0, 0, 0));
        CHECK_PIXEL(image, 227, 200, QColor(0, 0, 0));
        QCOMPARE(renderer.frames().at(0).midRect, QRectF(200, 200, 50, 50));
    }

    void laterEntriesLieOnTop()
    {
        renderer.pictures().insert("blue", solid(20, 20, QColor(0, 0, 255)));
        QImage image =
            draw(listText({pictureEntry(1, "red", 0, 0), pictureEntry(2, "blue", 10, 0)}, {0, 0}));
        CHECK_PIXEL(image, 5, 5, QColor(255, 0, 0));
        CHECK_PIXEL(image, 15, 5, QColor(0, 0, 255));
    }

    void blendModes_data()
    {
        QTest::addColumn<int>("blend");
        QTest::addColumn<QColor>("expected");
        // (100, 100, 0) drawn over (200, 40, 0).
        QTest::newRow("normal") << 0 << QColor(100, 100, 0);
        QTest::newRow("additive") << 1 << QColor(255, 140, 0);
        QTest::newRow("multiply") << 2 << QColor(78, 16, 0);
        QTest::newRow("screen") << 3 << QColor(222, 124, 0);
        QTest::newRow("unknown 4 is normal") << 4 << QColor(100, 100, 0);
        QTest::newRow("negative is normal") << -1 << QColor(100, 100, 0);
    }

    void blendModes()
    {
        QFETCH(int, blend);
        QFETCH(QColor, expected);
        renderer.pictures().insert("base", solid(20, 20, QColor(200, 40, 0)));
        renderer.pictures().insert("top", solid(20, 20, QColor(100, 100, 0)));
        QJsonObject top = pictureEntry(2, "top", 0, 0);
        top["blend"] = blend;
        QImage image = draw(listText({pictureEntry(1, "base", 0, 0), top}, {0, 0}));
        CHECK_PIXEL(image, 10, 10, expected);
    }

    void toneAddsAndTakesAwayWithSaturation()
    {
        renderer.pictures().insert("tone", solid(20, 20, QColor(100, 50, 20)));
        QJsonObject e = pictureEntry(1, "tone", 0, 0);
        e["endColor"] = QJsonObject{{"R", 68}, {"G", 0}, {"B", 0}, {"S", 0}};
        CHECK_PIXEL(draw(oneEntry(e, 0.5)), 10, 10, QColor(134, 50, 20));
        CHECK_PIXEL(draw(oneEntry(e, 0)), 10, 10, QColor(100, 50, 20));
        CHECK_PIXEL(draw(oneEntry(e, -0.5)), 10, 10, QColor(100, 50, 20));

        renderer.pictures().insert("dark", solid(20, 20, QColor(30, 50, 20)));
        e = pictureEntry(1, "dark", 0, 0);
        e["endColor"] = QJsonObject{{"R", -68}, {"G", 255}, {"B", -10}, {"S", 0}};
        CHECK_PIXEL(draw(oneEntry(e, 1)), 10, 10, QColor(0, 255, 10));
    }

    void grayOnlyToneTurnsThePictureGray()
    {
        renderer.pictures().insert("tone", solid(20, 20, QColor(255, 0, 0)));
        QJsonObject e = pictureEntry(1, "tone", 0, 0);
        e["endColor"] = QJsonObject{{"R", 0}, {"G", 0}, {"B", 0}, {"S", 255}};
        CHECK_PIXEL(draw(oneEntry(e, 1)), 10, 10, QColor(72, 72, 72));
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
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                const int a = y < 8 ? 255 : y < 10 ? 0 : next(256);
                line[x] = qRgba(next(a + 1), next(a + 1), next(a + 1), a);
            }
        }
        const QImage gray = makeGrayCopy(picture);
        QImage out;
        for (int i = 0; i < 400; ++i) {
            Tone t;
            t.red = next(511) - 255;
            t.green = next(511) - 255;
            t.blue = next(511) - 255;
            t.gray = i % 4 == 0 ? 0 : i % 4 == 1 ? 255 : next(256);
            applyTone(picture, gray, t, out);
            QVERIFY2(out == toneByComposition(picture, gray, t),
                     qPrintable(QStringLiteral("tone %1 %2 %3 %4")
                                    .arg(t.red)
                                    .arg(t.green)
                                    .arg(t.blue)
                                    .arg(t.gray)));
        }
    }

    void grayCopyWeighsStoredComponents()
    {
        QImage picture(5, 1, QImage::Format_ARGB32_Premultiplied);
        const QRgb in[] = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                           qRgba(0, 0, 0, 0)};
        for (int x = 0; x < 5; ++x)
            reinterpret_cast<QRgb *>(picture.scanLine(0))[x] = in[x];
        const QImage gray = makeGrayCopy(picture);
        const auto *line = reinterpret_cast<const QRgb *>(gray.constScanLine(0));
        QCOMPARE(line[0], qRgb(255, 255, 255));
        QCOMPARE(line[1], qRgb(72, 72, 72));
        QCOMPARE(line[2], qRgb(145, 145, 145));
        QCOMPARE(line[3], qRgb(36, 36, 36));
        QCOMPARE(line[4], qRgba(0, 0, 0, 0));
    }

    void flashAndFadeIgnoreThePictureState()
    {
        renderer.pictures().insert("white", solid(816, 624, Qt::white));
        renderer.pictures().insert("gray", solid(100, 100, QColor(128, 128, 128)));
        QJsonObject top = pictureEntry(2, "gray", 0, 0);
        top["blend"] = 2;
        top["startOpacity"] = 128;
        top["endOpacity"] = 128;
        const QString text = listText({pictureEntry(1, "white", 0, 0), top}, {0, 0});

        renderer.setBlendColor(0, 0, 0, 0);
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
        renderer.setBlendColor(0, 255, 0, 255);
        QImage image = draw(oneEntry(pictureEntry(1, "red", 0, 0), 0));
        // The opaque flash covers everything, shifted or not.
        CHECK_PIXEL(image, 0, 0, QColor(0, 255, 0));
        CHECK_PIXEL(image, 815, 623, QColor(0, 255, 0));

        renderer.setBlendColor(0, 0, 0, 0);
        image = draw(oneEntry(pictureEntry(1, "red", 0, 0), 0));
        CHECK_PIXEL(image, 5, 5, QColor(0, 0, 0));
        CHECK_PIXEL(image, 25, 5, QColor(255, 0, 0));
        // The record keeps the unshaken position.
        QCOMPARE(renderer.frames().at(0).midRect.x(), 0.0);
    }

    void entriesThatCannotBeDrawnLeaveNoRecord()
    {
        QJsonObject noName = pictureEntry(1, "", 0, 0);
        QJsonObject negative = pictureEntry(2, "red", 0, 0);
        negative["imageIndex"] = -1;
        QJsonObject missing = pictureEntry(3, "not-loaded", 0, 0);
        QJsonObject noIndex = pictureEntry(4, "red", 40, 0);
        noIndex.remove("imageIndex"); // absent: -1, not drawn
        QImage image = draw(listText({noName, negative, missing, noIndex}, {0, 0, 0, 0}));
        QVERIFY(renderer.frames().isEmpty());
        CHECK_PIXEL(image, 5, 5, QColor(0, 0, 0));
    }

    void readingRulesOfTheListText()
    {
        // "blockStart" 12.5 is not a whole number: it reads 0, so elapse is the time itself.
        QJsonObject e = pictureEntry(1, "red", 0, 0);
        e["blockStart"] = 12.5;
        e["rotateSpeed"] = 2;
        DisplayList list = parseDisplayList(oneEntry(e, 0), 30);
        QCOMPARE(list.entries.at(0).elapse, qint64(30));

        // Absent keys keep the drawing defaults; present but malformed ones read 0.
        QJsonObject sparse{{"imageName", "red"},
                           {"startOpacity", "opaque"},
                           {"startScale", QJsonObject{{"width", 50}}}};
        list = parseDisplayList(listText({sparse}, {0}), 7);
        const DisplayEntry &d = list.entries.at(0);
        QCOMPARE(d.blockId, -1.0);
        QCOMPARE(d.imageIndex, -1.0);
        QCOMPARE(d.startOpacity, 0);
        QCOMPARE(d.endOpacity, 255);
        QCOMPARE(d.startWidth, 50.0);
        QCOMPARE(d.startHeight, 0.0);
        QCOMPARE(d.endWidth, 100.0);
        QCOMPARE(d.elapse, qint64(0));
        QCOMPARE(d.delay, 0);

        // Non-numbers among the ratios read 0; text that is not an object gives nothing.
        list = parseDisplayList(QStringLiteral("{\"list\":[{}],\"tween\":[null]}"), 0);
        QCOMPARE(list.tweens, QVector<double>{0.0});
        QVERIFY(parseDisplayList(QStringLiteral("[1,2]"), 0).entries.isEmpty());
        QVERIFY(parseDisplayList(QStringLiteral("not json"), 0).entries.isEmpty());
        QVERIFY(parseDisplayList(QStringLiteral("{\"list\":5,\"tween\":[]}"), 0).entries.isEmpty());
    }

    void listsOfDifferentLengths()
    {
        QTest::ignoreMessage(QtDebugMsg, "List count mismatch! displayList: 2  tweenList: 1");
        QJsonObject moving = pictureEntry(2, "red", 0, 100);
        moving["endPosition"] = QJsonObject{{"x", 100}, {"y", 100}};
        draw(listText({pictureEntry(1, "red", 0, 0), moving}, {0.5}));
        // The entry without a ratio is drawn at its start.
        QCOMPARE(renderer.frames().size(), 2);
        QCOMPARE(renderer.frames().at(1).midRect.x(), 0.0);

        QTest::ignoreMessage(QtDebugMsg, "List count mismatch! displayList: 0  tweenList: 2");
        draw(listText({}, {0.5, 1}));
        QVERIFY(renderer.frames().isEmpty());
    }

    void setBlendColorNeedsFourValues()
    {
        PreviewBody body;
        body.setBlendColor({10, 20, 30, 40});
        body.setBlendColor({1, 2, 3});
        body.setBlendColor({});
        const int *c = body.renderer().blendColor();
        QCOMPARE((QVector<int>{c[0], c[1], c[2], c[3]}), (QVector<int>{10, 20, 30, 40}));
    }

    void repaintWithoutNewListRebuildsTheRecords()
    {
        draw(oneEntry(pictureEntry(1, "red", 0, 0), 0));
        renderer.render(screen);
        QCOMPARE(renderer.frames().size(), 1);
    }

    void sampledFrameReachesThePreviewAsTheMainViewPassesIt()
    {
        using namespace vignetta;
        scene::Document doc = scene::Document::emptyScene();
        scene::Block picture = scene::createEmptyPictureBlock(doc);
        picture.setField("imageName", "red");
        picture.setField("startPosition.x", 100);
        picture.setDelay(61);
        QVERIFY(doc.appendBlock(picture, 1));
        scene::Block screen = scene::createEmptyScreenBlock(doc);
        screen.setField("flashEnabled", true);
        screen.setField("shakeEnabled", true);
        QVERIFY(doc.appendBlock(screen, 1));
        scene::Block sound = scene::createEmptySoundBlock(doc);
        sound.setField("audioName", "bell");
        QVERIFY(doc.appendBlock(sound, 1));

        const QVariantMap sample = frameSampleToVariant(sampleFrame(doc, 0, SampleMode::playback));
        QCOMPARE(sample.value("fade").toInt(), 255);
        QCOMPARE(sample.value("blendColor").toList(), (QVariantList{255, 255, 255, 170}));
        QCOMPARE(sample.value("shake").toInt(), 0);
        QVERIFY(sample.value("text").isNull());
        QCOMPARE(sample.value("sounds").toList().size(), 1);
        const QVariantMap first = sample.value("sounds").toList().at(0).toMap();
        QCOMPARE(first.value("channel").toString(), QStringLiteral("bgm"));
        QCOMPARE(first.value("audio").toMap().value("name").toString(), QStringLiteral("bell"));
        QVERIFY(sample.value("fadeOut").isNull());

        PreviewBody body;
        body.setSize(QSizeF(60, 100));
        body.setBlendColor(sample.value("blendColor").toList());
        body.setShake(sample.value("shake").toInt());
        body.renderer().pictures().insert("red", solid(20, 20, Qt::red));
        body.updateDisplayList(sample.value("displayList").toString(), sample.value("fade").toInt(),
                               0);
        QImage image(60, 100, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        body.paint(&painter);
        painter.end();
        QCOMPARE(body.renderer().frames().size(), 1);
        QCOMPARE(body.renderer().frames().at(0).midRect.x(), 100.0);
        CHECK_PIXEL(image, 5, 5, QColor(170, 170, 170));
    }

    void hugeValuesNeitherCrashNorHang()
    {
        QJsonObject e = pictureEntry(1, "big", 1e300, -1e300);
        e["endPosition"] = QJsonObject{{"x", -1e300}, {"y", 1e300}};
        e["startScale"] = QJsonObject{{"width", 1e15}, {"height", 1e15}};
        e["rotateSpeed"] = 1e300;
        e["width"] = 1e300;
        e["height"] = -1e300;
        e["blockStart"] = -2147483647 - 1;
        e["blockDelay"] = 2147483647;
        e["startOpacity"] = 2147483647;
        e["endColor"] = QJsonObject{{"R", 2147483647}, {"G", -2147483647}, {"B", 0}, {"S", 1e9}};
        QJsonObject scaled = pictureEntry(2, "big", 400, 300);
        scaled["startScale"] = QJsonObject{{"width", 1e7}, {"height", 1e7}};
        scaled["endScale"] = QJsonObject{{"width", 1e7}, {"height", 1e7}};
        scaled["origin"] = 1;
        scaled["width"] = 100;
        scaled["height"] = 100;
        QElapsedTimer timer;
        timer.start();
        for (double r : {0.0, 0.5, 1.0, 1e300, -1e300}) {
            QImage image = draw(listText({e, scaled}, {r, r}), 2147483647);
            QVERIFY(!image.isNull());
        }
        QVERIFY(timer.elapsed() < 20000);
        QCOMPARE(renderer.frames().at(0).blockId, 1);
    }
};

QTEST_GUILESS_MAIN(PreviewPaintTest)
#include "tst_preview_paint.moc"
