#include "common/file_read.h"

#include <cerrno>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vignetta::files {

namespace {

FileReadResult failed(ReadFailure failure, std::string error)
{
    FileReadResult result;
    result.failure = failure;
    result.error = std::move(error);
    return result;
}

FileReadResult tooLarge(std::uintmax_t maxBytes)
{
    return failed(ReadFailure::TooLarge, "is larger than " + describeSize(maxBytes));
}

// Closes the descriptor when the read is over, whichever way it ends.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

} // namespace

std::string describeSize(std::uintmax_t bytes)
{
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0)
        return std::to_string(bytes >> 20) + " MB";
    if (bytes >= (1u << 10) && bytes % (1u << 10) == 0)
        return std::to_string(bytes >> 10) + " KB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

int openRegularFile(const std::filesystem::path &path, std::uintmax_t maxBytes,
                    FileReadResult &refusal)
{
    auto refuse = [&refusal](ReadFailure failure, std::string error) {
        refusal = failed(failure, std::move(error));
        return -1;
    };
    if (path.empty())
        return refuse(ReadFailure::Missing, "has no name");
    // O_NONBLOCK: opening a named pipe must not wait for a writer. It has no effect on the
    // reads of a regular file, the only kind read from the descriptor.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR || error == ELOOP)
            return refuse(ReadFailure::Missing, "does not exist");
        if (error == ENXIO) // a socket, or a pipe opened this way
            return refuse(ReadFailure::NotRegular, "is not a regular file");
        return refuse(ReadFailure::Unreadable, std::string("cannot be read: ") + std::strerror(error));
    }
    Descriptor opened(fd);
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return refuse(ReadFailure::Unreadable, std::string("cannot be read: ") + std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return refuse(ReadFailure::NotRegular, "is not a regular file");
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        refusal = tooLarge(maxBytes);
        return -1;
    }
    return opened.release();
}

FileReadResult readRegularFile(const std::filesystem::path &path, std::uintmax_t maxBytes)
{
    FileReadResult refusal;
    const Descriptor fd(openRegularFile(path, maxBytes, refusal));
    if (fd.get() < 0)
        return refusal;
    struct stat info;
    if (::fstat(fd.get(), &info) != 0)
        return failed(ReadFailure::Unreadable, std::string("cannot be read: ") + std::strerror(errno));

    FileReadResult result;
    try {
        result.bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t filled = 0;
        for (;;) {
            // Past the size fstat gave, the file has grown: read on in small steps, within the cap.
            char probe[4096];
            const bool growing = filled == result.bytes.size();
            char *into = growing ? probe : result.bytes.data() + filled;
            const std::size_t room = growing ? sizeof probe : result.bytes.size() - filled;
            const ssize_t n = ::read(fd.get(), into, room);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return failed(ReadFailure::Unreadable,
                              std::string("cannot be read: ") + std::strerror(errno));
            if (n == 0)
                break;
            if (growing) {
                if (filled + static_cast<std::size_t>(n) > maxBytes)
                    return tooLarge(maxBytes);
                result.bytes.append(probe, static_cast<std::size_t>(n));
            }
            filled += static_cast<std::size_t>(n);
        }
        result.bytes.resize(filled); // the file may also have shrunk
    } catch (const std::bad_alloc &) {
        return failed(ReadFailure::Unreadable, "cannot be read: not enough memory");
    }
    result.ok = true;
    return result;
}

} // namespace vignetta::files
