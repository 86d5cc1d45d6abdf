#pragma once

#include <filesystem>
#include <string>
#include <string_view>

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
// file it points to replaced. Never throws.
FileWriteResult writeFileReplacing(const std::filesystem::path &path, std::string_view bytes);

} // namespace vignetta::files
