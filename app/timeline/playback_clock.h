#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "scene/frame_pacer.h"

namespace vignetta::timeline {

// The playback clock: `tick` once per frame, 60 times a second, paced by a monotonic clock so
// that a long run neither drifts nor bursts (scene/frame_pacer.h).
class PlaybackClock : public QObject
{
    Q_OBJECT

public:
    explicit PlaybackClock(QObject *parent = nullptr);

    bool isRunning() const { return running_; }
    void start();
    void stop();
    // Ticks since start().
    long long ticks() const { return pacer_.ticks(); }
    // Milliseconds since start() by the monotonic clock.
    double elapsedMs() const;

signals:
    void tick();

private:
    void fire();

    QTimer timer_;
    QElapsedTimer clock_;
    scene::FramePacer pacer_;
    bool running_ = false;
};

} // namespace vignetta::timeline
