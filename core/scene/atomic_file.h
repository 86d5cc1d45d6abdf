#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace vignetta::scene {

// The system calls a file write goes through. The default forwards to the operating system;
// tests derive from it to fail or stop at a chosen point (a full disk, an I/O error).
class FileCalls
{
public:
    virtual ~FileCalls() = default;
    virtual int open(const char *path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void *data, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char *from, const char *to);
    virtual int unlink(const char *path);

    // The calls of the operating system, shared by every writer.
    static FileCalls &system();
};

struct AtomicWriteResult
{
    bool ok = false;
    // One English line: what failed and the system's reason.
    std::string error;
    // errno of the call that failed (0 on success).
    int errorNumber = 0;

    explicit operator bool() const { return ok; }
};

// The temporary file that writeFileAtomically fills before it replaces `path`.
std::filesystem::path temporaryPathFor(const std::filesystem::path &path);

// Replaces the file at `path` with `bytes` so that, whatever happens, `path` holds either its
// old content or the new content whole, never a mix:
//   1. the bytes go to a temporary file beside it (temporaryPathFor), created afresh;
//   2. every write is checked (short writes are continued), then the data are flushed to the
//      disk (fsync) and the file is closed, both checked;
//   3. the temporary file is renamed over `path` and the folder is flushed, so that the
//      rename itself survives a power cut.
// On failure the temporary file is removed and `path` is left as it was. A symbolic link at
// the temporary name is never followed. `mode` applies to a newly created file.
AtomicWriteResult writeFileAtomically(const std::filesystem::path &path, std::string_view bytes,
                                      mode_t mode = 0644, FileCalls &calls = FileCalls::system());

} // namespace vignetta::scene
