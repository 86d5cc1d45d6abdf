#include "frame/splitter.h"

#include <algorithm>
#include <cmath>

namespace vignetta::frame {

int splitterTop(double position, double range)
{
    if (!(range > 0.0))
        return 0;
    const double p = std::clamp(position, kSplitterMinimum, kSplitterMaximum);
    return static_cast<int>(std::floor(p * range / 100.0));
}

double splitterPositionForTop(double top, double range, double current)
{
    if (!(range > 0.0) || std::isnan(top))
        return current;
    return std::clamp(top * 100.0 / range, kSplitterMinimum, kSplitterMaximum);
}

} // namespace vignetta::frame
