#pragma once

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "scene/atomic_file.h"
#include "scene/document.h"
#include "scene/recovery_file.h"

namespace vignetta::scene {

// One recovery file to write: a snapshot of the document, which the writer owns. Documents
// share their blocks' immutable event data, so the snapshot costs the editing thread a copy of
// the lane and block lists only, and the editing thread may go on changing its own document.
struct RecoveryJob
{
    std::filesystem::path file;
    std::string projectPath;
    Document document;
    Clock::time_point savedAt;
};

struct RecoveryWriteOutcome
{
    std::filesystem::path file;
    bool ok = false;
    std::string error;
};

// Writes recovery files on a thread of its own, so that the editing thread never waits for a
// disk. A job handed over while an earlier one waits replaces it (only the newest scene
// matters); a job being written is always finished. Every outcome is reported, on the writer's
// thread, to the callback given at construction.
class RecoveryWriter
{
public:
    using Report = std::function<void(const RecoveryWriteOutcome &)>;

    explicit RecoveryWriter(Report report, FileCalls &calls = FileCalls::system(),
                            std::uintmax_t maxBytes = maxRecoveryFileBytes);
    // Writes the waiting job, if any, then stops.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    void submit(RecoveryJob job);
    // Drops the waiting job and waits for the one being written: afterwards nothing is written
    // until the next submit.
    void cancel();
    // Waits until every job handed over is written.
    void flush();

    // Writes one job on the calling thread: creates the folder, refuses a scene whose text
    // would be larger than maxBytes, writes atomically.
    static RecoveryWriteOutcome write(const RecoveryJob &job, FileCalls &calls,
                                      std::uintmax_t maxBytes = maxRecoveryFileBytes);

private:
    void run();

    Report report_;
    FileCalls &calls_;
    std::uintmax_t maxBytes_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<RecoveryJob> waiting_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace vignetta::scene
