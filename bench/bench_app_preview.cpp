// Speed of the game-screen preview: a paint of 20 full-screen pictures with and without colour
// tones (the playback case: 60 paints a second), and loading one screen-sized PNG.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>

#include "preview/image_loader.h"
#include "preview/preview_renderer.h"

using namespace vignetta::preview;

namespace {

constexpr int screenWidth = 816;
constexpr int screenHeight = 624;
constexpr int pictureCount = 20;

// A screen-sized picture with gradients, shapes and noise, so that neither decoding nor
// blending meets only flat colour.
QImage scenery(int seed)
{
    QImage image(screenWidth, screenHeight, QImage::Format_ARGB32);
    quint32 state = quint32(seed) * 2654435761u + 1;
    for (int y = 0; y < screenHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < screenWidth; ++x) {
            state = state * 1103515245u + 12345u;
            const int noise = int((state >> 16) & 15);
            line[x] = qRgb((x * 255 / screenWidth + seed * 11 + noise) & 255,
                           (y * 255 / screenHeight + noise) & 255, ((x + y) / 6 + seed * 37) & 255);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor::fromHsv((seed * 40 + i * 30) % 360, 160, 220));
        painter.drawEllipse(QPointF((i * 97 + seed * 13) % screenWidth, (i * 61) % screenHeight),
                            60 + i * 5, 40 + i * 3);
    }
    return image;
}

QJsonObject fullScreenEntry(int index, bool toned)
{
    return QJsonObject{
        {"blockId", index + 1},
        {"blockStart", 0},
        {"blockDelay", 600},
        {"imageName", QStringLiteral("picture%1").arg(index)},
        {"imageIndex", index + 1},
        {"origin", 0},
        {"startPosition", QJsonObject{{"x", 0}, {"y", 0}}},
        {"endPosition", QJsonObject{{"x", 0}, {"y", 0}}},
        {"width", screenWidth},
        {"height", screenHeight},
        {"startScale", QJsonObject{{"width", 100}, {"height", 100}}},
        {"endScale", QJsonObject{{"width", 100}, {"height", 100}}},
        {"rotateSpeed", 0},
        {"startOpacity", 255},
        {"blend", 0},
        {"endOpacity", 255},
        {"endColor",
         toned
             ? QJsonObject{{"R", 68 - index * 7}, {"G", -34 + index}, {"B", 20}, {"S", index * 12}}
             : QJsonObject{{"R", 0}, {"G", 0}, {"B", 0}, {"S", 0}}},
    };
}

// 600 display lists, one per frame of a 10-second block: the ratio (and so the tone) changes
// from one paint to the next.
QVector<DisplayList> frames(bool toned)
{
    QVector<DisplayList> lists;
    for (int frame = 0; frame < 600; ++frame) {
        QJsonArray list;
        QJsonArray tween;
        for (int i = 0; i < pictureCount; ++i) {
            list.append(fullScreenEntry(i, toned));
            tween.append(frame / 599.0);
        }
        const QString text = QString::fromUtf8(
            QJsonDocument(QJsonObject{{"list", list}, {"tween", tween}}).toJson());
        lists.append(parseDisplayList(text, frame));
    }
    return lists;
}

void paintTwentyPictures(benchmark::State &state, bool toned)
{
    PreviewRenderer renderer;
    for (int i = 0; i < pictureCount; ++i)
        renderer.pictures().insert(QStringLiteral("picture%1").arg(i), scenery(i));
    const QVector<DisplayList> lists = frames(toned);
    QImage target(screenWidth, screenHeight, QImage::Format_ARGB32_Premultiplied);
    int frame = 0;
    for (auto _ : state) {
        renderer.setDisplayList(lists.at(frame));
        frame = (frame + 1) % lists.size();
        QPainter painter(&target);
        renderer.paint(painter, QSizeF(screenWidth, screenHeight));
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_PaintTwentyTonedPictures(benchmark::State &state)
{
    paintTwentyPictures(state, true);
}

void BM_PaintTwentyPictures(benchmark::State &state)
{
    paintTwentyPictures(state, false);
}

// loadPicture of a screen-sized PNG that nothing has cached: decode, conversion, gray copy.
void BM_LoadPicture(benchmark::State &state)
{
    QTemporaryDir project;
    QDir().mkpath(project.path() + "/img/pictures");
    scenery(3).save(project.path() + "/img/pictures/scenery.png", "PNG");
    PictureCache cache;
    cache.projectUrl = QUrl::fromLocalFile(project.path()).toString() + "/";
    for (auto _ : state) {
        cache.clear();
        ImageLoader::instance().clearImages();
        if (!cache.load(QStringLiteral("scenery")))
            state.SkipWithError("the picture did not load");
    }
}

} // namespace

BENCHMARK(BM_PaintTwentyTonedPictures)->Unit(benchmark::kMillisecond)->Repetitions(7);
BENCHMARK(BM_PaintTwentyPictures)->Unit(benchmark::kMillisecond)->Repetitions(7);
BENCHMARK(BM_LoadPicture)->Unit(benchmark::kMillisecond)->Repetitions(7);
