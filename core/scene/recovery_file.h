#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "scene/document.h"
#include "scene/scene_file.h"

namespace vignetta::scene {

// The recovery file: the scene of an open project as it stood after the last edit, kept so that
// a crash, a killed process or a power cut loses nothing. One compact JSON object:
//
//   {"format":"vignetta-recovery","version":1,"projectPath":"/games/demo/Game.fabproject",
//    "savedAt":"2024-05-01T12:34:56.789Z","lastLaneId":3,"scene":[...]}
//
// "scene" is the scene file array (every block in export order, byte for byte what Export Event
// writes), so the scene can be read by the command-line tool or copied out by hand.
// "lastLaneId" keeps lanes that hold no block. "savedAt" is UTC.

using Clock = std::chrono::system_clock;

inline constexpr std::string_view recoveryFormatName = "vignetta-recovery";
// Files written by a later format are refused rather than half understood.
constexpr int recoveryFormatVersion = 1;
// Larger files are refused unread; the writer refuses to write them in the first place.
constexpr std::uintmax_t maxRecoveryFileBytes = std::uintmax_t(256) * 1024 * 1024;

// The file text for a document of the given project, saved at `savedAt`.
std::string writeRecoveryText(const Document &doc, const std::string &projectPath,
                              Clock::time_point savedAt);

// Why a recovery file was refused.
enum class RecoveryProblem {
    none,
    missing,      // no file by that name
    notRegular,   // a folder, a link, a pipe or a device by that name
    tooLarge,     // larger than the cap
    unreadable,   // the system refused to read it
    notJson,      // truncated or not JSON at all
    notRecovery,  // JSON, but not a recovery file
    newerVersion, // written by a later format
    otherProject, // the file names another project
    badScene,     // its scene is not a usable scene
};

struct RecoveryReadResult
{
    bool ok = false;
    RecoveryProblem problem = RecoveryProblem::none;
    // One English line naming the problem.
    std::string error;
    std::string projectPath;
    Clock::time_point savedAt{};
    // The scene as the command line loads scene files (ids, lanes, frames and markers as they
    // were), with the empty lanes up to lastLaneId.
    Document document;

    explicit operator bool() const { return ok; }
};

// Reads recovery-file text that must belong to `projectPath`. The JSON goes through the
// guarded parser; the scene must pass the checks of a scene file (an empty scene is allowed).
RecoveryReadResult readRecoveryText(std::string_view text, const std::string &projectPath);

// Reads a recovery file from disk. Only a regular file is read (a symbolic link is not
// followed, a pipe is not waited on), and only when it holds at most `maxBytes`.
RecoveryReadResult readRecoveryFile(const std::filesystem::path &path,
                                    const std::string &projectPath,
                                    std::uintmax_t maxBytes = maxRecoveryFileBytes);

// For the command line: a scene file, or a recovery file whose scene is read as a scene file
// (of whichever project). A regular file only (links are followed), at most maxBytes.
SceneReadResult readSceneOrRecoveryFile(const std::filesystem::path &path,
                                        std::uintmax_t maxBytes = maxRecoveryFileBytes);

// "2024-05-01T12:34:56.789Z"; and back, false for anything else.
std::string formatUtcTime(Clock::time_point time);
bool parseUtcTime(std::string_view text, Clock::time_point *time);

} // namespace vignetta::scene
