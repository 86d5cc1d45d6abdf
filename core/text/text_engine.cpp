#include "text/text_engine.h"

#include <cmath>
#include <utility>

#include "text/codes.h"

namespace vignetta::text {

namespace {

// Width of a character as the line advances by it: white-space controls take a space's width,
// other control characters none (they draw nothing).
double advanceOf(const MeasureFunction &measure, char32_t c, int fontSize)
{
    if (c == U'\t' || c == U'\r' || c == U'\v')
        c = U' ';
    else if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return 0;
    const double width = measure ? measure(c, fontSize) : 0;
    return std::isfinite(width) && width > 0 ? width : 0;
}

} // namespace

TextEngine::TextEngine(MeasureFunction measure)
    : measure_(std::move(measure)), fontSize_(kDefaultFontSize)
{
}

void TextEngine::reset(Mode mode)
{
    mode_ = mode;
    state_.reset();
    ops_.clear();
    textHeight_ = 0;
    fontSize_ = kDefaultFontSize;
    color_ = 0;
    page_ = 1;
    waitCount_ = 0;
    pause_ = false;
    pauseSkip_ = false;
    lineShowFast_ = false;
    terminated_ = false;
}

void TextEngine::drawAll(std::u32string text)
{
    reset(Mode::whole);
    const bool follows = canvasHeight_ <= 0;
    if (follows)
        textHeight_ = textHeight(text, 0, fontSize_);
    State state;
    state.text = std::move(text);
    state.x = startX_;
    state.height = lineHeight(state.text, 0, fontSize_);
    state_ = std::move(state);
    while (!atEnd()) {
        // Nothing below a fixed canvas can show.
        if (!follows && state_->y >= canvasHeight_)
            break;
        processCharacter(false);
    }
    state_.reset();
}

void TextEngine::startMessage(std::u32string text)
{
    reset(Mode::message);
    triggered_ = false;
    State state;
    state.text = std::move(text);
    state.x = startX_;
    state.height = lineHeight(state.text, 0, fontSize_);
    state_ = std::move(state);
    update();
}

void TextEngine::startScroll(std::u32string text)
{
    const int fixedHeight = canvasHeight_;
    canvasHeight_ = 0;
    drawAll(std::move(text));
    canvasHeight_ = fixedHeight;
    mode_ = Mode::scroll;
}

void TextEngine::update()
{
    if (!running())
        return;
    if (mode_ == Mode::scroll)
        updateScroll();
    else
        updateMessage();
}

void TextEngine::updateMessage()
{
    if (waitCount_ > 0) {
        --waitCount_;
        return;
    }
    if (pause_) {
        if (triggered_) {
            triggered_ = false;
            pause_ = false;
            if (!state_)
                terminate();
        }
        return;
    }
    if (!state_)
        return;
    while (!atEnd()) {
        if (needsNewPage())
            newPage();
        processCharacter(true);
        if (!lineShowFast_ || pause_ || waitCount_ > 0)
            break;
    }
    if (atEnd()) {
        if (pauseSkip_)
            terminate();
        else
            startPause();
        state_.reset();
    }
}

void TextEngine::updateScroll()
{
    double step = scrollSpeedRate_ / 2;
    if (triggered_ && !scrollNoFast_)
        step *= kFastForwardRate;
    scrollY_ -= step;
    if (scrollY_ <= -textHeight_)
        terminate();
}

void TextEngine::terminate()
{
    terminated_ = true;
    state_.reset();
    pause_ = false;
    waitCount_ = 0;
}

bool TextEngine::atEnd() const
{
    return !state_ || state_->index >= state_->text.size();
}

bool TextEngine::needsNewPage() const
{
    // A page that has not moved down yet never turns: its first line is as much as fits.
    return canvasHeight_ > 0 && !atEnd() && state_->y > 0 &&
           state_->y + state_->height > canvasHeight_;
}

void TextEngine::newPage()
{
    ops_.clear();
    fontSize_ = kDefaultFontSize;
    color_ = 0;
    lineShowFast_ = false;
    pauseSkip_ = false;
    state_->x = startX_;
    state_->y = 0;
    state_->height = lineHeight(state_->text, state_->index, fontSize_);
    ++page_;
}

void TextEngine::startPause()
{
    waitCount_ = kPauseDelay;
    pause_ = true;
}

void TextEngine::processCharacter(bool playback)
{
    State &s = *state_;
    const char32_t c = s.text[s.index];
    if (c == U'\n') {
        if (playback)
            lineShowFast_ = false;
        s.x = startX_;
        s.y += s.height;
        ++s.index;
        s.height = lineHeight(s.text, s.index, fontSize_);
        if (playback && needsNewPage())
            startPause();
    } else if (c == U'\f') {
        ++s.index;
        if (playback && canvasHeight_ > 0) {
            // A form feed ends the page: pause, then the rest starts on a new one.
            if (s.index < s.text.size() && s.text[s.index] == U'\n')
                ++s.index;
            s.y = canvasHeight_;
            startPause();
        }
    } else if (c == kEscape) {
        ++s.index;
        processEscape(playback);
    } else {
        ++s.index;
        drawCharacter(c);
    }
}

void TextEngine::processEscape(bool playback)
{
    State &s = *state_;
    const std::string code = readCode(s.text, s.index);
    if (code == "C") {
        color_ = readParameter(s.text, s.index);
    } else if (code == "I") {
        DrawOp op;
        op.kind = DrawOp::Kind::icon;
        op.number = readParameter(s.text, s.index);
        op.x = s.x + kIconInset;
        op.y = s.y + kIconInset;
        ops_.push_back(op);
        s.x += kIconAdvance;
    } else if (code == "{") {
        fontSize_ = fontSizeBigger(fontSize_);
    } else if (code == "}") {
        fontSize_ = fontSizeSmaller(fontSize_);
    } else if (!playback) {
        return;
    } else if (code == ".") {
        waitCount_ = kShortWait;
    } else if (code == "|") {
        waitCount_ = kLongWait;
    } else if (code == "!") {
        startPause();
    } else if (code == ">") {
        lineShowFast_ = true;
    } else if (code == "<") {
        lineShowFast_ = false;
    } else if (code == "^") {
        pauseSkip_ = true;
    }
}

void TextEngine::drawCharacter(char32_t c)
{
    State &s = *state_;
    DrawOp op;
    op.character = c;
    op.fontSize = fontSize_;
    op.lineHeight = s.height;
    op.number = color_;
    op.x = s.x;
    op.y = s.y;
    ops_.push_back(op);
    s.x += advanceOf(measure_, c, fontSize_);
}

} // namespace vignetta::text
