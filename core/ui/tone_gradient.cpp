#include "ui/tone_gradient.h"

#include <algorithm>

namespace vignetta::ui {

namespace {

double hueToIntensity(double p, double q, double t)
{
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (t < 1.0 / 6)
        return p + (q - p) * 6 * t;
    if (t < 1.0 / 2)
        return q;
    if (t < 2.0 / 3)
        return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}

} // namespace

Rgb hslColour(double h, double l)
{
    const double s = 1;
    const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    return {hueToIntensity(p, q, h + 1.0 / 3), hueToIntensity(p, q, h),
            hueToIntensity(p, q, h - 1.0 / 3)};
}

Rgb applyTone(const Rgb &c, double red, double green, double blue, double gray)
{
    const double s = 1 - gray;
    const double lum = 0.213 * c.r + 0.715 * c.g + 0.072 * c.b;
    return {clamp01(s * c.r + (1 - s) * lum + red), clamp01(s * c.g + (1 - s) * lum + green),
            clamp01(s * c.b + (1 - s) * lum + blue)};
}

Rgb tonePreviewColour(double u, double v, double red, double green, double blue, double gray)
{
    return applyTone(hslColour(v, u), red, green, blue, gray);
}

} // namespace vignetta::ui
