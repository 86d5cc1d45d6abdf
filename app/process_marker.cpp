#include "process_marker.h"

#include <fcntl.h>
#include <semaphore.h>

namespace vignetta::app {

ProcessMarker::ProcessMarker(const QByteArray &name)
{
    // Created if missing, opened if another instance made it; the outcome is not examined.
    sem_t *handle = sem_open(('/' + name).constData(), O_CREAT, 0600, 1);
    if (handle != SEM_FAILED)
        handle_ = handle;
}

ProcessMarker::~ProcessMarker()
{
    if (handle_)
        sem_close(static_cast<sem_t *>(handle_));
}

} // namespace vignetta::app
