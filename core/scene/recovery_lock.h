#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vignetta::scene {

enum class LockOutcome {
    acquired,
    heldByOther, // another instance (or another claim in this one) holds it
    failed,      // the lock file cannot be created or locked (e.g. a read-only folder)
};

struct LockAttempt;

// An exclusive claim on one recovery file, held by one running instance for as long as the
// object lives. The claim is a lock file beside the recovery file holding the owner's process
// id (decimal text and a line feed), locked with an advisory lock (flock). The system drops the
// lock when the process ends however it ends (a crash, kill -9, a power cut), so a lock file
// left behind by a dead process holds nobody off, and a process id reused by an unrelated
// program cannot keep a claim alive. Locks are per open file, so two claims in one process
// exclude each other as well.
class RecoveryLock
{
public:
    // Tries once, without waiting.
    static LockAttempt tryAcquire(const std::filesystem::path &lockPath, long pid);

    // The process id recorded in a lock file, 0 when there is none.
    static long recordedOwner(const std::filesystem::path &lockPath);

    RecoveryLock(RecoveryLock &&other) noexcept;
    RecoveryLock &operator=(RecoveryLock &&other) noexcept;
    RecoveryLock(const RecoveryLock &) = delete;
    RecoveryLock &operator=(const RecoveryLock &) = delete;
    // Removes the lock file and releases the claim.
    ~RecoveryLock();

    const std::filesystem::path &path() const { return path_; }

private:
    RecoveryLock(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
    void release();

    int fd_ = -1;
    std::filesystem::path path_;
};

struct LockAttempt
{
    LockOutcome outcome = LockOutcome::failed;
    std::optional<RecoveryLock> lock;
    // For failed: what went wrong, in English.
    std::string error;
};

} // namespace vignetta::scene
