#pragma once

#include <optional>
#include <string>

#include "preview/frame_sampling.h"

namespace vignetta::text {

// The margin around a window's text area, and how much narrower than the screen the text
// area is.
constexpr int kWindowMargin = 8;
constexpr int kTextWidthInset = 36;
// A message window shows four lines of 36 pixels.
constexpr int kVisibleLines = 4;
constexpr int kStandardLineHeight = 36;
constexpr int kMessageTextHeight = kVisibleLines * kStandardLineHeight;

struct WindowRect
{
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// Where the main view shows a text window on a screen of the given size: a message window at
// x 8 and the y of its position (0 top, 1 middle, 2 bottom; any other value counts as bottom),
// a scrolling text at (0, 0) as high as the screen. Both are as wide as the text area (the
// screen width less 36) plus the margins.
WindowRect messageWindowRect(double screenWidth, double screenHeight, int position);
WindowRect scrollWindowRect(double screenWidth, double screenHeight);

// The text block the main view shows at a sampled frame, with what it needs from the block.
struct TextWindow
{
    preview::TextKind kind = preview::TextKind::none;
    int blockId = -1;
    std::string text;
    std::string faceName;
    int faceIndex = 0;
    int position = 2;
    int background = 0;
    double scrollSpeed = 2;
    bool scrollNoFast = false;
};

// The text window of a sampled frame. In editing, a message shows its whole text, or with
// `messageLine` only the four-line page that holds that line (0-based); a scrolling text always
// shows its whole text over a transparent background.
TextWindow textWindowOf(const preview::FrameSample &sample,
                        std::optional<int> messageLine = std::nullopt);

} // namespace vignetta::text
