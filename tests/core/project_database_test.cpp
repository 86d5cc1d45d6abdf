#include "project/character_sheet.h"
#include "project/database.h"
#include "project/member_path.h"
#include "project/plugin_list.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using vignetta::project::Database;
using vignetta::project::Json;

namespace {

// A project's "data" folder held in memory; records which files the loader asked for.
struct FakeDataFolder
{
    std::map<std::string, std::string> files;
    std::vector<std::string> requested;

    FakeDataFolder()
    {
        for (const auto &t : vignetta::project::databaseTables())
            files[t.file] = "[null,{\"id\":1}]";
        files["Actors.json"] = R"([null,{"id":1,"name":"Harold"},{"id":2,"name":""}])";
        files["System.json"] = R"({"gameTitle":"Tide","currencyUnit":"G","partyMembers":[1,2]})";
    }

    vignetta::project::DataFileReader reader()
    {
        return [this](const std::string &name) -> std::optional<std::string> {
            requested.push_back(name);
            const auto it = files.find(name);
            if (it == files.end())
                return std::nullopt;
            return it->second;
        };
    }
};

} // namespace

TEST(DatabaseLoad, LoadsAllTablesInOrderAndKeepsABackup)
{
    FakeDataFolder folder;
    Database db;
    ASSERT_TRUE(db.load(folder.reader()));
    ASSERT_EQ(folder.requested.size(), 14u);
    EXPECT_EQ(folder.requested.front(), "Actors.json");
    EXPECT_EQ(folder.requested[7], "Troops.json");
    EXPECT_EQ(folder.requested.back(), "MapInfos.json");
    EXPECT_EQ(db.errorFileName(), "");
    EXPECT_EQ(db.gameTitle(), "Tide");
    EXPECT_EQ(db.actorName(1), "Harold");
    EXPECT_EQ(db.actorName(2), "");
    EXPECT_EQ(db.actorName(0), ""); // the host's null entry
    EXPECT_EQ(db.actorName(9), "");
    EXPECT_EQ(db.actorName(-1), "");
    EXPECT_EQ(db.tables().size(), 14u);

    // The backup is a separate copy: later edits of the live tables do not reach it.
    vignetta::project::setObjectValue(db.mutableTable("system"), "gameTitle", "Changed");
    EXPECT_EQ(db.gameTitle(), "Changed");
    EXPECT_EQ(db.backup()["system"]["gameTitle"], "Tide");
}

TEST(DatabaseLoad, MissingFileStopsTheLoadThere)
{
    FakeDataFolder folder;
    folder.files.erase("Troops.json");
    Database db;
    EXPECT_FALSE(db.load(folder.reader()));
    EXPECT_EQ(db.errorFileName(), "Troops.json");
    ASSERT_EQ(folder.requested.size(), 8u);
    EXPECT_EQ(folder.requested.back(), "Troops.json");
    // Tables read before the failure stay; the later ones were never read.
    EXPECT_TRUE(db.table("enemies").is_array());
    EXPECT_TRUE(db.table("states").is_null());
}

TEST(DatabaseLoad, FailureValuesAndBrokenTextNameTheFile)
{
    const std::vector<std::string> bad = {"null", "false", "0",   "0.0",      "\"\"",
                                          "",     "   ",   "[1,", "{\"a\":}", "not json"};
    for (const std::string &text : bad) {
        FakeDataFolder folder;
        folder.files["System.json"] = text;
        Database db;
        EXPECT_FALSE(db.load(folder.reader())) << text;
        EXPECT_EQ(db.errorFileName(), "System.json") << text;
        EXPECT_FALSE(db.errorMessage().empty());
    }
    // Values that are present but merely unusual still load: the loader imposes no schema.
    for (const char *text : {"[]", "{}", "1", "true", "\"x\""}) {
        FakeDataFolder folder;
        folder.files["MapInfos.json"] = text;
        Database db;
        EXPECT_TRUE(db.load(folder.reader())) << text;
    }
}

TEST(DatabaseLoad, DeeplyNestedTablesAndPluginListsAreRefused)
{
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    for (const char *file : {"Actors.json", "System.json"}) {
        FakeDataFolder folder;
        folder.files[file] = deep;
        Database db;
        EXPECT_FALSE(db.load(folder.reader())) << file;
        EXPECT_EQ(db.errorFileName(), file);
        EXPECT_NE(db.errorMessage().find("nesting"), std::string::npos) << db.errorMessage();
    }
    std::string error;
    EXPECT_FALSE(vignetta::project::parsePluginScript(
        "// Plugins\nvar $plugins =\n" + deep + "\n];\n", &error));
    EXPECT_NE(error.find("nesting"), std::string::npos) << error;
    // A table of long runs of small numbers, as tile flags are written, still loads.
    std::string flags = "[null,{\"flags\":[";
    for (int i = 0; i < 8192 * 40; ++i)
        flags += i ? ",0" : "16";
    FakeDataFolder folder;
    folder.files["Tilesets.json"] = flags + "]}]";
    Database db;
    EXPECT_TRUE(db.load(folder.reader())) << db.errorMessage();
}

TEST(DatabaseLoad, ANewLoadForgetsTheLastFailure)
{
    FakeDataFolder folder;
    folder.files["Skills.json"] = "null";
    Database db;
    EXPECT_FALSE(db.load(folder.reader()));
    folder.files["Skills.json"] = "[]";
    EXPECT_TRUE(db.load(folder.reader()));
    EXPECT_EQ(db.errorFileName(), "");
    db.clear();
    EXPECT_TRUE(db.table("actors").is_null());
    EXPECT_EQ(db.gameTitle(), "");
}

TEST(PluginScript, ReadsTheHostLayoutWithAnyLineEnds)
{
    const std::string lf =
        "// Generated by the editor\n"
        "// Do not edit\n"
        "\n"
        "var $plugins =\n"
        "[\n"
        "{\"name\":\"Core\",\"status\":true,\"description\":\"a // b\",\"parameters\":{}},\n"
        "{\"name\":\"Extra\",\"status\":false,\"description\":\"\",\"parameters\":{\"x\":\"1\"}}\n"
        "];\n";
    std::string crlf, cr;
    for (char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    for (const std::string &text : {lf, crlf, cr, "\xEF\xBB\xBF" + crlf}) {
        std::string error;
        const auto plugins = vignetta::project::parsePluginScript(text, &error);
        ASSERT_TRUE(plugins.has_value()) << error;
        ASSERT_EQ(plugins->size(), 2u);
        EXPECT_EQ((*plugins)[0]["description"], "a // b");
        EXPECT_EQ((*plugins)[1]["parameters"]["x"], "1");
    }
}

TEST(PluginScript, EmptyArrayAndBrokenScripts)
{
    const auto empty =
        vignetta::project::parsePluginScript("// c\r\nvar $plugins =\r\n[\r\n];\r\n");
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->is_array());
    EXPECT_TRUE(empty->empty());

    std::string error;
    EXPECT_FALSE(vignetta::project::parsePluginScript("", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(vignetta::project::parsePluginScript("// only\nvar x = 1;\n"));
    EXPECT_FALSE(vignetta::project::parsePluginScript("var $plugins =\n[\n{\"name\":\n];\n"));
    // "];" is only rewritten when it is the whole line.
    EXPECT_FALSE(vignetta::project::parsePluginScript("[\n{\"a\":1}];\n"));
}

TEST(MemberPath, GetFollowsDottedPaths)
{
    using vignetta::project::getObjectValue;
    const Json obj =
        Json::parse(R"({"a":{"b":{"c":0}},"z":null,"f":false,"s":"","list":[10,{"x":3}],"n":4})");
    EXPECT_EQ(getObjectValue(obj, "a.b.c", 5), 0);
    EXPECT_EQ(getObjectValue(obj, "q.b.c", 5), 5);
    EXPECT_EQ(getObjectValue(obj, "a.b.d", 5), 5);
    EXPECT_EQ(getObjectValue(obj, "z", 5), nullptr);
    EXPECT_EQ(getObjectValue(obj, "f", 5), false);
    EXPECT_EQ(getObjectValue(obj, "s", 5), "");
    EXPECT_EQ(getObjectValue(obj, "list.1.x", 5), 3);
    EXPECT_EQ(getObjectValue(obj, "list.2", 5), 5);
    // Inside an array only decimal indices name members.
    EXPECT_EQ(getObjectValue(obj, "list.length", 5), 5);
    EXPECT_EQ(getObjectValue(obj, "list.01", 5), 5);
    EXPECT_EQ(getObjectValue(obj, "list.-1", 5), 5);
    EXPECT_EQ(getObjectValue(obj, "n.x", 5), 5);
    EXPECT_EQ(getObjectValue(obj, "", 5), 5);
    EXPECT_EQ(getObjectValue(Json(), "a", 5), 5);
    EXPECT_EQ(getObjectValue(obj, "a", 5), obj["a"]);
}

TEST(MemberPath, SetCreatesStepsAndReportsChange)
{
    using vignetta::project::setObjectValue;
    Json obj = Json::object();
    EXPECT_TRUE(setObjectValue(obj, "list.0", 7));
    ASSERT_TRUE(obj["list"].is_array());
    EXPECT_EQ(obj["list"][0], 7);
    EXPECT_FALSE(setObjectValue(obj, "list.0", 7));
    EXPECT_TRUE(setObjectValue(obj, "list.0", 7.5));

    EXPECT_TRUE(setObjectValue(obj, "startPosition.x", 20));
    EXPECT_TRUE(obj["startPosition"].is_object());
    EXPECT_TRUE(setObjectValue(obj, "grid.3.1", 1)); // digit names: arrays, padded with null
    EXPECT_EQ(obj["grid"].dump(), "[null,null,null,[null,1]]");
    // "r1" holds a digit, so "tone" would be an array, which cannot take the name "r1".
    EXPECT_FALSE(setObjectValue(obj, "tone.r1.v", 1));
    EXPECT_FALSE(obj.contains("tone"));

    EXPECT_TRUE(setObjectValue(obj, "deep.a.b", "x"));
    EXPECT_EQ(obj["deep"]["a"]["b"], "x");

    // A null step is replaced by a container; a plain value cannot hold members.
    obj["hole"] = nullptr;
    EXPECT_TRUE(setObjectValue(obj, "hole.k", 1));
    EXPECT_EQ(obj["hole"]["k"], 1);
    const Json before = obj;
    EXPECT_FALSE(setObjectValue(obj, "startPosition.x.y", 1));
    EXPECT_FALSE(setObjectValue(obj, "list.name", 1));
    EXPECT_EQ(obj, before);

    Json null;
    EXPECT_FALSE(setObjectValue(null, "a", 1));
    EXPECT_TRUE(null.is_null());
    EXPECT_FALSE(setObjectValue(obj, "", 1));
}

TEST(MemberPath, IndicesGrowAnArrayOnlySoFar)
{
    using vignetta::project::maxGrownArrayIndex;
    using vignetta::project::setObjectValue;
    Json system = Json::parse(R"({"switches":[null,false,true]})");
    const Json before = system;
    // A billion entries would be asked for here; the write is refused instead.
    EXPECT_FALSE(setObjectValue(system, "switches.999999999", true));
    EXPECT_FALSE(setObjectValue(system, "variables.999999999", 1)) << "a new array alike";
    EXPECT_FALSE(
        setObjectValue(system, "switches." + std::to_string(maxGrownArrayIndex + 1), true));
    EXPECT_EQ(system, before);

    EXPECT_TRUE(setObjectValue(system, "switches." + std::to_string(maxGrownArrayIndex), true));
    EXPECT_EQ(system["switches"].size(), static_cast<std::size_t>(maxGrownArrayIndex) + 1);
    // Within an array's length any index is fine, however long the array already is.
    Json long_ = Json::object();
    long_["list"] = Json::array();
    long_["list"].get_ref<Json::array_t &>().resize(100000);
    EXPECT_TRUE(setObjectValue(long_, "list.99999", 5));
    EXPECT_EQ(long_["list"][99999], 5);
}

TEST(CharacterSheet, BigCharacterMark)
{
    for (const char *name : {"$Dragon", "!$Gate", "!!!$Gate"})
        EXPECT_TRUE(vignetta::project::isBigCharacter(name)) << name;
    for (const char *name : {"Actor1", "!Door", "A$", "", "!!"})
        EXPECT_FALSE(vignetta::project::isBigCharacter(name)) << name;
}
