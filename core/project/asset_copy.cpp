#include "project/asset_copy.h"

#include "common/asset_path.h"
#include "common/printable.h"
#include "project/preset_assets.h"

namespace vignetta::project {

namespace {

std::string quote(const fs::path &path)
{
    return "\"" + common::printable(path.string()) + "\"";
}

} // namespace

AssetCopyResult copyAsset(const fs::path &sourceRoot, const fs::path &destinationRoot,
                          std::string_view relativePath, const files::CopyProgress &progress)
{
    AssetCopyResult result;
    const std::string folder = assetFolderOf(relativePath);
    if (folder.empty()) {
        result.error = quote(fs::path(relativePath)) + " is not the path of a usable asset";
        return result;
    }
    const fs::path relative = fs::path(relativePath).relative_path();

    // Source: the asset folder inside the root, then the file inside the asset folder.
    const files::AssetPath sourceFolder = files::resolveAsset(sourceRoot, folder);
    const files::AssetPath source =
        sourceFolder.inside()
            ? files::resolveAsset(sourceFolder.path, relative.lexically_relative(folder).string())
            : sourceFolder;
    if (source.place == files::AssetPlace::Missing) {
        result.missingSource = true;
        result.error = quote(sourceRoot / relative) + " does not exist";
        return result;
    }
    if (!source.inside()) {
        result.error = quote(sourceRoot / relative) + " leads outside " + quote(sourceRoot / folder);
        return result;
    }

    // Destination: the asset folder inside the root, then any subfolder of the name inside it.
    std::string problem;
    const auto destinationFolder = files::ensureFolderWithin(destinationRoot, folder, &problem);
    if (!destinationFolder) {
        result.error = problem;
        return result;
    }
    const fs::path below = relative.lexically_relative(folder).parent_path();
    const auto targetFolder = files::ensureFolderWithin(*destinationFolder, below, &problem);
    if (!targetFolder) {
        result.error = problem;
        return result;
    }
    const fs::path target = *targetFolder / relative.filename();
    const files::FileCopyResult copied =
        files::copyFileReplacing(source.path, target, kMaxAssetBytes, progress);
    if (!copied) {
        const bool sourceFailed = copied.sourceFailure != files::ReadFailure::None;
        result.error = quote(sourceFailed ? sourceRoot / relative : target) + " " + copied.error;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace vignetta::project
