// Listing an asset folder for the selectors: 5 000 and 10 000 pictures, read, filtered,
// made one row per base name and sorted.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "assets/asset_listing.h"

namespace fs = std::filesystem;

namespace {

// A folder of `count` pictures named as projects name them (series, prefixes, a few capital
// suffixes and other files), made once per size.
const fs::path &pictureFolder(int count)
{
    static std::map<int, fs::path> folders;
    auto it = folders.find(count);
    if (it != folders.end())
        return it->second;
    const fs::path dir = fs::temp_directory_path() /
                         ("vignetta-bench-assets-" + std::to_string(count) + "-" +
                          std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    const char *stems[] = {"Actor", "!Door", "$Lamp", "Sky", "Tree", "Face", "Chest", "Ghost"};
    for (int i = 0; i < count; ++i) {
        std::string name = std::string(stems[i % 8]) + std::to_string(i / 8);
        name += (i % 97 == 0) ? ".PNG" : (i % 31 == 0 ? ".txt" : ".png");
        std::ofstream(dir / name) << "x";
    }
    return folders.emplace(count, dir).first->second;
}

void BM_ListPictureFolder(benchmark::State &state)
{
    const fs::path &dir = pictureFolder(static_cast<int>(state.range(0)));
    const std::optional<std::vector<std::string>> png = std::vector<std::string>{"png"};
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto listing = vignetta::assets::listAssetFolder(dir, png);
        rows = listing.entries.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

BENCHMARK(BM_ListPictureFolder)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);
