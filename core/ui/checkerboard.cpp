#include "ui/checkerboard.h"

#include <algorithm>
#include <cmath>

namespace vignetta::ui {

double checkerLightChannel(double setting)
{
    if (std::isnan(setting))
        return 1.0;
    return std::clamp(setting / 255.0, 0.0, 1.0);
}

double checkerDarkChannel(double light)
{
    if (std::isnan(light))
        light = 1.0;
    const double c = std::clamp(light, 0.0, 1.0);
    return std::clamp(c - 0.138 - std::min(std::max(0.0, 0.888 - c), 0.112), 0.0, 1.0);
}

} // namespace vignetta::ui
