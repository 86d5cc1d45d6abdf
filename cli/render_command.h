#pragma once

#include <string>
#include <vector>

namespace vignetta::cli {

// `vignetta-cli render`: draws the game screen of a scene at one frame or a range of frames
// into PNG files, with the editor's own preview painting. `args` are the arguments after the
// command name. Returns the process exit status (0 done, 1 unusable input or unwritable
// output, 2 wrong arguments).
int runRender(const std::vector<std::string> &args);

// The usage lines of the command, for the program's help text.
extern const char *const renderUsage;

} // namespace vignetta::cli
