#include "scene/block_mode.h"

namespace vignetta::scene {

int defaultBlockDelay(int mode)
{
    switch (mode) {
    case mode_message:
    case mode_sound:
    case mode_other:
    case mode_scroll:
        return 16;
    case mode_fade:
        return 24;
    case mode_comment:
        return 1;
    default:
        return 60;
    }
}

bool isResizable(int mode)
{
    return mode == mode_picture || mode == mode_screen || mode == mode_sound_fade;
}

DelayBounds resizeBounds(int mode)
{
    switch (mode) {
    case mode_picture:
        return {1, 999};
    case mode_screen:
        return {60, 999};
    case mode_sound_fade:
        return {60, 65535}; // and never past maxDuration, which the placement rule ensures
    default: {
        const int d = defaultBlockDelay(mode);
        return {d, d};
    }
    }
}

} // namespace vignetta::scene
