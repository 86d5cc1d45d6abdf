#include "project/preset_collection.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "preset_test_util.h"

using namespace vignetta::project;
using preset_test::readText;
using preset_test::TempFolder;
using preset_test::writeText;

namespace {

std::vector<std::string> names(const std::vector<PresetCategory> &categories)
{
    std::vector<std::string> out;
    for (const auto &c : categories)
        out.push_back(c.name);
    return out;
}

const char *kBuiltIn =
    R"([{"name":"Screen","presets":[{"name":"Fade In","data":[]},{"name":"Fade Out","data":[]}]},)"
    R"({"name":"Sound","presets":[{"name":"Sting","data":[]}]}])";
const char *kUser = R"([{"name":"Mine","presets":[{"name":"Rain","data":[{"blockId":1}]}]}])";

struct Collections
{
    TempFolder root;
    fs::path builtIn = root / "app/Presets";
    fs::path user = root / "data/Presets";

    void write(const char *builtInText, const char *userText)
    {
        if (builtInText)
            writeText(builtIn / "presets.json", builtInText);
        if (userText)
            writeText(user / "presets.json", userText);
    }
    PresetLibrary load() const { return loadPresetLibrary(builtIn, user); }
};

} // namespace

TEST(PresetCollectionRead, BuiltInCategoriesFirstThenTheUsersWithTheirSources)
{
    Collections c;
    c.write(kBuiltIn, kUser);
    const PresetLibrary library = c.load();
    EXPECT_FALSE(library.failed);
    ASSERT_EQ(names(library.categories), (std::vector<std::string>{"Screen", "Sound", "Mine"}));
    EXPECT_EQ(library.categories[0].source, PresetSource::BuiltIn);
    // A second built-in category still takes its files from the built-in folder.
    EXPECT_EQ(library.categories[1].source, PresetSource::BuiltIn);
    EXPECT_EQ(library.categories[2].source, PresetSource::User);
    ASSERT_EQ(library.categories[0].presets.size(), 2u);
    EXPECT_EQ(library.categories[0].presets[1].name, "Fade Out");
    EXPECT_EQ(library.categories[2].presets[0].data[0]["blockId"], 1);
}

TEST(PresetCollectionRead, MissingOrBrokenFiles)
{
    {
        SCOPED_TRACE("no user file: only the built-in categories, nothing to report");
        Collections c;
        c.write(kBuiltIn, nullptr);
        const PresetLibrary library = c.load();
        EXPECT_EQ(names(library.categories), (std::vector<std::string>{"Screen", "Sound"}));
        EXPECT_FALSE(library.failed);
        EXPECT_TRUE(library.problems.empty());
    }
    for (const char *broken : {"[{\"name\":", "{\"name\":\"Screen\",\"presets\":[]}", "", "null"}) {
        SCOPED_TRACE(std::string("built-in file: ") + broken);
        Collections c;
        c.write(broken, kUser);
        const PresetLibrary library = c.load();
        // The user's categories are merged only after the built-in ones were read.
        EXPECT_TRUE(library.categories.empty());
        EXPECT_TRUE(library.failed);
        ASSERT_EQ(library.problems.size(), 1u);
        EXPECT_NE(library.problems[0].find("app/Presets/presets.json"), std::string::npos);
    }
    {
        SCOPED_TRACE("no built-in file");
        Collections c;
        c.write(nullptr, kUser);
        EXPECT_TRUE(c.load().categories.empty());
        EXPECT_TRUE(c.load().failed);
    }
    {
        SCOPED_TRACE("a broken user file leaves the built-in categories");
        Collections c;
        c.write(kBuiltIn, "[[[");
        const PresetLibrary library = c.load();
        EXPECT_EQ(names(library.categories), (std::vector<std::string>{"Screen", "Sound"}));
        EXPECT_TRUE(library.failed);
        ASSERT_EQ(library.problems.size(), 1u);
        EXPECT_NE(library.problems[0].find("data/Presets/presets.json"), std::string::npos);
    }
}

TEST(PresetCollectionRead, EntriesOfTheWrongTypeAreLeftOutAndNamed)
{
    const auto read = parsePresetCollection(
        R"([7,{"name":3,"presets":[]},{"name":"NoList","presets":{}},)"
        R"({"name":"Odd \"one\"\n/x","presets":[null,{"name":["x"]},{"name":"Kept","data":5},)"
        R"({"name":"Bare"}]}])");
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.categories.size(), 1u);
    // Names are kept exactly as the file holds them; escaping is the job of whoever shows them.
    EXPECT_EQ(read.categories[0].name, "Odd \"one\"\n/x");
    ASSERT_EQ(read.categories[0].presets.size(), 2u);
    EXPECT_EQ(read.categories[0].presets[0].data, 5); // checked only when the preset is used
    EXPECT_TRUE(read.categories[0].presets[1].data.is_null());
    EXPECT_EQ(read.skipped.size(), 5u);
    for (const auto &line : read.skipped)
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
}

TEST(PresetCollectionRead, FilesThatAreNotPlainOrTooLarge)
{
    TempFolder dir;
    // Ten megabytes of valid collection text are read.
    std::string big = R"([{"name":"Big","presets":[{"name":"P","data":[],"note":")";
    big += std::string(10 << 20, 'x');
    big += R"("}]}])";
    writeText(dir / "big/presets.json", big);
    const auto read = readPresetCollection(dir / "big/presets.json");
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.categories[0].presets[0].name, "P");

    writeText(dir / "huge/presets.json", std::string(kMaxCollectionBytes + 1, ' '));
    const auto huge = readPresetCollection(dir / "huge/presets.json");
    EXPECT_FALSE(huge.ok);
    EXPECT_NE(huge.error.find("larger than"), std::string::npos);

    // A pipe would block a plain read forever; a link to an endless device would never end.
    fs::create_directories(dir / "fifo");
    ASSERT_EQ(::mkfifo((dir / "fifo/presets.json").c_str(), 0600), 0);
    EXPECT_NE(readPresetCollection(dir / "fifo/presets.json").error.find("not a regular file"),
              std::string::npos);
    fs::create_directories(dir / "zero");
    fs::create_symlink("/dev/zero", dir / "zero/presets.json");
    EXPECT_FALSE(readPresetCollection(dir / "zero/presets.json").ok);

    const auto missing = readPresetCollection(dir / "none/presets.json");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.missing);
}

TEST(PresetNames, ValidationOfAddPreset)
{
    const auto user =
        parsePresetCollection(R"([{"name":"Intro","presets":[{"name":"Dawn","data":[]}]},)"
                              R"({"name":"Outro","presets":[]}])")
            .categories;
    using V = PresetNameVerdict;
    EXPECT_EQ(checkNewPresetNames(user, true, "", "Rain"), V::Incorrect);
    EXPECT_EQ(checkNewPresetNames(user, true, "Weather", ""), V::Incorrect);
    EXPECT_EQ(checkNewPresetNames(user, true, "   ", "Rain"), V::Incorrect);
    EXPECT_EQ(checkNewPresetNames(user, true, "Weather", "Ra\tin"), V::Incorrect);
    EXPECT_EQ(checkNewPresetNames(user, true, "Weather", "Rain\xC2\x85"), V::Incorrect);
    EXPECT_EQ(checkNewPresetNames(user, true, std::string(kMaxPresetNameLength + 1, 'a'), "Rain"),
              V::Incorrect);
    // Length counts characters, not bytes.
    std::string accented;
    for (std::size_t i = 0; i < kMaxPresetNameLength; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ(checkNewPresetNames(user, true, accented, "Rain"), V::Ok);

    EXPECT_EQ(checkNewPresetNames(user, true, "Intro", "Rain"), V::CategoryExists);
    EXPECT_EQ(checkNewPresetNames(user, true, "intro", "Rain"), V::Ok); // case differs
    EXPECT_EQ(checkNewPresetNames(user, false, "Intro", "Dawn"), V::PresetExists);
    EXPECT_EQ(checkNewPresetNames(user, false, "Intro", "dawn"), V::Ok);
    EXPECT_EQ(checkNewPresetNames(user, false, "Outro", "Dawn"), V::Ok);
    // An existing category is taken by the name it has, even one no longer accepted as new.
    const auto odd = parsePresetCollection(R"([{"name":"Odd\tone","presets":[]}])").categories;
    EXPECT_EQ(checkNewPresetNames(odd, false, "Odd\tone", "Rain"), V::Ok);
    EXPECT_EQ(checkNewPresetNames(odd, true, "Odd\tone", "Rain"), V::Incorrect);
    EXPECT_EQ(checkNewPresetNames(odd, false, "", "Rain"), V::Incorrect);
    // Quotes and slashes are only text: names never become file names.
    EXPECT_EQ(checkNewPresetNames(user, true, "a/b \"c\" ../d", "<x>"), V::Ok);
}

TEST(PresetSave, NewAndExistingCategoriesAppendAtTheEnd)
{
    TempFolder dir;
    const fs::path file = dir / "Presets/presets.json"; // the folder does not exist yet
    const Json blocks = Json::parse(R"([{"blockId":1,"laneId":1,"eventData":{"blockStart":0}}])");

    ASSERT_TRUE(savePresetToCollection(file, true, "Weather", "Rain", blocks));
    ASSERT_TRUE(savePresetToCollection(file, false, "Weather", "Snow", blocks));
    ASSERT_TRUE(savePresetToCollection(file, true, "Cut-ins", "Flash", blocks));
    EXPECT_EQ(readText(file),
              R"([{"name":"Weather","presets":[{"name":"Rain","data":[{"blockId":1,"laneId":1,)"
              R"("eventData":{"blockStart":0}}]},{"name":"Snow","data":[{"blockId":1,"laneId":1,)"
              R"("eventData":{"blockStart":0}}]}]},{"name":"Cut-ins","presets":[{"name":"Flash",)"
              R"("data":[{"blockId":1,"laneId":1,"eventData":{"blockStart":0}}]}]}])");
    // Nothing is left beside it.
    EXPECT_EQ(preset_test::entries(dir / "Presets"), (std::vector<std::string>{"presets.json"}));

    const auto missing = savePresetToCollection(file, false, "Nowhere", "Lost", blocks);
    EXPECT_EQ(missing.status, PresetSaveStatus::NoSuchCategory);
}

TEST(PresetSave, KeepsWhatItCannotListAndWhatOthersAdded)
{
    TempFolder dir;
    const fs::path file = dir / "presets.json";
    const std::string before =
        R"([42,{"name":"A","presets":[{"name":"x","data":[],"extra":true}],"tag":"kept"}])";
    writeText(file, before);
    ASSERT_TRUE(savePresetToCollection(file, false, "A", "y", Json::array()));
    EXPECT_EQ(readText(file),
              R"([42,{"name":"A","presets":[{"name":"x","data":[],"extra":true},)"
              R"({"name":"y","data":[]}],"tag":"kept"}])");
}

TEST(PresetSave, AnUnusableFileIsNeverOverwritten)
{
    for (const std::string &text : std::vector<std::string>{
             "[{\"name\":\"A\",", "{\"name\":\"A\"}", "", "[\"\xFF\"]"}) {
        TempFolder dir;
        const fs::path file = dir / "presets.json";
        writeText(file, text);
        const auto result = savePresetToCollection(file, true, "B", "b", Json::array());
        EXPECT_EQ(result.status, PresetSaveStatus::Unreadable) << text;
        EXPECT_NE(result.error.find("left as it is"), std::string::npos);
        EXPECT_EQ(readText(file), text);
    }
    TempFolder dir;
    fs::create_directories(dir / "dir/presets.json"); // a folder where the file belongs
    EXPECT_EQ(savePresetToCollection(dir / "dir/presets.json", true, "B", "b", Json::array()).status,
              PresetSaveStatus::Unreadable);
}

TEST(PresetSave, AFailedWriteLeavesTheEarlierFile)
{
    TempFolder dir;
    const fs::path file = dir / "presets.json";
    const std::string before = R"([{"name":"A","presets":[]}])";
    writeText(file, before);
    // A scene too large for what the disk has left.
    Json blocks = Json::array();
    blocks.push_back(std::string(64 * 1024, 'z'));
    const int status = preset_test::runWithFileSizeLimit(4096, [&] {
        const auto result = savePresetToCollection(file, false, "A", "big", blocks);
        return result.status == PresetSaveStatus::WriteFailed && !result.error.empty();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readText(file), before);
    EXPECT_EQ(preset_test::entries(dir.path()), (std::vector<std::string>{"presets.json"}));
}
