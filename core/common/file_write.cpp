#include "common/file_write.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vignetta::files {

namespace {

FileWriteResult failure(const std::string &what, int error)
{
    return {false, what + ": " + std::strerror(error)};
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

FileWriteResult writeFileReplacing(const std::filesystem::path &path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    if (path.empty() || !path.has_filename())
        return {false, "has no file name"};

    fs::path target = path;
    struct stat old;
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode))
            return {false, "is not a regular file"};
        std::error_code error;
        const fs::path real = fs::canonical(path, error); // write through a link
        if (!error)
            target = real;
    }

    std::string temp =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    if (target.parent_path().empty())
        temp = "." + target.filename().string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return failure("cannot be written", errno);
    auto abandon = [&temp](const std::string &what, int error) {
        ::unlink(temp.c_str());
        return failure(what, error);
    };

    const mode_t mode = exists ? (old.st_mode & 07777) : [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    if (!writeAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return abandon("cannot be written", error);
    }
    if (::close(fd) != 0)
        return abandon("cannot be written", errno);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return abandon("cannot be replaced", errno);
    // The new name itself reaches the disk with its folder; where that cannot be asked for,
    // the file's own flush above is what there is.
    const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}

} // namespace vignetta::files
