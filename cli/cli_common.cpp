#include "cli_common.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "scene/recovery_file.h"
#include <sys/stat.h>
#include <unistd.h>

#include "common/file_write.h"
#include "common/printable.h"

namespace vignetta::cli {

void printError(const std::string &message)
{
    std::cerr << "vignetta-cli: " << common::printable(message) << '\n';
}

int usageError(const std::string &message)
{
    printError(message + " (see vignetta-cli --help)");
    return exit_bad_usage;
}

std::optional<scene::SceneReadResult> loadBlocks(const std::string &path)
{
    // A recovery file left by the editor is read as the scene it holds.
    scene::SceneReadResult read = scene::readSceneOrRecoveryFile(path);
    if (read.ok)
        return read;
    // Errors about the file itself already name it; those about its content do not.
    if (read.error.find(path) == std::string::npos)
        printError(path + ": " + read.error);
    else
        printError(read.error);
    return std::nullopt;
}

std::optional<scene::Document> loadDocument(const std::string &path)
{
    auto read = loadBlocks(path);
    if (!read)
        return std::nullopt;
    scene::SceneDocumentResult made = scene::documentFromBlocks(read->blocks);
    if (!made.ok) {
        printError(path + ": " + made.error);
        return std::nullopt;
    }
    return std::move(made.document);
}

namespace {

bool outputFailed()
{
    printError(std::string("cannot write to standard output: ") +
               (errno != 0 ? std::strerror(errno) : "write error"));
    return false;
}

} // namespace

bool printText(const std::string &text)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0 || std::ferror(stdout))
        return outputFailed();
    return true;
}

bool printLine(const std::string &text)
{
    return printText(text) && printText("\n");
}

int finishOutput(int status)
{
    if (status != exit_ok) { // the command has already said what went wrong
        std::fflush(stdout);
        return status;
    }
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        outputFailed();
        return exit_bad_input;
    }
    // A file on a disk that fills up or fails may only say so when its data is written out.
    struct stat info;
    if (::fstat(STDOUT_FILENO, &info) == 0 && S_ISREG(info.st_mode) &&
        ::fsync(STDOUT_FILENO) != 0 && errno != EINVAL && errno != EROFS) {
        outputFailed();
        return exit_bad_input;
    }
    return status;
}

bool writeOutputFile(const std::string &path, const std::string &bytes)
{
    const files::FileWriteResult written = files::writeFileReplacing(path, bytes);
    if (!written)
        printError(path + " " + written.error + "; it is left as it was");
    return written.ok;
}

void InputFiles::add(const std::string &path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) == 0)
        inputs_.push_back({info.st_dev, info.st_ino, path});
}

std::string InputFiles::find(dev_t device, ino_t inode) const
{
    for (const Input &input : inputs_) {
        if (input.device == device && input.inode == inode)
            return input.path;
    }
    return {};
}

std::string InputFiles::sameFile(const std::string &output) const
{
    struct stat info;
    if (::stat(output.c_str(), &info) != 0)
        return {};
    return find(info.st_dev, info.st_ino);
}

std::string InputFiles::sameAsStandardOutput() const
{
    struct stat info;
    if (::fstat(STDOUT_FILENO, &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    return find(info.st_dev, info.st_ino);
}

bool standardOutputIsAnInput(const std::vector<std::string> &inputs)
{
    InputFiles files;
    for (const std::string &path : inputs)
        files.add(path);
    const std::string same = files.sameAsStandardOutput();
    if (same.empty())
        return false;
    printError("standard output is the input file " + same + "; write the result to another file");
    return true;
}

std::optional<int> parseInt(const std::string &text, int min, int max)
{
    int value = 0;
    const char *first = text.data();
    const char *last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (text.empty() || ec != std::errc() || end != last || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace vignetta::cli
