#pragma once

#include <string>

namespace vignetta::preview {

// The start and end frames that the main view draws over a selected picture: outlines of the
// picture's placement at its first and last frame, each with a name tag at its upper-left
// corner (dragged to move) and a square handle on its lower-right corner (dragged to resize).

struct FramePoint
{
    double x = 0;
    double y = 0;
};

struct FrameRect
{
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool operator==(const FrameRect &o) const
    {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
    bool operator!=(const FrameRect &o) const { return !(*this == o); }
};

// Whether the point lies in the rectangle scaled by `factor`, edges included:
// x * factor <= p.x <= (x + width) * factor, and the same for y.
bool frameRectContains(const FrameRect &rect, FramePoint point, double factor = 1);

// The side of the square resize handle; it is centred on the frame's lower-right corner.
constexpr double frameHandleSize = 12;
// How far the frame's drawing reaches beyond its rectangle on every side (half the handle).
constexpr double frameMargin = 6;

// The handle of a frame at `frame`, in the same coordinates.
FrameRect frameHandleRect(const FrameRect &frame);

// The name shown in a frame's tag: names longer than 16 characters show their first 16
// followed by "...". Characters are Unicode code points of the UTF-8 text.
std::string frameTagText(const std::string &name);

// What a press on the frames grabs.
enum class FramePart { none, positionStart, positionEnd, scaleStart, scaleEnd };

// The part's name as the view changer reports it: "", "position_start", "position_end",
// "scale_start" or "scale_end".
std::string framePartName(FramePart part);
FramePart framePartFromName(const std::string &name);

// Where a press landed, tested in the order the frames lie on screen (the end frame above the
// start frame, a tag before a handle). The tags and handles are in screen pixels.
struct FramePress
{
    FrameRect endTag;
    FrameRect endHandle;
    FrameRect startTag;
    FrameRect startHandle;
    // The press in screen pixels (the game screen scaled by screenScale).
    FramePoint screen;
    // The press in game pixels, turned back by the end frame's rotation about the picture's
    // end position (the end frame is drawn turned; its tag and handle are compared unturned).
    FramePoint turned;
    double screenScale = 1;
};

// The part a press grabs: the end frame's tag, then its handle (against the turned point,
// scaled to game pixels), then the start frame's tag and handle (against the screen point).
FramePart framePartAt(const FramePress &press);

} // namespace vignetta::preview
