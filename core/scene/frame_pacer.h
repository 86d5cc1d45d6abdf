#pragma once

namespace vignetta::scene {

// Paces the playback clock by a monotonic clock: one frame per tick, tick n due exactly n frame
// periods after the start, so that timer granularity and late ticks do not add up to drift (a
// plain 1000/60 ms timer ticks at 16 or 17 ms and runs fast or slow). A tick that comes late is
// followed by a shorter wait. When the clock has fallen more than `maxLagFrames` behind (the
// program was busy), the schedule restarts from that tick instead of catching up in a burst.
// Times are milliseconds of any monotonic clock.
class FramePacer
{
public:
    explicit FramePacer(double frameRate = 60, int maxLagFrames = 6);

    // Starts the schedule at `nowMs`; tick 1 is due one period later.
    void start(double nowMs);
    // Counts a tick that fired at `nowMs` and returns the wait until the next one (>= 0 ms).
    double tick(double nowMs);

    long long ticks() const { return ticks_; }
    double period() const { return period_; }
    // When the next tick is due.
    double nextDue() const { return origin_ + static_cast<double>(ticks_ + 1) * period_; }

private:
    double period_;
    double maxLag_;
    double origin_ = 0;
    long long ticks_ = 0;
};

} // namespace vignetta::scene
