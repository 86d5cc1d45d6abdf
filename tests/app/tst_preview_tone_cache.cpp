// The toned copies the preview keeps from one paint to the next: they are reused only for the
// same picture in the same tone, they never change what is drawn, and they go when no longer
// drawn or past their memory limit.

#include <QtTest>

#include "preview/preview_renderer.h"
#include "preview/tone.h"
#include "preview/toned_pictures.h"
#include "preview_test_util.h"

using namespace vignetta::preview;
using namespace preview_test;

namespace {

QImage gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qPremultiply(qRgba(x * 255 / w, y * 255 / h, 90, 128 + y)));
    return image;
}

QImage tonedFresh(const QImage &picture, const QImage &gray, const Tone &tone)
{
    QImage out;
    applyTone(picture, gray, tone, out);
    return out;
}

} // namespace

class PreviewToneCacheTest : public QObject
{
    Q_OBJECT

private slots:
    void reusedOnlyForTheSamePictureAndTone()
    {
        const QImage picture = gradient(40, 30);
        const QImage gray = makeGrayCopy(picture);
        const Tone warm{68, 0, -20, 30};
        TonedPictures cache;

        cache.beginPaint();
        const QImage first = cache.toned(picture, gray, warm);
        cache.endPaint();
        QCOMPARE(first, tonedFresh(picture, gray, warm));

        cache.beginPaint();
        QCOMPARE(cache.toned(picture, gray, warm).cacheKey(), first.cacheKey());
        const Tone warmer{69, 0, -20, 30};
        const QImage second = cache.toned(picture, gray, warmer);
        QVERIFY(second.cacheKey() != first.cacheKey());
        QCOMPARE(second, tonedFresh(picture, gray, warmer));
        cache.endPaint();
        QCOMPARE(cache.count(), 2);

        // A copy that a paint did not draw is gone after it.
        cache.beginPaint();
        cache.toned(picture, gray, warmer);
        cache.endPaint();
        QCOMPARE(cache.count(), 1);

        // Another picture of the same look is another picture.
        const QImage reloaded = gradient(40, 30);
        cache.beginPaint();
        QVERIFY(cache.toned(reloaded, makeGrayCopy(reloaded), warmer).cacheKey() !=
                second.cacheKey());
        cache.endPaint();
        QCOMPARE(cache.count(), 1);
    }

    void beyondItsLimitItTonesEveryTime()
    {
        const QImage picture = gradient(40, 30); // 4800 bytes
        const QImage gray = makeGrayCopy(picture);
        TonedPictures cache(6000);
        cache.beginPaint();
        const QImage a = cache.toned(picture, gray, Tone{10, 0, 0, 0});
        const QImage b = cache.toned(picture, gray, Tone{20, 0, 0, 0});
        cache.endPaint();
        QCOMPARE(cache.count(), 1);
        QVERIFY(cache.bytes() <= 6000);
        QCOMPARE(a, tonedFresh(picture, gray, Tone{10, 0, 0, 0}));
        QCOMPARE(b, tonedFresh(picture, gray, Tone{20, 0, 0, 0}));
    }

    // A renderer that has drawn earlier frames draws a frame exactly as a new one does.
    void paintsDoNotDependOnEarlierFrames()
    {
        QJsonObject entry = pictureEntry(1, "pic", 10, 10);
        entry["endColor"] = QJsonObject{{"R", 68}, {"G", -40}, {"B", 0}, {"S", 120}};
        entry["endOpacity"] = 128;
        PreviewRenderer played;
        played.pictures().insert("pic", gradient(20, 20));
        for (double ratio : {0.25, 0.5, 0.5, 0.75, 1.0}) {
            played.setDisplayList(parseDisplayList(oneEntry(entry, ratio), 0));
            const QImage frame = played.render(QSize(64, 64));
            PreviewRenderer fresh;
            fresh.pictures().insert("pic", gradient(20, 20));
            fresh.setDisplayList(parseDisplayList(oneEntry(entry, ratio), 0));
            QCOMPARE(frame, fresh.render(QSize(64, 64)));
        }
        // A picture loaded again under the same name is toned anew.
        played.pictures().clear();
        played.pictures().insert("pic", solid(20, 20, QColor(0, 0, 255)));
        played.setDisplayList(parseDisplayList(oneEntry(entry, 1.0), 0));
        const QImage replaced = played.render(QSize(64, 64));
        PreviewRenderer fresh;
        fresh.pictures().insert("pic", solid(20, 20, QColor(0, 0, 255)));
        fresh.setDisplayList(parseDisplayList(oneEntry(entry, 1.0), 0));
        QCOMPARE(replaced, fresh.render(QSize(64, 64)));
    }
};

QTEST_GUILESS_MAIN(PreviewToneCacheTest)
#include "tst_preview_tone_cache.moc"
