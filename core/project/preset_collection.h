#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "json/js_json.h"

namespace vignetta::project {

// Preset collections. A collection is a folder "Presets" holding "presets.json" and the asset
// files of its presets under the paths they have in a project. The file is one JSON array of
// categories {"name": text, "presets": [...]}, each preset {"name": text, "data": blocks},
// where the blocks are those of a scene file. The editor reads two collections: the built-in
// one beside the executable (read only) and the user's own one, which "Add Preset" fills.

namespace fs = std::filesystem;
using Json = json::Json;

inline constexpr const char *kCollectionFileName = "presets.json";

// Collection files larger than this are not read (a preset of the most blocks a scene can hold
// takes about a megabyte).
constexpr std::uintmax_t kMaxCollectionBytes = std::uintmax_t(16) << 20;

// Longest category or preset name that "Add Preset" accepts, in characters.
constexpr std::size_t kMaxPresetNameLength = 100;

enum class PresetSource { BuiltIn, User };

struct PresetEntry
{
    std::string name;
    Json data; // as the file holds it; checked only when the preset is used
};

struct PresetCategory
{
    std::string name;
    std::vector<PresetEntry> presets;
    PresetSource source = PresetSource::BuiltIn;
};

struct CollectionReadResult
{
    bool ok = false;
    bool missing = false; // there is no file at all
    // The categories that can be listed, in file order. A category needs a text "name" and a
    // "presets" array; a preset needs a text "name". Other entries are left out and named in
    // `skipped`.
    std::vector<PresetCategory> categories;
    std::vector<std::string> skipped;
    // Why the file as a whole cannot be used (unreadable, not JSON, not an array).
    std::string error;

    explicit operator bool() const { return ok; }
};

CollectionReadResult parsePresetCollection(std::string_view text);
// Reads "presets.json" through the guarded reader (a regular file of at most
// kMaxCollectionBytes bytes).
CollectionReadResult readPresetCollection(const fs::path &file);

struct PresetLibrary
{
    // The built-in categories followed by the user's, each marked with its source.
    std::vector<PresetCategory> categories;
    // One line per file that could not be used, or per entry left out.
    std::vector<std::string> problems;
    bool failed = false; // a collection file could not be used at all
};

// Loads both collections for the preset selector. The user's categories are merged only after
// the built-in file was read: when that file is missing or cannot be used, nothing is listed.
// A missing user file counts as an empty collection; an unusable one leaves the built-in
// categories alone.
PresetLibrary loadPresetLibrary(const fs::path &builtInFolder, const fs::path &userFolder);

enum class PresetNameVerdict {
    Ok,
    Incorrect,      // empty, only blanks, too long, or holding control characters
    CategoryExists, // a new category named exactly like an existing one
    PresetExists,   // the target category holds a preset of exactly that name
};

// Checks the names "Add Preset" was given against the user's categories. Names compare
// character for character ("Intro" and "intro" differ). The rules of Incorrect apply to the
// preset name and to a new category's name; an existing category only has to be named.
PresetNameVerdict checkNewPresetNames(const std::vector<PresetCategory> &userCategories,
                                      bool newCategory, std::string_view category,
                                      std::string_view preset);

enum class PresetSaveStatus {
    Saved,
    NoSuchCategory, // the existing category named is not in the file (any more)
    Unreadable,     // the file exists but cannot be used; it is left untouched
    WriteFailed,
};

struct PresetSaveResult
{
    PresetSaveStatus status = PresetSaveStatus::WriteFailed;
    std::string error;

    explicit operator bool() const { return status == PresetSaveStatus::Saved; }
};

// Appends the preset {"name": preset, "data": blocks} to the collection file `file`: to a new
// category added at the end, or to the first category named `category`. The file is read
// again at this moment, so presets another writer added since are kept; entries this program
// cannot list are written back as they were. A missing file (and its folder) is created. A
// file that cannot be used is never overwritten. The file is replaced through a temporary file.
PresetSaveResult savePresetToCollection(const fs::path &file, bool newCategory,
                                        const std::string &category, const std::string &preset,
                                        const Json &blocks);

} // namespace vignetta::project
