#include "common/version.h"
#include "render_command.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char *const usage =
    "Usage: vignetta-cli COMMAND [ARGS]\n"
    "\n"
    "Commands:\n"
    "  --help       show this help\n"
    "  --version    show the version\n";

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "vignetta-cli " << vignetta::versionString() << "\n";
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << usage << vignetta::cli::renderUsage;
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "render") == 0)
        return vignetta::cli::runRender(std::vector<std::string>(argv + 2, argv + argc));
    std::cerr << usage;
    return 2;
}
