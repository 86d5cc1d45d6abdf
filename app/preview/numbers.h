#pragma once

#include <algorithm>
#include <cmath>

namespace vignetta::preview {

// Truncation toward zero that never leaves the 32-bit range: values beyond it stop at its ends
// and NaN gives 0, so that huge numbers from a malformed list cannot reach undefined casts.
inline int toInt32(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

// toInt32 kept as a double (for arithmetic that goes on in doubles).
inline double truncate(double value)
{
    return double(toInt32(value));
}

} // namespace vignetta::preview
