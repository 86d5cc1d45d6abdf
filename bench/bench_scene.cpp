// Speed of the scene engine on a full scene: 999 blocks (998 for the insertion, which adds the
// 999th) spread over 20 lanes and the marker lane, with well over 1,500 boundary frames.

#include <random>
#include <set>
#include <string>

#include <benchmark/benchmark.h>

#include "scene/builders.h"
#include "scene/conversion.h"
#include "scene/document.h"
#include "scene/editing.h"
#include "scene/scene_file.h"
#include "scene/undo_buffer.h"
#include "json/js_json.h"

namespace {

using namespace vignetta;
using namespace vignetta::scene;

constexpr int kLanes = 10;
constexpr int kMarkers = 60;

// Lanes filled from left to right with every kind of block and short gaps, pictures moving,
// scaling and fading, same-number pictures overlapping now and then.
Document makeScene(int blocks)
{
    std::mt19937 random(999);
    Document doc = Document::emptyScene();
    while (doc.getLastLaneId() < kLanes)
        doc.appendLane(createEmptyLane(doc));
    for (int i = 0; i < kMarkers; ++i) {
        Block b = createEmptyBlockOfMode(doc, mode_comment);
        b.setStart(static_cast<int>(random() % 9900));
        b.setField("comment", "marker " + std::to_string(i) + "\nsecond line");
        doc.appendBlock(b, 0);
    }
    doc.sortMarkers();

    std::vector<int> laneEnd(kLanes + 1, 0);
    for (int lane = 1; lane <= kLanes; ++lane)
        laneEnd[static_cast<std::size_t>(lane)] = lane * 7;
    // Three picture blocks in four: pictures are what scenes are mostly made of.
    const int kinds[] = {mode_picture, mode_picture, mode_picture, mode_message, mode_picture,
                         mode_picture, mode_picture, mode_sound,   mode_picture, mode_picture,
                         mode_picture, mode_fade,    mode_picture, mode_picture, mode_picture,
                         mode_screen,  mode_picture, mode_picture, mode_picture, mode_sound_fade,
                         mode_picture, mode_picture, mode_picture, mode_scroll};
    for (int i = 0; doc.numBlock() < blocks; ++i) {
        const int lane = 1 + i % kLanes;
        const int mode = kinds[random() % 24];
        Block b = createEmptyBlockOfMode(doc, mode);
        if (mode == mode_picture) {
            b.setDelay(30 + static_cast<int>(random() % 90));
            b.setField("imageIndex", 1 + static_cast<int>(random() % 100));
            b.setField("imageName", "picture" + std::to_string(i % 17));
            b.setField("endPosition.x", static_cast<int>(random() % 816));
            b.setField("endPosition.y", static_cast<int>(random() % 624));
            b.setField("endScale.width", 50 + static_cast<int>(random() % 100));
            b.setField("endOpacity", static_cast<int>(random() % 256));
            b.setField("endColor.R", static_cast<int>(random() % 511) - 255);
        } else if (mode == mode_message || mode == mode_scroll) {
            b.setField("messageText", "line one\nline two\nline three\nline four\nline five");
        } else if (mode == mode_sound) {
            b.setField("audioType", random() % 2 ? "se" : "bgm");
            b.setField("audioName", "sound" + std::to_string(i % 9));
        } else if (mode == mode_screen) {
            b.setField("flashEnabled", true);
            b.setField("shakeEnabled", random() % 2 == 0);
        }
        int &end = laneEnd[static_cast<std::size_t>(lane)];
        b.setStart(end + 1 + static_cast<int>(random() % 50));
        if (b.end() >= maxDuration)
            continue;
        end = b.end();
        doc.appendBlock(b, lane);
    }
    return doc;
}

// Distinct frames at which something starts, or a picture, fade or screen block ends: the
// boundaries of the conversion (a picture wholly hidden by a same-number one adds none).
int boundaryFrames(const Document &doc)
{
    std::set<int> frames{0};
    for (const Lane &lane : doc.lanes()) {
        for (const Block &b : lane.blocks) {
            frames.insert(b.start());
            if (b.mode() == mode_picture || b.mode() == mode_fade || b.mode() == mode_screen)
                frames.insert(b.end());
        }
    }
    return static_cast<int>(frames.size());
}

void BM_Conversion(benchmark::State &state)
{
    const Document doc = makeScene(maxNumBlock);
    std::size_t commands = 0;
    for (auto _ : state) {
        Json list = convertData2Event(doc);
        commands = list.size();
        benchmark::DoNotOptimize(list);
    }
    state.counters["blocks"] = doc.numBlock();
    state.counters["boundaries"] = boundaryFrames(doc);
    state.counters["commands"] = static_cast<double>(commands);
}
BENCHMARK(BM_Conversion)->Unit(benchmark::kMillisecond);

// "Copy As Event" as a whole: the conversion and the compact text of the list.
void BM_ConversionToText(benchmark::State &state)
{
    const Document doc = makeScene(maxNumBlock);
    for (auto _ : state) {
        std::string text = json::stringify(convertData2Event(doc));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ConversionToText)->Unit(benchmark::kMillisecond);

// "Copy As Event" as the editor runs it: the text built directly, its length counted
// against the clipboard's bound.
void BM_ConversionToBoundedText(benchmark::State &state)
{
    const Document doc = makeScene(maxNumBlock);
    std::size_t bytes = 0;
    for (auto _ : state) {
        ConversionResult text = convertScene(doc, ConversionOutput::text);
        bytes = text.bytes;
        benchmark::DoNotOptimize(text);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ConversionToBoundedText)->Unit(benchmark::kMillisecond);

// Reading the full scene's file text into blocks: the guarded JSON reader (its measuring pass
// and its builder) and the block checks.
void BM_ReadSceneText(benchmark::State &state)
{
    const std::string text = writeSceneText(makeScene(maxNumBlock));
    for (auto _ : state) {
        SceneReadResult read = readSceneText(text);
        benchmark::DoNotOptimize(read);
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadSceneText)->Unit(benchmark::kMillisecond);

// The same text through the JSON library's own reader, for comparison.
void BM_ParseWithTheLibraryAlone(benchmark::State &state)
{
    const std::string text = writeSceneText(makeScene(maxNumBlock));
    for (auto _ : state) {
        Json value = Json::parse(text);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ParseWithTheLibraryAlone)->Unit(benchmark::kMillisecond);

// The guarded reader alone on the same text.
void BM_ParseGuarded(benchmark::State &state)
{
    const std::string text = writeSceneText(makeScene(maxNumBlock));
    for (auto _ : state) {
        json::ParseResult value = json::parseJson(text);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ParseGuarded)->Unit(benchmark::kMillisecond);

// A snapshot into a full buffer (the oldest is dropped each time).
void BM_PushBuffer(benchmark::State &state)
{
    const Document doc = makeScene(maxNumBlock);
    UndoBuffer buffer;
    for (int i = 0; i < numUndo; ++i)
        buffer.pushBuffer(doc);
    for (auto _ : state)
        buffer.pushBuffer(doc);
}
BENCHMARK(BM_PushBuffer)->Unit(benchmark::kMillisecond);

// One picture inserted at frame 3000 on lane 5 of a 998-block scene: the ripple moves every
// later block of that lane.
void BM_Insertion(benchmark::State &state)
{
    const Document full = makeScene(maxNumBlock - 1);
    const std::vector<Block> set{createEmptyBlockOfMode(full, mode_picture)};
    for (auto _ : state) {
        state.PauseTiming();
        Document doc = full;
        state.ResumeTiming();
        const auto ids = insertBlocks(doc, set, 3000, 5);
        if (ids.empty())
            state.SkipWithError("insertion refused");
        benchmark::DoNotOptimize(doc);
    }
}
BENCHMARK(BM_Insertion)->Unit(benchmark::kMillisecond);

// One undo step in a buffer of 51 distinct snapshots (each followed by an untimed redo).
void BM_Undo(benchmark::State &state)
{
    Document doc = makeScene(maxNumBlock);
    UndoBuffer buffer;
    buffer.pushBuffer(doc);
    for (int i = 1; i < numUndo; ++i) {
        doc.getBlock(1 + i)->setStart(doc.getBlock(1 + i)->start() + 1);
        buffer.pushBuffer(doc);
    }
    for (auto _ : state) {
        if (!buffer.undo(doc))
            state.SkipWithError("nothing to undo");
        state.PauseTiming();
        buffer.redo(doc);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

} // namespace
