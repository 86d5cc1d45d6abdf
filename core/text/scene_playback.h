#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "preview/frame_sampling.h"
#include "scene/document.h"
#include "text/names.h"
#include "text/text_engine.h"
#include "text/text_window.h"

namespace vignetta::text {

// When the player's button is pressed during a played scene.
struct InputSchedule
{
    // Pressed before each of these ticks, released after it.
    std::set<int> pressAt;
    // Pressed before tick `first`, held, released after tick `second`.
    std::vector<std::pair<int, int>> holds;
    // When above 0: a press (released after its tick) whenever a message has waited for input
    // for this many ticks. The wait before a pause does not count.
    int autoAdvance = 0;
};

// A scene played as the editor's playback plays it, one tick per 1/60 second from frame 0, with
// its message window and scrolling text. Each tick runs in a fixed order:
//   1. input is delivered: a press goes to both texts (a release only to the scrolling text);
//   2. the timeline advances one frame unless a text holds it, and the frame is sampled (the
//      first tick samples frame 0); a message or scrolling text that starts at the frame is
//      shown and holds the timeline, a message drawing its first character at once;
//   3. the shown text plays one frame, unless it started in this tick; when it ends, it
//      releases the timeline (which moves on at the next tick);
//   4. the frame is drawn (by the caller).
// While a text holds the timeline, ticks go on and the scene frame stands still.
class ScenePlayback
{
public:
    // `textsReady` is false when the project's window images are missing: texts are then not
    // shown and hold nothing, as in the editor.
    ScenePlayback(const scene::Document &document, MeasureFunction measure, NameSource names,
                  double screenHeight, bool textsReady, InputSchedule input);

    // Runs the next tick (the first call runs tick 0).
    void tick();

    // The tick last run (-1 before the first).
    int tickNumber() const { return tick_; }
    // The scene frame shown.
    int frame() const { return frame_; }
    const preview::FrameSample &sample() const { return sample_; }
    // Whether a text holds the timeline.
    bool holding() const { return holding_; }
    // The text window shown (kind none for none) and its engine.
    const TextWindow &window() const { return window_; }
    const TextEngine &engine() const;

    // The state after the tick as one compact JSON line: tick, frame, whether the timeline is
    // held, and the shown text's kind ("message", "scroll" or null) with its engine's page,
    // visible characters, wait count, pause, end and (scrolling text) y.
    std::string traceLine() const;

private:
    void deliverInput();
    void sampleAndShow();
    void releaseInput();

    const scene::Document &document_;
    NameSource names_;
    double screenHeight_;
    bool textsReady_;
    InputSchedule input_;

    TextEngine message_;
    TextEngine scroll_;
    TextWindow window_;
    preview::FrameSample sample_;
    int tick_ = -1;
    int frame_ = 0;
    bool holding_ = false;
    bool startedThisTick_ = false;
    bool pressedThisTick_ = false;
    int waitedTicks_ = 0;
};

} // namespace vignetta::text
