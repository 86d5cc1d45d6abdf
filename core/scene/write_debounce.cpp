#include "scene/write_debounce.h"

namespace vignetta::scene {

std::int64_t WriteDebounce::changed(std::int64_t now)
{
    pending_ = true;
    if (!hasWritten_ || now - lastWrite_ >= interval_)
        return 0;
    // A clock that went backwards (it should not) must not hold the write back for longer.
    if (now < lastWrite_)
        return interval_;
    return lastWrite_ + interval_ - now;
}

void WriteDebounce::written(std::int64_t now)
{
    lastWrite_ = now;
    hasWritten_ = true;
    pending_ = false;
}

void WriteDebounce::reset()
{
    lastWrite_ = 0;
    hasWritten_ = false;
    pending_ = false;
}

} // namespace vignetta::scene
