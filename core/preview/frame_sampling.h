#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "scene/block.h"
#include "scene/document.h"
#include "json/js_json.h"

namespace vignetta::preview {

using Json = json::Json;

// How the main view samples a frame. In playback, messages, scrolling texts and sound
// fade-outs count only at their first frame, and sounds starting at the frame are to be played.
enum class SampleMode { editing, playback };

// Which text preview shows the sampled message block.
enum class TextKind { none, message, scroll };

// A sound to start on a channel ("bgm", "bgs", "me", "se").
struct SoundStart
{
    std::string channel;
    // {"name": audioName, "volume": volume, "pitch": pitch, "pan": pan}
    Json audio;
};

// A channel ("bgm" or "bgs") to fade out.
struct SoundFadeOut
{
    std::string channel;
    double seconds = 0; // blockDelay / 60
};

// Everything the main view hands on for one frame of the scene.
struct FrameSample
{
    int frame = 0;

    // Picture blocks covering the frame (event data with the block's id under "blockId"), one
    // per picture number, sorted by picture number so that higher numbers are drawn on top.
    std::vector<Json> displayList;
    // Each display-list entry's progress ratio, same index.
    std::vector<double> tweens;

    // Screen brightness 0 (black) to 255 (normal).
    int fade = 255;
    // Flash red, green, blue, alpha.
    std::array<int, 4> flash{0, 0, 0, 0};
    // Horizontal shake in pixels, exact; the preview takes it truncated (shakeOffset()).
    double shake = 0;
    int shakeOffset() const;

    // The message or scrolling text to show: the later one covering the frame (in playback,
    // starting at it). `text` is its event data with "blockId"; null when textKind is none.
    TextKind textKind = TextKind::none;
    int textBlockId = -1;
    Json text;

    // Playback only: sounds whose block starts at this frame, in lane/block order, and the
    // fade-out to run (the last sound fade-out block starting at this frame).
    std::vector<SoundStart> sounds;
    std::optional<SoundFadeOut> fadeOut;

    // {"list": displayList, "tween": tweens} as compact JSON text, for the preview item.
    std::string displayListText() const;
};

// Progress of a block at a frame: (frame - start) / (delay - 1), 0 at its first frame and 1 at
// its last. A block one frame long is at its start state (0).
double blockRatio(int frame, int blockStart, int blockDelay);

// Horizontal screen shake `elapse` frames into a shake of the given power and speed: it swings
// between -2 power and +2 power, starting at 0, by power * speed / 10 pixels a frame.
double shakeAt(double power, double speed, double elapse);

// Samples the blocks that cover the frame (lane order, then block order, as the document gives
// them).
FrameSample sampleBlocks(const std::vector<scene::Block> &covering, int frame, SampleMode mode);

// Samples the document at a frame: the blocks of lanes 1 and up with start <= frame < end.
FrameSample sampleFrame(const scene::Document &document, int frame, SampleMode mode);

// {"list": ..., "tween": ...} as compact JSON text.
std::string displayListText(const std::vector<Json> &list, const std::vector<double> &tweens);

} // namespace vignetta::preview
