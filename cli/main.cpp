#include "cli_common.h"
#include "commands.h"
#include "common/version.h"
#ifdef VIGNETTA_CLI_WITH_RENDER
#include "render_command.h"
#endif

#include <iostream>
#include <string>
#include <vector>

namespace {

const char *const usage =
    "Usage: vignetta-cli COMMAND [ARGS]\n"
    "\n"
    "Commands:\n"
    "  convert SCENE.json     print the scene's event-command list (what \"Copy As Event\"\n"
    "                         copies) as compact JSON\n"
    "  insert SCENE.json BLOCKS.json [--frame F] [--lane L]\n"
    "                         insert the blocks of BLOCKS.json at frame F (default 0) on\n"
    "                         lane L (default 1) by the ripple rule, then print the resulting\n"
    "                         scene file\n"
    "  check SCENE.json       validate a scene file and summarise it\n"
    "  --help                 show this help\n"
    "  --version              show the version\n"
    "\n"
    "Exit status: 0 success, 1 unreadable or unusable input or output that could not be\n"
    "written, 2 wrong arguments (an output that is one of the inputs included), 3 the\n"
    "insertion does not fit (too many blocks, past the last frame or lane, no block id left).\n";

} // namespace

int main(int argc, char **argv)
{
    using namespace vignetta::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << usage;
        return exit_bad_usage;
    }
    const std::string &command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());

    if (command == "--help" || command == "-h") {
        std::string text = usage;
#ifdef VIGNETTA_CLI_WITH_RENDER
        text += renderUsage;
#endif
        return finishOutput(printText(text) ? exit_ok : exit_bad_input);
    }
    if (command == "--version") {
        const std::string line = std::string("vignetta-cli ") + vignetta::common::versionString();
        return finishOutput(printLine(line) ? exit_ok : exit_bad_input);
    }
    // Every command's output is checked once more at the end: a full disk may only report its
    // failure when the data is flushed.
    if (command == "convert")
        return finishOutput(runConvert(rest));
    if (command == "insert")
        return finishOutput(runInsert(rest));
    if (command == "check")
        return finishOutput(runCheck(rest));
#ifdef VIGNETTA_CLI_WITH_RENDER
    if (command == "render")
        return finishOutput(runRender(rest));
#endif
    return usageError("unknown command " + command);
}
