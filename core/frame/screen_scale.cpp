#include "frame/screen_scale.h"

namespace vignetta::frame {

namespace {
// Scales reached through the commands are exact quotients k/48; the tolerance only keeps a
// value that was computed another way (and lies a rounding error off a step) from being
// treated as lying between two steps.
constexpr double kTolerance = 1e-9;
} // namespace

const std::vector<double> &screenScaleSteps()
{
    static const std::vector<double> steps = [] {
        const int numerators[] = {5,  6,  7,  8,  9,  10, 11, 12, 14, 16, 18, 20,
                                  22, 24, 28, 32, 36, 40, 44, 48, 54, 60, 66, 72};
        std::vector<double> result;
        for (int n : numerators)
            result.push_back(n / 48.0);
        return result;
    }();
    return steps;
}

double minimumScreenScale()
{
    return screenScaleSteps().front();
}
double maximumScreenScale()
{
    return screenScaleSteps().back();
}

double zoomedIn(double scale)
{
    for (double step : screenScaleSteps()) {
        if (step > scale + kTolerance)
            return step;
    }
    return scale;
}

double zoomedOut(double scale)
{
    const auto &steps = screenScaleSteps();
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (*it < scale - kTolerance)
            return *it;
    }
    return scale;
}

} // namespace vignetta::frame
