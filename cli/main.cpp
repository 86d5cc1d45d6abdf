#include "cli_common.h"
#include "commands.h"
#include "common/version.h"

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
    "Exit status: 0 success, 1 unreadable or unusable input, 2 wrong arguments,\n"
    "3 the insertion does not fit (too many blocks, past the last frame or lane).\n";

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
        std::cout << usage;
        return exit_ok;
    }
    if (command == "--version") {
        std::cout << "vignetta-cli " << vignetta::versionString() << "\n";
        return exit_ok;
    }
    if (command == "convert")
        return runConvert(rest);
    if (command == "insert")
        return runInsert(rest);
    if (command == "check")
        return runCheck(rest);
    return usageError("unknown command " + command);
}
