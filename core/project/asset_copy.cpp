#include "project/asset_copy.h"

#include "project/preset_assets.h"

namespace vignetta::project {

namespace {

std::string quote(const fs::path &path)
{
    return "\"" + escapeControls(path.string()) + "\"";
}

} // namespace

AssetCopyResult copyAsset(const fs::path &sourceRoot, const fs::path &destinationRoot,
                          std::string_view relativePath, const CopyProgress &progress)
{
    AssetCopyResult result;
    const std::string folder = assetFolderOf(relativePath);
    if (folder.empty()) {
        result.error = quote(fs::path(relativePath)) + " is not the path of a usable asset";
        return result;
    }
    const fs::path relative = fs::path(relativePath).relative_path();

    // Source: root, then its asset folder, then the file, each inside the one before.
    const auto sourceRootReal = realPath(sourceRoot);
    const auto sourceFolderReal = realPath(sourceRoot / folder);
    const auto sourceReal = realPath(sourceRoot / relative);
    if (!sourceRootReal || !sourceFolderReal || !sourceReal) {
        result.missingSource = true;
        result.error = quote(sourceRoot / relative) + " does not exist";
        return result;
    }
    if (!isWithin(*sourceFolderReal, *sourceRootReal) || !isWithin(*sourceReal, *sourceFolderReal)) {
        result.error = quote(sourceRoot / relative) + " leads outside " + quote(sourceRoot / folder);
        return result;
    }

    // Destination: the asset folder inside the root, then any subfolder of the name inside it.
    std::string problem;
    const auto destinationFolder = ensureFolderWithin(destinationRoot, folder, &problem);
    if (!destinationFolder) {
        result.error = problem;
        return result;
    }
    const fs::path below = relative.lexically_relative(folder).parent_path();
    const auto targetFolder = ensureFolderWithin(*destinationFolder, below, &problem);
    if (!targetFolder) {
        result.error = problem;
        return result;
    }
    if (!copyFileReplacing(*sourceReal, *targetFolder / relative.filename(), kMaxAssetBytes,
                           &problem, progress)) {
        result.error = problem;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace vignetta::project
