#pragma once

#include <vector>

namespace vignetta::frame {

// The preview's zoom factors, smallest first: 5/48 up to 72/48, with 48/48 as actual size.
const std::vector<double> &screenScaleSteps();
double minimumScreenScale();
double maximumScreenScale();

// The first step larger than `scale`; `scale` itself when it is already at or past the largest.
double zoomedIn(double scale);
// The first step, walking down, smaller than `scale`; `scale` itself at or below the smallest.
double zoomedOut(double scale);

} // namespace vignetta::frame
