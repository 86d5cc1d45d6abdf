// Each folder under tests/data/conversion holds a scene file and the event-command list worked
// out by hand for it; the conversion must reproduce the list exactly, as compact text.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scene/conversion.h"
#include "scene/scene_file.h"
#include "json/js_json.h"

namespace {

namespace fs = std::filesystem;
using namespace vignetta;

const fs::path casesRoot = fs::path(VIGNETTA_TEST_DATA) / "conversion";

std::string readText(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(casesRoot)) {
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Three cases (comments, picture_group_order, reshow_same_number) hold blocks that overlap on
// one lane, which no scene file may hold: they pin the conversion's rules down for any
// document, so every case's document is built from its blocks past the reader's checks.
scene::SceneDocumentResult documentOf(const std::string &text)
{
    const auto parsed = json::parseJson(text);
    scene::SceneDocumentResult result;
    if (!parsed.ok || !parsed.value.is_array()) {
        result.error = "not a block array: " + parsed.error;
        return result;
    }
    std::vector<scene::Block> blocks;
    for (const auto &element : parsed.value)
        blocks.push_back(scene::Block::fromJson(element));
    return scene::documentFromBlocks(blocks);
}

class ConversionFixture : public ::testing::TestWithParam<std::string>
{
};

TEST_P(ConversionFixture, ProducesTheExpectedCommands)
{
    const fs::path dir = casesRoot / GetParam();
    const auto read = documentOf(readText(dir / "scene.json"));
    ASSERT_TRUE(read.ok) << read.error;
    const auto expected = json::parseJson(readText(dir / "expected.json"));
    ASSERT_TRUE(expected.ok) << expected.error;

    const std::string actual = json::stringify(scene::convertData2Event(read.document));
    const std::string wanted = json::stringify(expected.value);
    if (actual == wanted)
        return;
    // Point at the first command that differs; the whole lists are too long to read.
    const auto got = json::parseJson(actual).value;
    const auto &want = expected.value;
    for (std::size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
        const std::string g = i < got.size() ? json::stringify(got[i]) : "(none)";
        const std::string w = i < want.size() ? json::stringify(want[i]) : "(none)";
        ASSERT_EQ(g, w) << "first difference at command " << i;
    }
    FAIL() << "texts differ though every command matches:\n" << actual << "\n" << wanted;
}

INSTANTIATE_TEST_SUITE_P(Cases, ConversionFixture, ::testing::ValuesIn(caseNames()),
                         [](const auto &test) { return test.param; });

} // namespace
