#include "scene/recovery_store.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "scene/atomic_file.h"

namespace vignetta::scene {

namespace {

bool entryExists(const std::filesystem::path &path)
{
    struct stat st;
    return ::lstat(path.string().c_str(), &st) == 0;
}

// Renames without ever replacing an existing file. EEXIST when `to` is taken.
int renameNoReplace(const std::filesystem::path &from, const std::filesystem::path &to)
{
    const std::string a = from.string(), b = to.string();
    if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the no-replace flag: check first. The slot is ours (locked) and
    // ".bad" names are never written by anyone, so nobody can slip in between.
    if (entryExists(to))
        return EEXIST;
    return ::rename(a.c_str(), b.c_str()) == 0 ? 0 : errno;
}

bool removeIfThere(const std::filesystem::path &path, std::string *error)
{
    if (::unlink(path.string().c_str()) == 0 || errno == ENOENT)
        return true;
    if (error)
        *error = "cannot remove " + path.string() + ": " + std::strerror(errno);
    return false;
}

} // namespace

std::string recoveryKey(std::string_view projectPath)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : projectPath) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string recoverySlotName(std::string_view key, int slot)
{
    std::string name(key);
    if (slot > 1)
        name += "-" + std::to_string(slot);
    return name + ".json";
}

std::filesystem::path lockPathFor(const std::filesystem::path &recoveryFile)
{
    std::filesystem::path lock = recoveryFile;
    lock += ".lock";
    return lock;
}

std::optional<std::filesystem::path> setFileAside(const std::filesystem::path &file,
                                                  std::string *error)
{
    for (int n = 1; n <= 1000; ++n) {
        std::filesystem::path target = file;
        target += n == 1 ? std::string(".bad") : "." + std::to_string(n) + ".bad";
        const int result = renameNoReplace(file, target);
        if (result == 0)
            return target;
        if (result != EEXIST) {
            if (error)
                *error = "cannot rename " + file.string() + ": " + std::strerror(result);
            return std::nullopt;
        }
    }
    if (error)
        *error = "cannot rename " + file.string() + ": too many files set aside already";
    return std::nullopt;
}

RecoveryStore::RecoveryStore(std::filesystem::path folder, std::string projectPath, long pid)
    : folder_(std::move(folder)), projectPath_(std::move(projectPath)), pid_(pid),
      key_(recoveryKey(projectPath_)), file_(folder_ / recoverySlotName(key_, 1))
{
}

bool RecoveryStore::claim(std::string *error)
{
    lock_.reset();
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (ec) {
        if (error)
            *error = "cannot create " + folder_.string() + ": " + ec.message();
        return false;
    }
    std::optional<RecoveryLock> chosen;
    std::filesystem::path chosenFile;
    std::string failure;
    for (int slot = 1; slot <= maxSlots; ++slot) {
        const std::filesystem::path file = folder_ / recoverySlotName(key_, slot);
        const bool hasFile = entryExists(file);
        if (chosen && !hasFile)
            continue; // a free empty slot is already ours; only a left scene is better
        auto attempt = RecoveryLock::tryAcquire(lockPathFor(file), pid_);
        if (attempt.outcome == LockOutcome::failed) {
            if (failure.empty())
                failure = attempt.error;
            continue;
        }
        if (attempt.outcome == LockOutcome::heldByOther)
            continue;
        chosen = std::move(attempt.lock); // an earlier empty choice is released here
        chosenFile = file;
        if (hasFile)
            break;
    }
    if (!chosen) {
        if (error)
            *error = !failure.empty() ? failure
                                      : "every recovery slot of " + projectPath_ + " is in use";
        return false;
    }
    lock_ = std::move(chosen);
    file_ = chosenFile;
    return true;
}

RecoveryStore::Inspection RecoveryStore::inspect(std::uintmax_t maxBytes)
{
    Inspection out;
    out.read = readRecoveryFile(file_, projectPath_, maxBytes);
    if (out.read.ok) {
        if (!out.read.document.isEmpty()) {
            out.kind = Inspection::Kind::scene;
            return out;
        }
        remove(); // an empty scene: nothing to offer and nothing to lose
        return out;
    }
    if (out.read.problem == RecoveryProblem::missing)
        return out;
    out.error = out.read.error;
    std::string renameError;
    if (auto aside = setFileAside(file_, &renameError)) {
        out.kind = Inspection::Kind::setAside;
        out.setAsideAs = *aside;
    } else {
        out.kind = Inspection::Kind::stuck;
        out.error += "; " + renameError;
    }
    return out;
}

bool RecoveryStore::remove(std::string *error)
{
    bool ok = removeIfThere(file_, error);
    ok = removeIfThere(temporaryPathFor(file_), ok ? error : nullptr) && ok;
    return ok;
}

} // namespace vignetta::scene
