#include "common/asset_path.h"

#include <system_error>

#include "common/printable.h"

namespace vignetta::files {

namespace {

enum class Relation { Outside, Same, Below };

// Where `inner` lies from `outer`; both are normalised absolute paths.
Relation relation(const std::filesystem::path &outer, const std::filesystem::path &inner)
{
    auto o = outer.begin();
    auto i = inner.begin();
    for (; o != outer.end(); ++o, ++i) {
        if (o->empty()) // a trailing separator
            continue;
        if (i == inner.end() || *o != *i)
            return Relation::Outside;
    }
    for (; i != inner.end(); ++i) {
        if (!i->empty())
            return Relation::Below;
    }
    return Relation::Same;
}

// Whether `inner` lies strictly below `outer`.
bool isBelow(const std::filesystem::path &outer, const std::filesystem::path &inner)
{
    return relation(outer, inner) == Relation::Below;
}

std::optional<std::filesystem::path> realPath(const std::filesystem::path &path)
{
    std::error_code error;
    std::filesystem::path real = std::filesystem::canonical(path, error);
    if (error)
        return std::nullopt;
    return real;
}

std::string quote(const std::filesystem::path &path)
{
    return "\"" + common::printable(path.string()) + "\"";
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

std::optional<std::filesystem::path> ensureFolderWithin(const std::filesystem::path &root,
                                                        const std::filesystem::path &relativeFolder,
                                                        std::string *error)
{
    namespace fs = std::filesystem;
    auto fail = [&](const std::string &message) -> std::optional<fs::path> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    std::error_code ec;
    fs::create_directories(root, ec);
    const auto realRoot = realPath(root);
    if (!realRoot || !fs::is_directory(*realRoot, ec))
        return fail("cannot create the folder " + quote(root));

    fs::path current = root;
    for (const fs::path &part : relativeFolder.relative_path()) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..")
            return fail(quote(relativeFolder) + " climbs out of " + quote(root));
        current /= part;
        // A level that is a link to somewhere else is refused before anything is created
        // through it.
        if (fs::symlink_status(current, ec).type() == fs::file_type::not_found) {
            if (!fs::create_directory(current, ec) && ec)
                return fail("cannot create the folder " + quote(current) + ": " + ec.message());
        }
        const auto real = realPath(current);
        if (!real || relation(*realRoot, *real) == Relation::Outside)
            return fail(quote(current) + " leads outside " + quote(root));
        if (!fs::is_directory(*real, ec))
            return fail(quote(current) + " is not a folder");
    }
    return realPath(current);
}

} // namespace vignetta::files
