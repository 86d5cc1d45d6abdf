#include "project/preset_assets.h"

#include <algorithm>
#include <array>

#include "common/printable.h"

namespace vignetta::project {

namespace {

constexpr std::array<const char *, 4> kChannels = {"bgm", "bgs", "me", "se"};

struct AssetKind
{
    std::string_view folder; // with its leading and trailing separator
    std::string_view suffix;
};

constexpr std::array<AssetKind, 10> kKinds = {{
    {"/img/pictures/", ".png"},
    {"/img/faces/", ".png"},
    {"/audio/bgm/", ".m4a"},
    {"/audio/bgm/", ".ogg"},
    {"/audio/bgs/", ".m4a"},
    {"/audio/bgs/", ".ogg"},
    {"/audio/me/", ".m4a"},
    {"/audio/me/", ".ogg"},
    {"/audio/se/", ".m4a"},
    {"/audio/se/", ".ogg"},
}};

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Appends `name` unless it is empty or already listed.
void addOnce(std::vector<std::string> &names, const std::string &name)
{
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

} // namespace

std::string assetNameProblem(std::string_view name)
{
    const std::string quoted = "\"" + common::printable(name) + "\"";
    if (name.empty())
        return "the name is empty";
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F)
            return quoted + " holds a control character";
        if (c == '\\')
            return quoted + " holds a backslash";
    }
    if (name.front() == '/' || (name.size() >= 2 && name[1] == ':'))
        return quoted + " is an absolute path";
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = name.find('/', start);
        const std::string_view part = name.substr(start, slash - start);
        if (part == ".." || part == ".")
            return quoted + " climbs out of its folder";
        if (part.empty())
            return quoted + " holds an empty folder name";
        if (slash == std::string_view::npos)
            break;
        start = slash + 1;
    }
    return std::string();
}

AssetListResult listAssetsInUse(const std::vector<scene::Block> &blocks)
{
    AssetListResult result;
    std::vector<std::string> pictures;
    std::vector<std::string> faces;
    std::array<std::vector<std::string>, kChannels.size()> sounds;

    for (const scene::Block &block : blocks) {
        const scene::BlockView &v = block.view();
        const std::string *name = nullptr;
        std::vector<std::string> *list = nullptr;
        if (v.blockMode == scene::mode_picture) {
            name = &v.imageName;
            list = &pictures;
        } else if (v.blockMode == scene::mode_message) {
            name = &v.messageImageName;
            list = &faces;
        } else if (v.blockMode == scene::mode_sound) {
            const auto channel = std::find(kChannels.begin(), kChannels.end(), v.audioType);
            if (channel == kChannels.end())
                continue;
            name = &v.audioName;
            list = &sounds[static_cast<std::size_t>(channel - kChannels.begin())];
        }
        if (!name || name->empty())
            continue;
        const std::string problem = assetNameProblem(*name);
        if (!problem.empty()) {
            result.error = "block " + std::to_string(block.blockId) + ": " + problem;
            return result;
        }
        addOnce(*list, *name);
    }

    for (const auto &name : pictures)
        result.paths.push_back("/img/pictures/" + name + ".png");
    for (const auto &name : faces)
        result.paths.push_back("/img/faces/" + name + ".png");
    for (std::size_t c = 0; c < kChannels.size(); ++c) {
        const std::string folder = std::string("/audio/") + kChannels[c] + "/";
        for (const auto &name : sounds[c]) {
            result.paths.push_back(folder + name + ".m4a");
            result.paths.push_back(folder + name + ".ogg");
        }
    }
    result.ok = true;
    return result;
}

std::string assetFolderOf(std::string_view relativePath)
{
    for (const AssetKind &kind : kKinds) {
        if (relativePath.size() < kind.folder.size() + kind.suffix.size() ||
            !startsWith(relativePath, kind.folder) || !endsWith(relativePath, kind.suffix))
            continue;
        const std::string_view name = relativePath.substr(
            kind.folder.size(), relativePath.size() - kind.folder.size() - kind.suffix.size());
        if (!assetNameProblem(name).empty())
            return std::string();
        return std::string(kind.folder.substr(1, kind.folder.size() - 2));
    }
    return std::string();
}

} // namespace vignetta::project
