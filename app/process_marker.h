#pragma once

#include <QByteArray>

namespace vignetta::app {

// A named, system-wide marker that a running instance exists ("VignettaMutex"). It is created at
// start-up and kept open for the life of the process; nothing waits on it or examines it, so a
// second instance starts normally. On Linux it is a named POSIX semaphore.
class ProcessMarker
{
public:
    explicit ProcessMarker(const QByteArray &name);
    ~ProcessMarker();
    ProcessMarker(const ProcessMarker &) = delete;
    ProcessMarker &operator=(const ProcessMarker &) = delete;

private:
    void *handle_ = nullptr;
};

} // namespace vignetta::app
