#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scene/block.h"

namespace vignetta::project {

// The asset files a set of blocks uses, as paths relative to a project or collection folder
// ("/img/pictures/Bird.png"). The same list decides what a preset brings into a project and
// what saving a scene as a preset takes from it.

// Why an asset name (a base name without suffix, as blocks store it) cannot be used to name a
// file; "" when it can. A name may lead into a subfolder ("forest/Tree"), but it must not be
// absolute, climb out of its folder (".." parts), hold empty or "." parts, backslashes or
// control characters.
std::string assetNameProblem(std::string_view name);

struct AssetListResult
{
    bool ok = false;
    std::vector<std::string> paths;
    // One English line naming the block and the name that cannot be used.
    std::string error;

    explicit operator bool() const { return ok; }
};

// The in-use list of `blocks`: every picture ("/img/pictures/" + imageName + ".png"), then every
// face ("/img/faces/" + messageImageName + ".png"), then for the channels bgm, bgs, me and se
// in that order every sound as its ".m4a" path followed by its ".ogg" path. Pictures come from
// picture blocks, faces from message blocks, sounds from sound blocks with one of the four
// channels; other kinds and empty names contribute nothing. Each name is listed once per kind
// (per channel for sounds), in the order of first use. A name that cannot be used refuses the
// whole list.
AssetListResult listAssetsInUse(const std::vector<scene::Block> &blocks);

// The asset folder that an in-use path lies in ("img/pictures" for "/img/pictures/a/B.png",
// "audio/se" for "/audio/se/Bell.ogg"); "" when the path is no in-use path of a usable name.
std::string assetFolderOf(std::string_view relativePath);

} // namespace vignetta::project
