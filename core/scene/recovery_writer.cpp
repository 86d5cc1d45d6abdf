#include "scene/recovery_writer.h"

#include <system_error>

namespace vignetta::scene {

RecoveryWriter::RecoveryWriter(Report report, FileCalls &calls, std::uintmax_t maxBytes)
    : report_(std::move(report)), calls_(calls), maxBytes_(maxBytes),
      thread_([this] { run(); })
{
}

RecoveryWriter::~RecoveryWriter()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void RecoveryWriter::submit(RecoveryJob job)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        waiting_ = std::move(job);
    }
    wake_.notify_all();
}

void RecoveryWriter::cancel()
{
    std::unique_lock<std::mutex> lock(mutex_);
    waiting_.reset();
    idle_.wait(lock, [this] { return !busy_; });
}

void RecoveryWriter::flush()
{
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return !busy_ && !waiting_; });
}

void RecoveryWriter::run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || waiting_; });
        if (!waiting_)
            return; // stopping, and nothing left to write
        RecoveryJob job = std::move(*waiting_);
        waiting_.reset();
        busy_ = true;
        lock.unlock();

        const RecoveryWriteOutcome outcome = write(job, calls_, maxBytes_);
        // The snapshot goes before the lock is taken again: freeing a large scene is work the
        // editing thread should not wait for in cancel().
        job = RecoveryJob();
        if (report_)
            report_(outcome);

        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

RecoveryWriteOutcome RecoveryWriter::write(const RecoveryJob &job, FileCalls &calls,
                                           std::uintmax_t maxBytes)
{
    RecoveryWriteOutcome outcome;
    outcome.file = job.file;
    // The folder may have been removed while the program ran.
    std::error_code ec;
    std::filesystem::create_directories(job.file.parent_path(), ec);
    if (ec) {
        outcome.error = "cannot create " + job.file.parent_path().string() + ": " + ec.message();
        return outcome;
    }
    const std::string text = writeRecoveryText(job.document, job.projectPath, job.savedAt);
    if (text.size() > maxBytes) {
        outcome.error = "the scene is too large for a recovery file (" +
                        std::to_string(text.size()) + " bytes)";
        return outcome;
    }
    const AtomicWriteResult written = writeFileAtomically(job.file, text, 0600, calls);
    outcome.ok = written.ok;
    outcome.error = written.error;
    return outcome;
}

} // namespace vignetta::scene
