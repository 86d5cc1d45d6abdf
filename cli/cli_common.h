#pragma once

#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

#include "scene/document.h"
#include "scene/scene_file.h"

namespace vignetta::cli {

// Exit statuses shared by every command.
enum ExitStatus : int {
    exit_ok = 0,
    exit_bad_input = 1, // a file could not be read or is not a usable scene, or output failed
    exit_bad_usage = 2, // wrong arguments
    exit_refused = 3,   // the editing rule refused the request
};

// Prints "vignetta-cli: MESSAGE" as one line on standard error. Control characters in the
// message (names and text quoted from the data) are shown escaped, never sent to the terminal.
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

// Writes text (and a line feed, for printLine) to standard output and makes sure it got there:
// false, with a message, when it could not be written (a full disk, /dev/full, a closed pipe).
// The command then ends with exit_bad_input.
bool printLine(const std::string &text);
bool printText(const std::string &text);

// Once a command is done: flushes standard output and, when it is a file, asks for it to reach
// the disk. `status` when that worked (or when the command had failed already), else
// exit_bad_input with a message.
int finishOutput(int status);

// Writes an output file atomically (see files::writeFileReplacing): false, with a message naming
// the file, when it could not be written; the old file is then left as it was.
bool writeOutputFile(const std::string &path, const std::string &bytes);

// The files a command reads. An output must be none of them, compared by device and inode so
// that another name, a link or "./x" for the same file is caught too.
class InputFiles
{
public:
    // Records an input that exists; missing ones are ignored.
    void add(const std::string &path);
    // The input `output` is the same file as, or an empty string when it is none of them (also
    // when it does not exist yet).
    std::string sameFile(const std::string &output) const;
    // The same for standard output (`> scene.json` onto the scene being read).
    std::string sameAsStandardOutput() const;

private:
    struct Input
    {
        dev_t device;
        ino_t inode;
        std::string path;
    };
    std::string find(dev_t device, ino_t inode) const;
    std::vector<Input> inputs_;
};

// Refuses to run when standard output is one of the input files (a "> scene.json" onto the
// scene being read would destroy it): prints why and returns true.
bool standardOutputIsAnInput(const std::vector<std::string> &inputs);

// A whole decimal number in [min, max], nothing else.
std::optional<int> parseInt(const std::string &text, int min, int max);

} // namespace vignetta::cli
