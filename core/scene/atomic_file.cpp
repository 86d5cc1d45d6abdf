#include "scene/atomic_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace vignetta::scene {

int FileCalls::open(const char *path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t FileCalls::write(int fd, const void *data, std::size_t size)
{
    return ::write(fd, data, size);
}

int FileCalls::fsync(int fd)
{
    return ::fsync(fd);
}

int FileCalls::close(int fd)
{
    return ::close(fd);
}

int FileCalls::rename(const char *from, const char *to)
{
    return ::rename(from, to);
}

int FileCalls::unlink(const char *path)
{
    return ::unlink(path);
}

FileCalls &FileCalls::system()
{
    static FileCalls calls;
    return calls;
}

std::filesystem::path temporaryPathFor(const std::filesystem::path &path)
{
    std::filesystem::path temp = path;
    temp += ".tmp";
    return temp;
}

namespace {

AtomicWriteResult failure(const std::string &what, const std::filesystem::path &path, int error)
{
    AtomicWriteResult result;
    result.errorNumber = error;
    result.error = "cannot " + what + " " + path.string() + ": " + std::strerror(error);
    return result;
}

// Flushes the folder entry of a rename to the disk. Some file systems cannot flush a folder
// (EINVAL); the file itself is already safe then, so only real I/O errors count.
int syncFolder(const std::filesystem::path &folder)
{
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    int error = 0;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        error = errno;
    ::close(fd);
    return error;
}

} // namespace

AtomicWriteResult writeFileAtomically(const std::filesystem::path &path, std::string_view bytes,
                                      mode_t mode, FileCalls &calls)
{
    const std::filesystem::path temp = temporaryPathFor(path);
    const std::string tempName = temp.string();

    // A temporary file left by a writer that was killed half way is simply replaced.
    int fd = calls.open(tempName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW,
                        mode);
    if (fd < 0)
        return failure("create", temp, errno);

    auto abandon = [&](const std::string &what, int error) {
        if (fd >= 0)
            calls.close(fd);
        calls.unlink(tempName.c_str());
        return failure(what, temp, error);
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return abandon("write", errno);
        }
        if (n == 0) // no progress and no error: treat as a full disk rather than spin
            return abandon("write", ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    if (calls.fsync(fd) != 0)
        return abandon("flush", errno);
    const int closed = calls.close(fd);
    fd = -1;
    if (closed != 0)
        return abandon("close", errno);

    if (calls.rename(tempName.c_str(), path.string().c_str()) != 0) {
        const int error = errno;
        calls.unlink(tempName.c_str());
        return failure("replace", path, error);
    }
    if (const int error = syncFolder(path.parent_path()))
        return failure("flush the folder of", path, error);
    AtomicWriteResult ok;
    ok.ok = true;
    return ok;
}

} // namespace vignetta::scene
