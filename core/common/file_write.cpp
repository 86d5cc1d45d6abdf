#include "common/file_write.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/file_read.h"

namespace vignetta::files {

namespace {

namespace fs = std::filesystem;

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

// What fills the temporary file: true when every byte went in; otherwise false with errno set
// (a failed write) or with the reason in *problem (anything else).
using Fill = bool (*)(int fd, const void *context, std::string *problem);

// Writes a new temporary file beside the target through `fill`, checks every write, the flush
// and the close, and then renames it over the target. `followLink`: a link at the target has
// the file it points to replaced; otherwise the link itself is replaced by the new file.
FileWriteResult replaceThroughTemporary(const fs::path &path, bool followLink, Fill fill,
                                        const void *context)
{
    if (path.empty() || !path.has_filename())
        return {false, "has no file name"};

    fs::path target = path;
    struct stat old;
    const bool exists = (followLink ? ::stat(path.c_str(), &old) : ::lstat(path.c_str(), &old)) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode))
            return {false, "is not a regular file"};
        std::error_code error;
        const fs::path real = followLink ? fs::canonical(path, error) : fs::path();
        if (followLink && !error)
            target = real;
    }

    // A hidden ".<name>.XXXXXX.part" beside the target: what a killed writer leaves is plainly
    // a partial file, never something under the final name.
    const std::string tempName = "." + target.filename().string() + ".XXXXXX.part";
    std::string temp = target.parent_path().empty()
                           ? tempName
                           : (target.parent_path() / tempName).string();
    const int fd = ::mkstemps(temp.data(), 5);
    if (fd < 0)
        return failure("cannot be written", errno);
    auto abandon = [&temp](FileWriteResult result) {
        ::unlink(temp.c_str());
        return result;
    };

    const mode_t mode = exists && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    std::string problem;
    errno = 0;
    if (!fill(fd, context, &problem)) {
        const int error = errno;
        ::close(fd);
        return abandon(problem.empty() ? failure("cannot be written", error)
                                       : FileWriteResult{false, problem});
    }
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return abandon(failure("cannot be written", error));
    }
    if (::close(fd) != 0)
        return abandon(failure("cannot be written", errno));
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return abandon(failure("cannot be replaced", errno));
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

struct CopySource
{
    int fd;
    std::uintmax_t maxBytes;
    const CopyProgress *progress;
};

bool copyFrom(int fd, const void *context, std::string *problem)
{
    const auto &source = *static_cast<const CopySource *>(context);
    std::vector<char> chunk(256 * 1024);
    std::uintmax_t copied = 0;
    for (;;) {
        const ssize_t n = ::read(source.fd, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *problem = std::string("cannot be copied: the source cannot be read: ") +
                       std::strerror(errno);
            return false;
        }
        if (n == 0)
            return true;
        copied += static_cast<std::uintmax_t>(n);
        if (copied > source.maxBytes) { // the source grew while it was copied
            *problem = "cannot be copied: the source is larger than " +
                       describeSize(source.maxBytes);
            return false;
        }
        if (!writeAll(fd, std::string_view(chunk.data(), static_cast<std::size_t>(n))))
            return false;
        if (*source.progress)
            (*source.progress)(copied);
    }
}

} // namespace

FileWriteResult writeFileReplacing(const std::filesystem::path &path, std::string_view bytes)
{
    return replaceThroughTemporary(
        path, true,
        [](int fd, const void *context, std::string *) {
            return writeAll(fd, *static_cast<const std::string_view *>(context));
        },
        &bytes);
}

FileCopyResult copyFileReplacing(const std::filesystem::path &source,
                                 const std::filesystem::path &target, std::uintmax_t maxBytes,
                                 const CopyProgress &progress)
{
    FileReadResult refusal;
    const int fd = openRegularFile(source, maxBytes, refusal);
    if (fd < 0)
        return {false, refusal.failure, refusal.error};
    const CopySource from{fd, maxBytes, &progress};
    const FileWriteResult written = replaceThroughTemporary(target, false, copyFrom, &from);
    ::close(fd);
    return {written.ok, ReadFailure::None, written.error};
}

} // namespace vignetta::files
