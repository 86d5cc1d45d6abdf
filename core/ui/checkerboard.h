#pragma once

namespace vignetta::ui {

// The checkerboard drawn behind transparent images: 16-pixel squares, the square whose column
// plus row is even in the dark colour (so the top-left square is dark), the others light.
constexpr int kCheckerSquare = 16;

// A channel of the light colour from a stored 0-255 setting, as 0..1 (out-of-range values are
// clamped).
double checkerLightChannel(double setting);

// The matching channel of the dark colour, from a light channel c in 0..1:
// c - 0.138 - min(max(0, 0.888 - c), 0.112), clamped to 0..1. White gives 0.862 grey; dark
// light colours get a slightly larger step so that the two stay apart.
double checkerDarkChannel(double light);

} // namespace vignetta::ui
