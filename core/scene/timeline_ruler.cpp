#include "scene/timeline_ruler.h"

#include <algorithm>
#include <cmath>

#include "scene/limits.h"

namespace vignetta::scene {

int rulerLabelStep(int pixelPerFrame)
{
    return pixelPerFrame >= 4 ? 10 : 100;
}

std::vector<RulerLabel> rulerLabels(double scrollX, double width, int pixelPerFrame)
{
    std::vector<RulerLabel> labels;
    if (pixelPerFrame < 1 || width <= 0)
        return labels;
    const int step = rulerLabelStep(pixelPerFrame);
    const double spacing = static_cast<double>(step) * pixelPerFrame;
    scrollX = std::max(0.0, scrollX);
    const long long first = static_cast<long long>(std::trunc(scrollX / spacing));
    const double offset = std::fmod(scrollX, spacing);
    for (long long k = 0;; ++k) {
        const double x = static_cast<double>(k) * spacing - offset;
        const long long frame = (k + first) * step;
        if (x > width + spacing || frame > maxDuration)
            break;
        labels.push_back({frame == 0 ? x + 4 : x, static_cast<int>(frame)});
    }
    return labels;
}

std::vector<double> rulerTicks(double scrollX, double width, int pixelPerFrame)
{
    std::vector<double> ticks;
    if (pixelPerFrame < 1 || width <= 0)
        return ticks;
    const int step = pixelPerFrame >= 4 ? 1 : 10;
    scrollX = std::max(0.0, scrollX);
    const long long firstFrame =
        static_cast<long long>(std::ceil(scrollX / pixelPerFrame / step)) * step;
    const double lastPixel = scrollX + width;
    for (long long f = firstFrame; f <= maxDuration; f += step) {
        const double px = static_cast<double>(f) * pixelPerFrame;
        if (px > lastPixel)
            break;
        ticks.push_back(px - scrollX + 0.5);
    }
    return ticks;
}

int frameAtPixel(double x, int pixelPerFrame)
{
    if (pixelPerFrame < 1 || !(x > 0))
        return 0;
    const double frame = std::trunc(x / pixelPerFrame);
    return static_cast<int>(std::min(frame, static_cast<double>(maxDuration - 1)));
}

double centredScroll(double x, double width, double maxScroll)
{
    const double scroll = std::trunc(x - width / 2);
    return std::max(0.0, std::min(scroll, std::max(0.0, maxScroll)));
}

} // namespace vignetta::scene
