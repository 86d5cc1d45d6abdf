#include "preview/frame_drag.h"

#include <cmath>

namespace vignetta::preview {

namespace {

FrameRect moved(FrameRect rect, double dX, double dY)
{
    rect.x += dX;
    rect.y += dY;
    return rect;
}

FrameRect resized(FrameRect rect, double dX, double dY)
{
    rect.width += dX;
    rect.height += dY;
    return rect;
}

double factor(double now, double atPress)
{
    return atPress != 0 ? now / atPress : 1;
}

FramePoint position(const FrameRect &frame, bool centred, double screenScale)
{
    const double offsetX = centred ? std::trunc(frame.width / 2) : 0;
    const double offsetY = centred ? std::trunc(frame.height / 2) : 0;
    return {(frame.x + offsetX) / screenScale, (frame.y + offsetY) / screenScale};
}

} // namespace

FrameDrag::FrameDrag(FramePart part, const FrameRect &startAtPress, const FrameRect &endAtPress)
    : part_(part), startAtPress_(startAtPress), endAtPress_(endAtPress), start_(startAtPress),
      end_(endAtPress)
{
}

void FrameDrag::moveBy(double dX, double dY, bool shift, bool alt)
{
    if (!active())
        return;
    if (shift) {
        if (std::abs(dX) > std::abs(dY))
            dY = 0;
        else if (std::abs(dY) > std::abs(dX))
            dX = 0;
    }
    const bool startGrabbed = part_ == FramePart::positionStart || part_ == FramePart::scaleStart;
    const bool moves = part_ == FramePart::positionStart || part_ == FramePart::positionEnd;
    auto change = [&](const FrameRect &rect) {
        return moves ? moved(rect, dX, dY) : resized(rect, dX, dY);
    };
    start_ = !alt || startGrabbed ? change(startAtPress_) : startAtPress_;
    end_ = !alt || !startGrabbed ? change(endAtPress_) : endAtPress_;
}

FrameDragResult FrameDrag::result(int origin, double screenScale) const
{
    FrameDragResult result;
    if (!(screenScale > 0))
        screenScale = 1;
    const bool centred = origin != 0;
    result.startPosition = position(start_, centred, screenScale);
    result.endPosition = position(end_, centred, screenScale);
    result.startScale = {factor(start_.width, startAtPress_.width),
                         factor(start_.height, startAtPress_.height)};
    result.endScale = {factor(end_.width, endAtPress_.width),
                       factor(end_.height, endAtPress_.height)};
    return result;
}

} // namespace vignetta::preview
