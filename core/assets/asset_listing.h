#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "assets/asset_name.h"

namespace vignetta::assets {

// One asset of a listed folder.
struct AssetEntry
{
    AssetName name;
    // The suffix in the case the allowed list writes it (the suffix as found when the listing
    // allows every suffix).
    std::string targetSuffix;

    // The suffix on disk is written in another case than the engine expects: the game may not
    // find the file on a case-sensitive file system.
    bool suffixCaseMismatch() const { return targetSuffix != name.suffix; }
};

enum class FolderStatus {
    Listed,      // the folder was read (it may hold no assets)
    Missing,     // no such folder
    NotAFolder,  // the path names something else
    Unreadable,  // the folder could not be read
};

struct AssetListing
{
    FolderStatus status = FolderStatus::Missing;
    // Sorted by assetLess, one entry per base name.
    std::vector<AssetEntry> entries;
    // The folder held more entries than are looked at (maxScannedEntries); the rest are not
    // listed.
    bool truncated = false;
};

// Folder entries looked at in one listing, so that a folder of a million files cannot stall
// the editor.
inline constexpr std::size_t maxScannedEntries = 100000;

// Lists the asset files of a folder:
// - only regular files directly inside it whose real path lies inside the folder's real path
//   (a symbolic link to a file elsewhere is not listed; sub-folders are not listed);
// - only names that are valid UTF-8 (a block could not name any other);
// - with `allowedSuffixes`, only files whose suffix is one of them compared without regard to
//   case (ASCII letters), the allowed spelling becoming the entry's target suffix;
// - one entry per base name: the file whose suffix is written as allowed when there is one,
//   else the first in name order;
// - sorted by assetLess.
AssetListing listAssetFolder(const std::filesystem::path &folder,
                             const std::optional<std::vector<std::string>> &allowedSuffixes,
                             std::size_t scanLimit = maxScannedEntries);

// The file an asset name refers to: folder / (baseName + "." + suffix), or nothing when the
// name is empty, holds a path separator or a NUL, is "." or "..", or when the file is missing,
// not a regular file, or resolves (through links) to a place outside the folder.
std::optional<std::filesystem::path> resolveAssetFile(const std::filesystem::path &folder,
                                                      const std::string &baseName,
                                                      const std::string &suffix);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view text);

// ASCII letters lowered; other bytes as they are.
std::string asciiLower(std::string_view text);

} // namespace vignetta::assets
