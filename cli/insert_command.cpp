#include "cli_common.h"
#include "commands.h"

#include "scene/editing.h"
#include "scene/limits.h"
#include "scene/scene_file.h"

namespace vignetta::cli {

int runInsert(const std::vector<std::string> &args)
{
    std::vector<std::string> files;
    int frame = 0;
    int lane = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const bool isFrame = arg == "--frame";
        const bool isLane = arg == "--lane";
        if (isFrame || isLane) {
            if (i + 1 >= args.size())
                return usageError(arg + " needs a value");
            const std::string &value = args[++i];
            // The cursor stays on the timeline; placement itself decides what fits.
            const auto n = isFrame ? parseInt(value, 0, scene::maxDuration - 1)
                                   : parseInt(value, 1, scene::maxLanes - 1);
            if (!n) {
                return usageError(isFrame ? "--frame needs a whole number from 0 to " +
                                                std::to_string(scene::maxDuration - 1)
                                          : "--lane needs a whole number from 1 to " +
                                                std::to_string(scene::maxLanes - 1));
            }
            (isFrame ? frame : lane) = *n;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError("unknown option " + arg);
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2)
        return usageError("insert takes a scene file and a blocks file");

    if (standardOutputIsAnInput(files))
        return exit_bad_usage;
    auto doc = loadDocument(files[0]);
    if (!doc)
        return exit_bad_input;
    const auto set = loadBlocks(files[1]);
    if (!set)
        return exit_bad_input;

    const std::size_t total = static_cast<std::size_t>(doc->numBlock()) + set->blocks.size();
    if (total > static_cast<std::size_t>(scene::maxNumBlock)) {
        printError("insert refused: the scene would hold " + std::to_string(total) +
                   " blocks, more than " + std::to_string(scene::maxNumBlock));
        return exit_refused;
    }
    if (static_cast<long long>(set->blocks.size()) > scene::blockIdsLeft(*doc)) {
        printError("insert refused: the scene uses blockId " +
                   std::to_string(doc->getLastBlockId()) + ", which leaves " +
                   std::to_string(scene::blockIdsLeft(*doc)) + " new ids for " +
                   std::to_string(set->blocks.size()) + " blocks (new ids count up from the " +
                   "highest one in use, and the highest possible is 2147483647)");
        return exit_refused;
    }
    if (scene::insertBlocks(*doc, set->blocks, frame, lane).empty()) {
        printError("insert refused: the blocks do not fit at frame " + std::to_string(frame) +
                   " on lane " + std::to_string(lane) + " (the timeline ends at frame " +
                   std::to_string(scene::maxDuration) + ", the last lane is " +
                   std::to_string(scene::maxLanes - 1) + ")");
        return exit_refused;
    }
    return printLine(scene::writeSceneText(*doc)) ? exit_ok : exit_bad_input;
}

} // namespace vignetta::cli
