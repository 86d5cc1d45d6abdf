#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "scene/recovery_file.h"
#include "scene/recovery_lock.h"

namespace vignetta::scene {

// The recovery files of one project in the recovery folder, and the one this instance owns.
//
// Each project has numbered slots: "<key>.json" is the first, "<key>-2.json" to
// "<key>-16.json" serve further instances that have the same project open at the same time,
// so that none overwrites another's scene. <key> is recoveryKey(project path). Each slot is
// claimed through its lock "<name>.lock" (recovery_lock.h). A file that cannot be read is set
// aside as "<name>.bad" (or "<name>.<n>.bad" when that exists), never deleted.

// 16 lower-case hex digits: the 64-bit FNV-1a hash of the project path's UTF-8 bytes.
std::string recoveryKey(std::string_view projectPath);
// The file name of a slot (1-based).
std::string recoverySlotName(std::string_view key, int slot);
std::filesystem::path lockPathFor(const std::filesystem::path &recoveryFile);

class RecoveryStore
{
public:
    static constexpr int maxSlots = 16;

    // `projectPath` is the project file's canonical path (UTF-8); `pid` this process's id.
    RecoveryStore(std::filesystem::path folder, std::string projectPath, long pid);

    // Claims a slot, creating the folder when needed. Among the slots that no running instance
    // holds, the first whose file exists is taken (a scene left by an earlier run, to be
    // offered), else the first free one. False, with the reason in *error, when no slot can be
    // claimed (the folder cannot be created, lock files cannot be made, all slots in use).
    bool claim(std::string *error);
    bool claimed() const { return lock_.has_value(); }
    // The claimed slot's recovery file.
    const std::filesystem::path &file() const { return file_; }
    const std::string &projectPath() const { return projectPath_; }
    const std::filesystem::path &folder() const { return folder_; }

    // What the claimed slot held when the instance came.
    struct Inspection
    {
        enum class Kind {
            none,     // no file, or a file holding an empty scene (removed: nothing to lose)
            scene,    // a scene with blocks, to be offered
            setAside, // a file that could not be read, renamed to `setAsideAs`
            stuck,    // a file that could not be read and could not be renamed either
        };
        Kind kind = Kind::none;
        RecoveryReadResult read;
        std::filesystem::path setAsideAs;
        // For setAside and stuck: why the file could not be read (and, for stuck, renamed).
        std::string error;
    };
    Inspection inspect(std::uintmax_t maxBytes = maxRecoveryFileBytes);

    // Removes the claimed slot's file and any temporary file of an interrupted write. False,
    // with the reason in *error, when a file that exists could not be removed.
    bool remove(std::string *error = nullptr);

    // Gives the slot up (the files stay).
    void release() { lock_.reset(); }

private:
    std::filesystem::path folder_;
    std::string projectPath_;
    long pid_;
    std::string key_;
    std::filesystem::path file_;
    std::optional<RecoveryLock> lock_;
};

// Renames `file` to "<file>.bad", or "<file>.<n>.bad" for the first n from 2 that is free; an
// existing file is never replaced. The new path, or nothing (reason in *error).
std::optional<std::filesystem::path> setFileAside(const std::filesystem::path &file,
                                                  std::string *error);

} // namespace vignetta::scene
