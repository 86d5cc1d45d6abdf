#pragma once

#include "json/js_coerce.h"

namespace vignetta::preview {

// A coordinate or size truncated toward zero and kept within the int range (0 when not
// finite), still as a double for arithmetic that goes on in doubles.
inline double truncate(double value)
{
    return double(json::toInt(value, 0));
}

} // namespace vignetta::preview
