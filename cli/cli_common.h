#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scene/document.h"
#include "scene/scene_file.h"

namespace vignetta::cli {

// Exit statuses shared by every command.
enum ExitStatus : int {
    exit_ok = 0,
    exit_bad_input = 1, // a file could not be read or is not a usable scene
    exit_bad_usage = 2, // wrong arguments
    exit_refused = 3,   // the editing rule refused the request
};

// Prints "vignetta-cli: MESSAGE" as one line on standard error.
void printError(const std::string &message);

// Prints a usage problem and a pointer to --help; returns exit_bad_usage.
int usageError(const std::string &message);

// Reads a scene file's blocks (or those of the scene a recovery file holds). On failure prints
// one line naming the file and the problem (for malformed JSON with its position) and returns
// nothing.
std::optional<scene::SceneReadResult> loadBlocks(const std::string &path);

// Reads a scene file into a document (lanes 0 to the highest laneId, at least 1; blocks in
// file order). On failure prints one line naming the file and the problem.
std::optional<scene::Document> loadDocument(const std::string &path);

// Writes text and a line feed to standard output.
void printLine(const std::string &text);

// A whole decimal number in [min, max], nothing else.
std::optional<int> parseInt(const std::string &text, int min, int max);

} // namespace vignetta::cli
