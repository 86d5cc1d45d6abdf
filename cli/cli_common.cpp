#include "cli_common.h"

#include <charconv>
#include <cstdio>
#include <iostream>

#include "scene/recovery_file.h"

namespace vignetta::cli {

void printError(const std::string &message)
{
    std::string line = message;
    for (char &c : line) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    std::cerr << "vignetta-cli: " << line << '\n';
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

void printLine(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
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
