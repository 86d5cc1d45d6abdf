// Speed of the message preview: laying out and drawing a four-line message with a face,
// colours and icons (every edit in the editor), one playback tick of a message (60 a second),
// and a frame of a 200-line scrolling text.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "preview/glyph_cache.h"
#include "preview/text_painter.h"
#include "preview/text_resources.h"
#include "text/conversion.h"
#include "text/text_engine.h"

using namespace vignetta;
using namespace vignetta::preview;

namespace {

// Fonts need a GUI application; none is shown.
void ensureApplication()
{
    static int argc = 3;
    static char name[] = "bench_app_text";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char *argv[] = {name, option, platform, nullptr};
    static QGuiApplication *application = new QGuiApplication(argc, argv);
    (void)application;
}

struct Window
{
    GlyphCache glyphs;
    TextResources resources;
    TextWindowStyle style;
    QImage face;
    text::NameSource names;

    Window()
    {
        ensureApplication();
        glyphs.setFontFamily(QStringLiteral("M PLUS 1 Code"));
        QImage skin(192, 192, QImage::Format_ARGB32_Premultiplied);
        skin.fill(Qt::white);
        QPainter(&skin).fillRect(96, 144, 96, 48, QColor(255, 200, 100));
        QImage icons(512, 512, QImage::Format_ARGB32_Premultiplied);
        icons.fill(QColor(30, 160, 90));
        resources.setImages(skin, icons);
        face = QImage(144, 144, QImage::Format_ARGB32_Premultiplied);
        face.fill(QColor(200, 120, 60));
        names.actors[1] = "Lena";
        names.actors[2] = "Orin";
        names.currencyUnit = "G";
    }

    text::MeasureFunction measure()
    {
        return [this](char32_t c, int size) { return glyphs.advance(c, size); };
    }
};

const char *const fourLines = "\\C[6]\\N[1]\\C[0]:\n"
                              "I saved \\I[49] 20\\G and \\I[87] a ribbon for the fair.\n"
                              "Shall we go, \\C[3]\\N[2]\\C[0]? The \\{bells\\} ring at noon.\n"
                              "\\C[2]Don't be late!\\C[0] \\I[12]";

void BM_MessageLayoutAndDraw(benchmark::State &state)
{
    Window window;
    text::TextEngine engine(window.measure());
    engine.setCanvasHeight(144);
    engine.setStartX(text::kFaceTextX);
    QImage screen(796, 160, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        engine.drawAll(text::convertText(fourLines, window.names));
        QPainter painter(&screen);
        paintTextWindow(painter, QSizeF(796, 160), window.style, engine, window.resources,
                        window.face, window.glyphs);
    }
    state.counters["characters"] = double(engine.visibleCharacters());
}
BENCHMARK(BM_MessageLayoutAndDraw)->Unit(benchmark::kMillisecond);

// The same with nothing cached: every character outlined and its sprite drawn afresh, as for
// the first message after the font was set.
void BM_MessageLayoutAndDrawCold(benchmark::State &state)
{
    Window window;
    text::TextEngine engine(window.measure());
    engine.setCanvasHeight(144);
    engine.setStartX(text::kFaceTextX);
    QImage screen(796, 160, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.glyphs.clear();
        engine.drawAll(text::convertText(fourLines, window.names));
        QPainter painter(&screen);
        paintTextWindow(painter, QSizeF(796, 160), window.style, engine, window.resources,
                        window.face, window.glyphs);
    }
}
BENCHMARK(BM_MessageLayoutAndDrawCold)->Unit(benchmark::kMillisecond);

// One tick of the message window in playback: the engine's frame and the repaint of the page.
void BM_PlaybackTick(benchmark::State &state)
{
    Window window;
    text::TextEngine engine(window.measure());
    engine.setCanvasHeight(144);
    engine.setStartX(text::kFaceTextX);
    const std::u32string converted = text::convertText(fourLines, window.names);
    QImage screen(796, 160, QImage::Format_ARGB32_Premultiplied);
    const bool paint = state.range(0) != 0;
    engine.startMessage(converted);
    for (auto _ : state) {
        if (!engine.running() || engine.paused()) {
            state.PauseTiming();
            engine.startMessage(converted);
            state.ResumeTiming();
        }
        engine.update();
        if (paint) {
            QPainter painter(&screen);
            paintTextWindow(painter, QSizeF(796, 160), window.style, engine, window.resources,
                            window.face, window.glyphs);
        }
    }
}
BENCHMARK(BM_PlaybackTick)->Arg(0)->Arg(1)->ArgNames({"paint"})->Unit(benchmark::kMicrosecond);

// A frame of a 200-line scrolling text in the middle of its run (the text is laid out once,
// when it starts; each frame draws what is on the screen).
void BM_ScrollingTextFrame(benchmark::State &state)
{
    Window window;
    window.style.background = 2;
    text::TextEngine engine(window.measure());
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "Line " + std::to_string(i) + " of the credits, with \\C[" + std::to_string(i % 8) +
                "]colour\\C[0] and an icon \\I[" + std::to_string(i) + "] in it.\n";
    engine.setScrollY(-3000);
    engine.startScroll(text::convertText(text, window.names));
    QImage screen(796, 624, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        screen.fill(Qt::black);
        QPainter painter(&screen);
        paintTextWindow(painter, QSizeF(796, 624), window.style, engine, window.resources, QImage(),
                        window.glyphs);
    }
    state.counters["lines"] = 200;
}
BENCHMARK(BM_ScrollingTextFrame)->Unit(benchmark::kMillisecond);

// Laying out the whole 200-line scrolling text, as when it starts.
void BM_ScrollingTextLayout(benchmark::State &state)
{
    Window window;
    text::TextEngine engine(window.measure());
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "Line " + std::to_string(i) + " of the credits, with \\C[2]colour\\C[0].\n";
    for (auto _ : state)
        engine.startScroll(text::convertText(text, window.names));
}
BENCHMARK(BM_ScrollingTextLayout)->Unit(benchmark::kMillisecond);

} // namespace
