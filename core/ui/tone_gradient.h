#pragma once

namespace vignetta::ui {

struct Rgb
{
    double r = 0;
    double g = 0;
    double b = 0;
};

// A colour of hue h, full saturation and lightness l (all 0..1), by the usual HSL rule.
Rgb hslColour(double h, double l);

// A colour tone applied to a colour: with s = 1 - gray, each channel becomes
// s * c + (1 - s) * L + tone, where L = 0.213 r + 0.715 g + 0.072 b, clamped to 0..1. The tone
// values and gray are the stored values divided by 255.
Rgb applyTone(const Rgb &c, double red, double green, double blue, double gray);

// The colour at (u, v) of the tone preview box: hue runs down from 0 at the top (v = 0) to 1
// at the bottom, lightness right from 0 at the left (u = 0) to 1, then the tone is applied.
Rgb tonePreviewColour(double u, double v, double red, double green, double blue, double gray);

} // namespace vignetta::ui
