#pragma once

namespace vignetta::scene {

// Block kinds, stored as the integer field `blockMode` of a block's event data.
enum BlockMode : int {
    mode_picture = 0,
    mode_message = 1,
    mode_fade = 2,
    mode_sound = 3,
    mode_screen = 4,  // flash and shake
    mode_comment = 5, // markers; the only kind on lane 0
    mode_other = 6,   // has a builder, nothing creates it, the conversion ignores it
    mode_scroll = 7,  // scrolling text
    mode_sound_fade = 8,
};

constexpr int firstBlockMode = mode_picture;
constexpr int lastBlockMode = mode_sound_fade;

constexpr bool isValidBlockMode(int mode)
{
    return mode >= firstBlockMode && mode <= lastBlockMode;
}

// Default length in frames of a freshly built block of the kind.
int defaultBlockDelay(int mode);

// Length bounds for kinds that the timeline lets the user resize; fixed kinds return false.
struct DelayBounds
{
    int min = 0;
    int max = 0;
};
bool isResizable(int mode);
DelayBounds resizeBounds(int mode);

} // namespace vignetta::scene
