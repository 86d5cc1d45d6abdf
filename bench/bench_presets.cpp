// Reading preset collections and copying their files: what opening the preset selector and
// pressing OK cost. Prints times; the collection's peak memory shows as "maxrss_MiB".
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <sys/resource.h>
#include <unistd.h>

#include "project/asset_copy.h"
#include "project/preset_collection.h"
#include "scene/builders.h"
#include "scene/document.h"

namespace fs = std::filesystem;
using namespace vignetta;

namespace {

// A folder for the benchmark's files, removed at exit.
struct ScratchFolder
{
    fs::path path = fs::temp_directory_path() /
                    ("vignetta_bench_presets_" + std::to_string(::getpid()));
    ScratchFolder() { fs::create_directories(path); }
    ~ScratchFolder()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

fs::path scratch()
{
    static const ScratchFolder folder;
    return folder.path;
}

// A collection of `presets` presets of `blocks` full picture blocks each, in one category.
fs::path makeCollection(int presets, int blocks)
{
    const fs::path folder = scratch() / ("c" + std::to_string(presets) + "x" +
                                         std::to_string(blocks));
    if (fs::exists(folder / "presets.json"))
        return folder;
    fs::create_directories(folder);
    json::Json list = json::Json::array();
    scene::Document none;
    for (int p = 0; p < presets; ++p) {
        json::Json data = json::Json::array();
        for (int b = 0; b < blocks; ++b) {
            scene::Block block = scene::createEmptyBlockOfMode(none, scene::mode_picture);
            block.blockId = b + 1;
            block.laneId = 1 + b % 10;
            block.setStart(b * 10);
            block.setField("imageName", "Picture" + std::to_string(b % 50));
            data.push_back(block.toJson());
        }
        list.push_back({{"name", "Preset " + std::to_string(p)}, {"data", std::move(data)}});
    }
    json::Json file = json::Json::array({{{"name", "Big"}, {"presets", std::move(list)}}});
    std::ofstream(folder / "presets.json") << json::stringify(file);
    return folder;
}

double maxRssMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void BM_LoadCollections(benchmark::State &state)
{
    const fs::path builtIn = makeCollection(int(state.range(0)), int(state.range(1)));
    const std::uintmax_t bytes = fs::file_size(builtIn / "presets.json");
    for (auto _ : state) {
        project::PresetLibrary library = project::loadPresetLibrary(builtIn, scratch() / "none");
        benchmark::DoNotOptimize(library);
    }
    state.counters["file_MiB"] = double(bytes) / (1 << 20);
    state.counters["maxrss_MiB"] = maxRssMiB();
}
// The sample-sized collection, then one near the reading limit (ten presets of the most blocks
// a scene holds).
BENCHMARK(BM_LoadCollections)->Args({17, 10})->Args({10, 999})->Unit(benchmark::kMillisecond);

void BM_CopyAsset(benchmark::State &state)
{
    const fs::path from = scratch() / "from";
    const fs::path to = scratch() / "to";
    fs::create_directories(from / "img/pictures");
    std::string bytes(std::size_t(state.range(0)), '\0');
    std::mt19937 random(7);
    for (char &c : bytes)
        c = char(random());
    std::ofstream(from / "img/pictures/Big.png", std::ios::binary) << bytes;
    for (auto _ : state) {
        const auto copied = project::copyAsset(from, to, "/img/pictures/Big.png");
        if (!copied)
            state.SkipWithError(copied.error.c_str());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}
// A face sheet, and a long piece of music.
BENCHMARK(BM_CopyAsset)->Arg(256 << 10)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

} // namespace
