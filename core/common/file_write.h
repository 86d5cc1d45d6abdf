#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/file_read.h"

namespace vignetta::files {

struct FileWriteResult
{
    bool ok = false;
    // One English phrase without the file name: "cannot be written: No space left on device".
    std::string error;

    explicit operator bool() const { return ok; }
};

// Replaces the file at `path` with `bytes`, so that it holds either its old content or the new
// one, never part of either: the bytes go to a new temporary file beside it, every write, the
// flush to the disk and the close are checked, and only then is the temporary file renamed over
// the target (whose permissions it takes). On any failure the temporary file is removed, the
// target is left as it was and the result says why. A target that exists but is no regular file
// (a folder, a device such as /dev/full, a pipe) is refused; a link to a regular file has the
// file it points to replaced. A process killed on the way leaves at most a hidden
// ".<name>.XXXXXX.part" file beside the target. Never throws.
FileWriteResult writeFileReplacing(const std::filesystem::path &path, std::string_view bytes);

struct FileCopyResult
{
    bool ok = false;
    // Why the source was refused (None when the source was fine and the target failed).
    ReadFailure sourceFailure = ReadFailure::None;
    // One English phrase without a file name, about the source when sourceFailure says so and
    // about the target otherwise.
    std::string error;

    explicit operator bool() const { return ok; }
};

// Called after each piece of a copy with the number of bytes copied so far.
using CopyProgress = std::function<void(std::uintmax_t)>;

// Replaces `target` with a copy of `source` in the same way as writeFileReplacing, read and
// written in pieces. The source must be a regular file (a link to one counts) of at most
// `maxBytes` bytes, checked as readRegularFile checks; one that grows past that while it is
// copied is refused. A symbolic link at the target is replaced by the copy, never written
// through, so a link planted in the destination cannot lead the copy out of its folder.
FileCopyResult copyFileReplacing(const std::filesystem::path &source,
                                 const std::filesystem::path &target, std::uintmax_t maxBytes,
                                 const CopyProgress &progress = {});

} // namespace vignetta::files
