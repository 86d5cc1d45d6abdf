#include "assets/asset_listing.h"

#include <algorithm>
#include <system_error>
#include <unordered_map>

namespace vignetta::assets {

namespace fs = std::filesystem;

namespace {

// Whether `path` (a real path) lies inside `folder` (a real path) below its top.
bool isInside(const fs::path &folder, const fs::path &path)
{
    auto f = folder.begin();
    auto p = path.begin();
    for (; f != folder.end(); ++f, ++p) {
        if (p == path.end() || *p != *f)
            return false;
    }
    return p != path.end();
}

// The real path of a regular file found in `folder` (itself a real path), or nothing when it is
// no regular file or lies elsewhere.
std::optional<fs::path> realFileInside(const fs::path &realFolder, const fs::path &candidate,
                                       bool isLink)
{
    std::error_code ec;
    if (!isLink)
        return candidate;
    const fs::path real = fs::canonical(candidate, ec);
    if (ec || !isInside(realFolder, real))
        return std::nullopt;
    if (!fs::is_regular_file(real, ec) || ec)
        return std::nullopt;
    return real;
}

std::optional<std::string> allowedSpelling(const std::string &suffix,
                                           const std::vector<std::string> &allowed)
{
    const std::string lowered = asciiLower(suffix);
    for (const std::string &a : allowed) {
        if (asciiLower(a) == lowered)
            return a;
    }
    return std::nullopt;
}

} // namespace

std::string asciiLower(std::string_view text)
{
    std::string out(text);
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t len;
        unsigned int cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > text.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

AssetListing listAssetFolder(const fs::path &folder,
                             const std::optional<std::vector<std::string>> &allowedSuffixes,
                             std::size_t scanLimit)
{
    AssetListing listing;
    std::error_code ec;
    const fs::file_status st = fs::status(folder, ec);
    if (ec || !fs::exists(st)) {
        listing.status = FolderStatus::Missing;
        return listing;
    }
    if (!fs::is_directory(st)) {
        listing.status = FolderStatus::NotAFolder;
        return listing;
    }
    const fs::path realFolder = fs::canonical(folder, ec);
    fs::directory_iterator it(realFolder, ec);
    if (ec) {
        listing.status = FolderStatus::Unreadable;
        return listing;
    }
    listing.status = FolderStatus::Listed;

    std::vector<AssetEntry> found;
    std::size_t scanned = 0;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (++scanned > scanLimit) {
            listing.truncated = true;
            break;
        }
        const fs::directory_entry &entry = *it;
        std::error_code typeError;
        const bool isLink = entry.is_symlink(typeError);
        if (typeError)
            continue;
        if (!isLink && !entry.is_regular_file(typeError))
            continue;
        std::string fileName = entry.path().filename().string();
        if (!isValidUtf8(fileName))
            continue;
        if (!realFileInside(realFolder, entry.path(), isLink))
            continue;
        AssetEntry e{splitAssetName(fileName), {}};
        if (allowedSuffixes) {
            auto spelling = allowedSpelling(e.name.suffix, *allowedSuffixes);
            if (!spelling)
                continue;
            e.targetSuffix = *spelling;
        } else {
            e.targetSuffix = e.name.suffix;
        }
        found.push_back(std::move(e));
    }
    // A listing that broke off half-way keeps what was read so far.
    if (ec)
        listing.status = FolderStatus::Unreadable;

    // One entry per base name: the correctly spelled file wins, else the first by name.
    std::sort(found.begin(), found.end(), [](const AssetEntry &a, const AssetEntry &b) {
        return a.name.fileName < b.name.fileName;
    });
    std::unordered_map<std::string, std::size_t> byBase;
    byBase.reserve(found.size());
    for (AssetEntry &e : found) {
        auto [pos, inserted] = byBase.emplace(e.name.baseName, listing.entries.size());
        if (inserted) {
            listing.entries.push_back(std::move(e));
        } else {
            AssetEntry &kept = listing.entries[pos->second];
            if (kept.suffixCaseMismatch() && !e.suffixCaseMismatch())
                kept = std::move(e);
        }
    }
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const AssetEntry &a, const AssetEntry &b) { return assetLess(a.name, b.name); });
    return listing;
}

std::optional<fs::path> resolveAssetFile(const fs::path &folder, const std::string &baseName,
                                         const std::string &suffix)
{
    if (baseName.empty() || baseName == "." || baseName == ".." ||
        baseName.find_first_of(std::string("/\\\0", 3)) != std::string::npos ||
        suffix.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        return std::nullopt;
    const std::string fileName = suffix.empty() ? baseName : baseName + "." + suffix;
    std::error_code ec;
    const fs::path realFolder = fs::canonical(folder, ec);
    if (ec)
        return std::nullopt;
    const fs::path real = fs::canonical(realFolder / fileName, ec);
    if (ec || !isInside(realFolder, real) || !fs::is_regular_file(real, ec) || ec)
        return std::nullopt;
    return real;
}

} // namespace vignetta::assets
