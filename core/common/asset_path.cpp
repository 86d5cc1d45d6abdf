#include "common/asset_path.h"

#include <system_error>

namespace vignetta::files {

namespace {

// Whether `inner` lies strictly below `outer`; both are normalised absolute paths.
bool isBelow(const std::filesystem::path &outer, const std::filesystem::path &inner)
{
    auto o = outer.begin();
    auto i = inner.begin();
    for (; o != outer.end(); ++o, ++i) {
        if (o->empty()) // a trailing separator
            continue;
        if (i == inner.end() || *o != *i)
            return false;
    }
    for (; i != inner.end(); ++i) {
        if (!i->empty())
            return true;
    }
    return false;
}

AssetPath outside()
{
    return {AssetPlace::Outside, {}};
}

} // namespace

AssetPath resolveAsset(const std::filesystem::path &folder, std::string_view name,
                       std::string_view suffix)
{
    namespace fs = std::filesystem;
    if (name.empty() || name.find('\0') != std::string_view::npos ||
        suffix.find('\0') != std::string_view::npos || folder.empty())
        return outside();
    std::string fileName(name);
    fileName += suffix;
    const fs::path relative(fileName);
    if (relative.is_absolute() || relative.has_root_name() || relative.has_root_directory())
        return outside();
    // By the text first: "..", "sub/../../x" and the like leave the folder whatever exists.
    const fs::path normal = relative.lexically_normal();
    if (normal.empty() || *normal.begin() == "..")
        return outside();

    std::error_code error;
    const fs::path realFolder = fs::canonical(folder, error);
    if (error)
        return {AssetPlace::Missing, folder / normal};
    // Then by the real locations: a link inside the folder may point anywhere.
    const fs::path candidate = realFolder / normal;
    const fs::path real = fs::canonical(candidate, error);
    if (error) {
        // Nothing there; but a name through a link to another folder ("root/tmp/x" with
        // "root" -> "/") still says where it leads.
        const fs::path reached = fs::weakly_canonical(candidate, error);
        if (error || !isBelow(realFolder, reached))
            return outside();
        return {AssetPlace::Missing, folder / normal};
    }
    if (!isBelow(realFolder, real))
        return outside();
    return {AssetPlace::Inside, real};
}

} // namespace vignetta::files
