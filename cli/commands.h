#pragma once

#include <string>
#include <vector>

namespace vignetta::cli {

// Each command takes the arguments after its name and returns the process exit status
// (cli_common.h). Messages go to standard error, results to standard output.

// convert SCENE.json: the event-command list of the scene as compact JSON.
int runConvert(const std::vector<std::string> &args);

// insert SCENE.json BLOCKS.json [--frame F] [--lane L]: the scene after inserting the blocks by
// the ripple rule, as a scene file.
int runInsert(const std::vector<std::string> &args);

// check SCENE.json: validates the file and prints a one-line summary.
int runCheck(const std::vector<std::string> &args);

} // namespace vignetta::cli
