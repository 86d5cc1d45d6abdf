#include "text/scene_playback.h"

#include <utility>

#include "text/conversion.h"
#include "json/js_json.h"

namespace vignetta::text {

ScenePlayback::ScenePlayback(const scene::Document &document, MeasureFunction measure,
                             NameSource names, double screenHeight, bool textsReady,
                             InputSchedule input)
    : document_(document), names_(std::move(names)), screenHeight_(screenHeight),
      textsReady_(textsReady), input_(std::move(input)), message_(measure), scroll_(measure)
{
    message_.setCanvasHeight(kMessageTextHeight);
}

const TextEngine &ScenePlayback::engine() const
{
    return window_.kind == preview::TextKind::scroll ? scroll_ : message_;
}

void ScenePlayback::tick()
{
    ++tick_;
    deliverInput();
    sampleAndShow();

    if (window_.kind != preview::TextKind::none && !startedThisTick_) {
        TextEngine &shown = window_.kind == preview::TextKind::scroll ? scroll_ : message_;
        if (shown.running()) {
            shown.update();
            if (shown.terminated())
                holding_ = false;
        }
    }
    if (window_.kind == preview::TextKind::message && message_.waitingForInput())
        ++waitedTicks_;
    else
        waitedTicks_ = 0;

    releaseInput();
}

void ScenePlayback::deliverInput()
{
    bool press = input_.pressAt.count(tick_) > 0;
    for (const auto &hold : input_.holds)
        press = press || hold.first == tick_;
    pressedThisTick_ = press;
    if (input_.autoAdvance > 0 && waitedTicks_ >= input_.autoAdvance) {
        press = true;
        pressedThisTick_ = true;
        waitedTicks_ = 0;
    }
    if (press) {
        message_.press();
        scroll_.press();
    }
}

void ScenePlayback::releaseInput()
{
    bool heldOn = false;
    bool holdEnds = false;
    for (const auto &hold : input_.holds) {
        heldOn = heldOn || (hold.first <= tick_ && tick_ < hold.second);
        holdEnds = holdEnds || hold.second == tick_;
    }
    // As in the editor, a release reaches only the scrolling text; a message keeps a press
    // until it takes it at a pause.
    if ((pressedThisTick_ || holdEnds) && !heldOn)
        scroll_.release();
}

void ScenePlayback::sampleAndShow()
{
    startedThisTick_ = false;
    if (tick_ > 0) {
        if (holding_)
            return;
        ++frame_;
    }
    sample_ = preview::sampleFrame(document_, frame_, preview::SampleMode::playback);
    holding_ = false;
    window_ = textsReady_ ? textWindowOf(sample_) : TextWindow();

    if (window_.kind == preview::TextKind::message) {
        message_.setStartX(window_.faceName.empty() ? 0 : kFaceTextX);
        message_.startMessage(convertText(window_.text, names_));
        startedThisTick_ = true;
        holding_ = !message_.terminated();
    } else if (window_.kind == preview::TextKind::scroll) {
        scroll_.setScrollY(screenHeight_);
        scroll_.setScrollSpeedRate(window_.scrollSpeed);
        scroll_.setScrollNoFast(window_.scrollNoFast);
        scroll_.startScroll(convertText(window_.text, names_));
        startedThisTick_ = true;
        holding_ = !scroll_.terminated();
    }
}

std::string ScenePlayback::traceLine() const
{
    json::Json line = json::Json::object();
    line["tick"] = tick_;
    line["frame"] = frame_;
    line["hold"] = holding_;
    if (window_.kind == preview::TextKind::none) {
        line["text"] = nullptr;
        return json::stringify(line);
    }
    const TextEngine &shown = engine();
    line["text"] = window_.kind == preview::TextKind::scroll ? "scroll" : "message";
    line["blockId"] = window_.blockId;
    line["page"] = shown.page();
    line["visible"] = shown.visibleCharacters();
    line["waitCount"] = shown.waitCount();
    line["pause"] = shown.paused();
    line["terminated"] = shown.terminated();
    if (window_.kind == preview::TextKind::scroll)
        line["scrollY"] = shown.scrollY();
    return json::stringify(line);
}

} // namespace vignetta::text
