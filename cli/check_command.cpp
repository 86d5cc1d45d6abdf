#include "cli_common.h"
#include "commands.h"

#include <algorithm>

#include "common/printable.h"

namespace vignetta::cli {

int runCheck(const std::vector<std::string> &args)
{
    if (args.size() != 1)
        return usageError("check takes exactly one scene file");
    if (standardOutputIsAnInput(args))
        return exit_bad_usage;
    const auto doc = loadDocument(args[0]);
    if (!doc)
        return exit_bad_input;

    int markers = 0;
    int lastFrame = 0;
    for (const scene::Lane &lane : doc->lanes()) {
        for (const scene::Block &block : lane.blocks) {
            markers += block.isMarker() ? 1 : 0;
            lastFrame = std::max(lastFrame, block.end());
        }
    }
    const int blocks = doc->numBlock();
    // The file name is the user's: shown with its control characters escaped.
    const bool printed = printLine(
        common::printable(args[0]) + ": ok, " + std::to_string(blocks) +
        (blocks == 1 ? " block" : " blocks") + " (" + std::to_string(markers) +
        (markers == 1 ? " marker" : " markers") + ") on lanes 0 to " +
        std::to_string(doc->getLastLaneId()) + ", ending at frame " + std::to_string(lastFrame));
    return printed ? exit_ok : exit_bad_input;
}

} // namespace vignetta::cli
