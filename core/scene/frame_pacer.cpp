#include "scene/frame_pacer.h"

#include <algorithm>

namespace vignetta::scene {

FramePacer::FramePacer(double frameRate, int maxLagFrames)
    : period_(1000.0 / frameRate), maxLag_(maxLagFrames * (1000.0 / frameRate))
{
}

void FramePacer::start(double nowMs)
{
    origin_ = nowMs;
    ticks_ = 0;
}

double FramePacer::tick(double nowMs)
{
    ++ticks_;
    const double due = origin_ + static_cast<double>(ticks_) * period_;
    if (nowMs - due > maxLag_)
        origin_ = nowMs - static_cast<double>(ticks_) * period_;
    return std::max(0.0, nextDue() - nowMs);
}

} // namespace vignetta::scene
