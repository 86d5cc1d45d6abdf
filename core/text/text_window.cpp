#include "text/text_window.h"

#include <cmath>

#include "preview/message_lines.h"
#include "scene/block_view.h"
#include "json/js_coerce.h"

namespace vignetta::text {

WindowRect messageWindowRect(double screenWidth, double screenHeight, int position)
{
    WindowRect rect;
    rect.width = screenWidth - kTextWidthInset + 2 * kWindowMargin;
    rect.height = kMessageTextHeight + 2 * kWindowMargin;
    rect.x = kWindowMargin;
    if (position == 0)
        rect.y = kWindowMargin;
    else if (position == 1)
        rect.y = std::trunc(screenHeight / 2) - std::trunc(rect.height / 2);
    else
        rect.y = screenHeight - rect.height - kWindowMargin;
    return rect;
}

WindowRect scrollWindowRect(double screenWidth, double screenHeight)
{
    WindowRect rect;
    rect.width = screenWidth - kTextWidthInset + 2 * kWindowMargin;
    rect.height = screenHeight;
    return rect;
}

TextWindow textWindowOf(const preview::FrameSample &sample, std::optional<int> messageLine)
{
    TextWindow window;
    if (sample.textKind == preview::TextKind::none)
        return window;
    const scene::BlockView view = scene::readBlockView(sample.text);
    window.kind = sample.textKind;
    window.blockId = sample.textBlockId;
    window.text = view.messageText;
    window.scrollSpeed = view.scrollSpeed;
    window.scrollNoFast = view.scrollNoFast;
    if (window.kind == preview::TextKind::scroll) {
        window.background = 2;
        return window;
    }
    window.faceName = view.messageImageName;
    window.faceIndex = json::toInt(view.messageImageIndex, 0);
    window.position = view.messagePosition;
    window.background = view.messageBackground;
    if (messageLine)
        window.text = preview::getMessageLines(view.messageText, *messageLine);
    return window;
}

} // namespace vignetta::text
