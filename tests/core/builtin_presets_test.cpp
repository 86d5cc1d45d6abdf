#include "project/asset_copy.h"
#include "project/preset_assets.h"
#include "project/preset_collection.h"
#include "scene/scene_file.h"

#include <gtest/gtest.h>

#include <set>

#include "preset_test_util.h"

using namespace vignetta::project;

// The collection that ships beside the editor, read and copied the way the preset selector
// does it.
TEST(BuiltInPresets, EveryPresetCanBeInsertedWithAllItsFiles)
{
    const fs::path folder = fs::path(VIGNETTA_SOURCE_DIR) / "presets";
    preset_test::TempFolder user; // no user collection
    const PresetLibrary library = loadPresetLibrary(folder, user.path());
    ASSERT_FALSE(library.failed) << (library.problems.empty() ? "" : library.problems[0]);
    EXPECT_TRUE(library.problems.empty());
    EXPECT_GE(library.categories.size(), 3u);

    preset_test::TempFolder project;
    std::set<std::string> used;
    std::size_t presets = 0;
    for (const PresetCategory &category : library.categories) {
        EXPECT_FALSE(category.presets.empty()) << category.name;
        for (const PresetEntry &preset : category.presets) {
            ++presets;
            SCOPED_TRACE(category.name + " / " + preset.name);
            const auto read = vignetta::scene::readSceneValue(preset.data);
            ASSERT_TRUE(read.ok) << read.error;
            const auto assets = listAssetsInUse(read.blocks);
            ASSERT_TRUE(assets.ok) << assets.error;
            for (const std::string &path : assets.paths) {
                const auto copied = copyAsset(folder, project.path(), path);
                EXPECT_TRUE(copied.ok) << copied.error;
                used.insert(path);
            }
        }
    }
    EXPECT_GE(presets, 12u);

    // Nothing ships that no preset uses, and the whole collection stays small.
    std::uintmax_t total = 0;
    for (const auto &entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        total += entry.file_size();
        const std::string relative = "/" + fs::relative(entry.path(), folder).generic_string();
        if (relative != "/presets.json") {
            EXPECT_EQ(used.count(relative), 1u) << relative << " is used by no preset";
        }
    }
    EXPECT_LT(total, std::uintmax_t(3) << 20);
}
