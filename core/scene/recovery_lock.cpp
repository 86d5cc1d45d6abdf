#include "scene/recovery_lock.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vignetta::scene {

namespace {

LockAttempt failedAttempt(const std::filesystem::path &path, int error)
{
    LockAttempt a;
    a.outcome = LockOutcome::failed;
    a.error = "cannot lock " + path.string() + ": " + std::strerror(error);
    return a;
}

} // namespace

LockAttempt RecoveryLock::tryAcquire(const std::filesystem::path &lockPath, long pid)
{
    const std::string name = lockPath.string();
    // A releasing owner removes its lock file while it still holds the lock. Whoever opened
    // the old file just before may then lock a file that no longer has a name; such a lock
    // guards nothing, so it is dropped and the file opened afresh.
    for (int tries = 0; tries < 8; ++tries) {
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return failedAttempt(lockPath, errno);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK) {
                LockAttempt a;
                a.outcome = LockOutcome::heldByOther;
                return a;
            }
            if (error == EINTR)
                continue;
            return failedAttempt(lockPath, error);
        }
        struct stat opened, named;
        if (::fstat(fd, &opened) != 0 || ::stat(name.c_str(), &named) != 0 ||
            opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) {
            ::close(fd);
            continue;
        }
        // The process id is a record for people and tools; the lock is what counts. On a full
        // disk the record may not fit, which must not cost the instance its recovery file.
        const std::string text = std::to_string(pid) + "\n";
        if (::ftruncate(fd, 0) == 0)
            (void)!::pwrite(fd, text.data(), text.size(), 0);
        LockAttempt a;
        a.outcome = LockOutcome::acquired;
        a.lock = RecoveryLock(fd, lockPath);
        return a;
    }
    return failedAttempt(lockPath, EAGAIN);
}

long RecoveryLock::recordedOwner(const std::filesystem::path &lockPath)
{
    const int fd = ::open(lockPath.string().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return 0;
    char buffer[32] = {};
    const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    if (n <= 0)
        return 0;
    char *end = nullptr;
    const long pid = std::strtol(buffer, &end, 10);
    return end != buffer && (*end == '\n' || *end == '\0') && pid > 0 ? pid : 0;
}

RecoveryLock::RecoveryLock(RecoveryLock &&other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_))
{
    other.fd_ = -1;
}

RecoveryLock &RecoveryLock::operator=(RecoveryLock &&other) noexcept
{
    if (this != &other) {
        release();
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

RecoveryLock::~RecoveryLock()
{
    release();
}

void RecoveryLock::release()
{
    if (fd_ < 0)
        return;
    // Removed while still locked, so nobody can take a lock on this name that then vanishes.
    ::unlink(path_.string().c_str());
    ::close(fd_);
    fd_ = -1;
}

} // namespace vignetta::scene
