#include "frame/window_placement.h"

namespace vignetta::frame {

Rect adjustedWindowRect(Rect window, const Rect &desktop)
{
    if (window.width >= desktop.width)
        window.width = desktop.width;
    if (window.height >= desktop.height)
        window.height = desktop.height;

    const int right = desktop.x + desktop.width;
    const int bottom = desktop.y + desktop.height;
    if (window.x >= right - window.width)
        window.x = right - window.width;
    if (window.y >= bottom - window.height)
        window.y = bottom - window.height;

    if (window.x < desktop.x)
        window.x = desktop.x;
    if (window.y < desktop.y)
        window.y = desktop.y;
    return window;
}

} // namespace vignetta::frame
