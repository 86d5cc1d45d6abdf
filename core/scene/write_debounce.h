#pragma once

#include <cstdint>

namespace vignetta::scene {

// When to write a file that follows every change: at most once per interval, and the last
// change of a burst always within one interval of it. A change long after the last write is
// written at once; a change sooner waits until one interval after that write, and every change
// in between joins the same write. Times are milliseconds of a monotonic clock.
class WriteDebounce
{
public:
    explicit WriteDebounce(std::int64_t intervalMs = 1000) : interval_(intervalMs) {}

    // A change at `now`: the delay in milliseconds after which the write is due, 0 when it may
    // be written at once.
    std::int64_t changed(std::int64_t now);
    // The write was started at `now`; the changes before it are in it.
    void written(std::int64_t now);
    // Whether a change waits for its write.
    bool pending() const { return pending_; }
    // Forgets the pending change and the last write (a new file, or the file removed).
    void reset();

    std::int64_t interval() const { return interval_; }

private:
    std::int64_t interval_;
    std::int64_t lastWrite_ = 0;
    bool hasWritten_ = false;
    bool pending_ = false;
};

} // namespace vignetta::scene
