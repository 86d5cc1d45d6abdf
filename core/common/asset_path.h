#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vignetta::files {

// Where an asset name of a project leads.
enum class AssetPlace {
    Inside,  // an existing entry whose real location lies inside the asset folder
    Outside, // the name, or a symbolic link on its way, leads out of the folder
    Missing, // nothing there (or the folder itself is missing)
};

struct AssetPath
{
    AssetPlace place = AssetPlace::Missing;
    // Inside: the entry's real path (every link resolved); Missing: the path the name gives,
    // for messages; Outside: empty.
    std::filesystem::path path;

    bool inside() const { return place == AssetPlace::Inside; }
};

// Resolves an asset name from the data (a picture, face, window skin, sound or preset file name,
// which may name a subfolder: "sub/name") against its folder: `folder` / (`name` + `suffix`).
// Every asset folder of the program goes through this one check, so that neither "..", an
// absolute name, nor a symbolic link inside the folder (to another file, another folder, or
// "/") can make the program read a file outside it. The check is made on real paths: the
// folder's and the entry's, with all links resolved. Names that are empty or hold a NUL
// character lead nowhere (Outside). Never throws.
AssetPath resolveAsset(const std::filesystem::path &folder, std::string_view name,
                       std::string_view suffix = {});

// Makes sure the folder `root`/`relativeFolder` exists, creating missing folders one level at
// a time, and that every level of it resolves (links followed) to a folder inside `root`. A
// level that leads out of `root` is refused before anything is created through it. Returns the
// folder's real path, or nullopt with a message naming the folder in *error.
std::optional<std::filesystem::path> ensureFolderWithin(const std::filesystem::path &root,
                                                        const std::filesystem::path &relativeFolder,
                                                        std::string *error);

} // namespace vignetta::files
