#pragma once

namespace vignetta::frame {

struct Rect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Pulls a window rectangle back onto the available desktop: a window larger than the desktop
// is shrunk to it, one reaching past the right or bottom edge is moved back, and finally one
// starting left of or above the desktop is moved to its left or top edge.
Rect adjustedWindowRect(Rect window, const Rect &desktop);

} // namespace vignetta::frame
