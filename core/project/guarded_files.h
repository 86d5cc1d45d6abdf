#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vignetta::project {

// Small file helpers for data that comes from outside the program (collections, their assets,
// project folders): reads that refuse anything but a regular file of bounded size, folder
// containment decided on real paths (so a symbolic link cannot lead out of a folder), and
// writes that never leave a half-written file under the final name.

namespace fs = std::filesystem;

struct FileReadResult
{
    bool ok = false;
    bool missing = false; // nothing exists at the path
    std::string bytes;
    std::string error; // one English line naming the path

    explicit operator bool() const { return ok; }
};

// Reads a whole file when it is a regular file (symbolic links followed) of at most `maxBytes`
// bytes. Pipes, devices and folders are refused before they are opened.
FileReadResult readRegularFile(const fs::path &path, std::uintmax_t maxBytes);

// The real path of `path` (every symbolic link resolved) when it exists; nullopt otherwise.
std::optional<fs::path> realPath(const fs::path &path);

// True when `inner` is `outer` or lies below it; both must already be real paths.
bool isWithin(const fs::path &inner, const fs::path &outer);

// Makes sure the folder `root`/`relativeFolder` exists, creating missing folders one level at a
// time, and that every level of it resolves to a folder inside `root` (a level that is a link
// to somewhere else is refused before anything is created through it). Returns the real path
// of the folder, or nullopt with a message in *error.
std::optional<fs::path> ensureFolderWithin(const fs::path &root, const fs::path &relativeFolder,
                                           std::string *error);

// Called after each chunk of a copy with the number of bytes written so far.
using CopyProgress = std::function<void(std::uintmax_t)>;

// Replaces `target` with `bytes` (or with the whole of `source`, which must be a regular file
// of at most `maxBytes` bytes): the data is
// written to a new hidden file beside the target, flushed to the disk and then renamed over
// the target. Every write and the close are checked; on any failure the temporary file is
// removed and the earlier target (or its absence) is left as it was. A process killed on the
// way leaves at most a hidden ".*.part" file beside the target, never a partial target.
bool writeFileReplacing(const fs::path &target, std::string_view bytes, std::string *error);
bool copyFileReplacing(const fs::path &source, const fs::path &target, std::uintmax_t maxBytes,
                       std::string *error, const CopyProgress &progress = {});

// Replaces control characters (C0, DEL, C1, line and paragraph separators) with "\u" escapes,
// so that a name from a file can be quoted in a message or a list without breaking the line
// or driving a terminal.
std::string escapeControls(std::string_view text);

} // namespace vignetta::project
