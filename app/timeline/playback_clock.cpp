#include "timeline/playback_clock.h"

#include <cmath>

namespace vignetta::timeline {

PlaybackClock::PlaybackClock(QObject *parent) : QObject(parent)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PlaybackClock::fire);
}

double PlaybackClock::elapsedMs() const
{
    return clock_.isValid() ? clock_.nsecsElapsed() / 1e6 : 0.0;
}

void PlaybackClock::start()
{
    if (running_)
        return;
    running_ = true;
    clock_.start();
    pacer_.start(0);
    timer_.start(static_cast<int>(std::lround(pacer_.period())));
}

void PlaybackClock::stop()
{
    running_ = false;
    timer_.stop();
}

void PlaybackClock::fire()
{
    if (!running_)
        return;
    const double wait = pacer_.tick(elapsedMs());
    // The next tick is scheduled before the frame's work runs, so that work does not delay it.
    timer_.start(static_cast<int>(std::lround(wait)));
    emit tick();
}

} // namespace vignetta::timeline
