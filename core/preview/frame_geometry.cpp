#include "preview/frame_geometry.h"

#include "text/utf8.h"

namespace vignetta::preview {

bool frameRectContains(const FrameRect &rect, FramePoint point, double factor)
{
    return rect.x * factor <= point.x && point.x <= (rect.x + rect.width) * factor &&
           rect.y * factor <= point.y && point.y <= (rect.y + rect.height) * factor;
}

FrameRect frameHandleRect(const FrameRect &frame)
{
    return {frame.x + frame.width - frameHandleSize / 2,
            frame.y + frame.height - frameHandleSize / 2, frameHandleSize, frameHandleSize};
}

std::string frameTagText(const std::string &name)
{
    constexpr std::size_t shown = 16;
    const std::u32string characters = text::decodeUtf8(name);
    if (characters.size() <= shown)
        return name;
    return text::encodeUtf8(characters.substr(0, shown)) + "...";
}

std::string framePartName(FramePart part)
{
    switch (part) {
    case FramePart::positionStart:
        return "position_start";
    case FramePart::positionEnd:
        return "position_end";
    case FramePart::scaleStart:
        return "scale_start";
    case FramePart::scaleEnd:
        return "scale_end";
    case FramePart::none:
        break;
    }
    return "";
}

FramePart framePartFromName(const std::string &name)
{
    for (FramePart part : {FramePart::positionStart, FramePart::positionEnd, FramePart::scaleStart,
                           FramePart::scaleEnd}) {
        if (framePartName(part) == name)
            return part;
    }
    return FramePart::none;
}

FramePart framePartAt(const FramePress &press)
{
    if (press.screenScale > 0) {
        const double toGame = 1 / press.screenScale;
        if (frameRectContains(press.endTag, press.turned, toGame))
            return FramePart::positionEnd;
        if (frameRectContains(press.endHandle, press.turned, toGame))
            return FramePart::scaleEnd;
    }
    if (frameRectContains(press.startTag, press.screen))
        return FramePart::positionStart;
    if (frameRectContains(press.startHandle, press.screen))
        return FramePart::scaleStart;
    return FramePart::none;
}

} // namespace vignetta::preview
