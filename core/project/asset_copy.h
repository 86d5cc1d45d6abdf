#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/file_write.h"

namespace vignetta::project {

namespace fs = std::filesystem;

// Asset files larger than this are not copied (a picture or a sound of a scene is far smaller).
constexpr std::uintmax_t kMaxAssetBytes = std::uintmax_t(1) << 30;

struct AssetCopyResult
{
    bool ok = false;
    bool missingSource = false;
    // One English line with the reason (paths quoted with control characters escaped).
    std::string error;

    explicit operator bool() const { return ok; }
};

// Copies the asset at the in-use path `relativePath` ("/img/pictures/Bird.png", see
// preset_assets.h) from the folder `sourceRoot` to the same place under `destinationRoot`,
// creating the folders it needs.
//
// Nothing outside the two asset folders is read or written: the path must be an in-use path
// of a usable name, the source must resolve (links followed) to a regular file inside the
// source's asset folder, which must itself lie inside `sourceRoot`, and every folder on the way
// to the destination must resolve inside `destinationRoot`'s asset folder. The destination is
// replaced through a temporary file (files::copyFileReplacing), so it is either the old file or the
// whole new one, whatever happens.
AssetCopyResult copyAsset(const fs::path &sourceRoot, const fs::path &destinationRoot,
                          std::string_view relativePath,
                          const files::CopyProgress &progress = {});

} // namespace vignetta::project
