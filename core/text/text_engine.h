#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vignetta::text {

// Where the text of a window starts when a face is shown: right of the face cell.
constexpr double kFaceTextX = 168;
// Icons are 32-pixel cells drawn 2 pixels in from their place; each takes 36 pixels of the line.
constexpr int kIconSize = 32;
constexpr int kIconInset = 2;
constexpr int kIconAdvance = 36;
// Frames of the wait before a pause for input, and of the wait codes \. and \|.
constexpr int kPauseDelay = 10;
constexpr int kShortWait = 15;
constexpr int kLongWait = 60;
// Scrolling text moves this many times as fast while input is held.
constexpr int kFastForwardRate = 3;

// One thing drawn on the current page, in drawing order.
struct DrawOp
{
    enum class Kind : unsigned char { character, icon };
    Kind kind = Kind::character;
    char32_t character = 0;
    // Characters: the font size and the height of their line (the baseline follows from both).
    int fontSize = 0;
    int lineHeight = 0;
    // Characters: the text colour number; icons: the icon number.
    long long number = 0;
    // Characters: the left end of the character at the top of its line; icons: where the
    // icon's upper-left corner goes.
    double x = 0;
    double y = 0;
};

// Width of a character at a font size, in pixels (the advance the drawing will use).
using MeasureFunction = std::function<double(char32_t character, int fontSize)>;

// Lays out converted message text (see convertText) and plays it frame by frame as the game's
// message window and scrolling text do. Pure and deterministic: the only outside input is the
// measuring function. Three ways to start a text:
//   - drawAll: the whole text at once (editing), with only the colour, icon and size codes;
//   - startMessage: the message window's playback, one character per frame (update());
//   - startScroll: the whole text at once, then moved up a little every frame.
class TextEngine
{
public:
    enum class Mode { idle, whole, message, scroll };

    explicit TextEngine(MeasureFunction measure);

    // Height of the canvas the text is laid out on; 0 lets it follow the whole text (the
    // scrolling text). Pages of a message turn when the next line would not fit.
    void setCanvasHeight(int height) { canvasHeight_ = height; }
    // Where lines start: kFaceTextX when a face is shown, else 0.
    void setStartX(double x) { startX_ = x; }
    void setScrollSpeedRate(double rate) { scrollSpeedRate_ = rate; }
    void setScrollNoFast(bool noFast) { scrollNoFast_ = noFast; }
    void setScrollY(double y) { scrollY_ = y; }

    // Lays out the whole text. With a fixed canvas height, lines below it are left out.
    void drawAll(std::u32string text);
    // Starts the message playback: a fresh page, then the first update at once.
    void startMessage(std::u32string text);
    // Lays out the whole text and starts moving it up from the current scroll position.
    void startScroll(std::u32string text);

    // One frame of playback. Does nothing unless a message or scrolling text runs.
    void update();
    // The player's decision button: press() holds it, release() lets go. A message takes a
    // press at its next pause for input; a scrolling text runs fast while it is held. A press
    // made before a message starts does not count for it.
    void press() { triggered_ = true; }
    void release() { triggered_ = false; }
    // Ends the playback at once.
    void terminate();

    Mode mode() const { return mode_; }
    bool running() const
    {
        return (mode_ == Mode::message || mode_ == Mode::scroll) && !terminated_;
    }
    const std::vector<DrawOp> &ops() const { return ops_; }
    // The canvas height: the fixed one, or that of the whole text (always for a scrolling
    // text).
    double height() const
    {
        return canvasHeight_ > 0 && mode_ != Mode::scroll ? canvasHeight_ : textHeight_;
    }
    double scrollY() const { return scrollY_; }
    int page() const { return page_; }
    // Characters (spaces included) and icons drawn on the current page.
    std::size_t visibleCharacters() const { return ops_.size(); }
    int waitCount() const { return waitCount_; }
    bool paused() const { return pause_; }
    // Whether the text waits for a press right now (paused, the wait before it over).
    bool waitingForInput() const { return running() && pause_ && waitCount_ == 0; }
    bool terminated() const { return terminated_; }
    bool lineShowFast() const { return lineShowFast_; }
    bool pauseSkip() const { return pauseSkip_; }
    bool triggered() const { return triggered_; }
    int fontSize() const { return fontSize_; }
    long long colorNumber() const { return color_; }

private:
    struct State
    {
        std::u32string text;
        std::size_t index = 0;
        double x = 0;
        double y = 0;
        int height = 0;
    };

    void reset(Mode mode);
    void newPage();
    bool atEnd() const;
    bool needsNewPage() const;
    void startPause();
    void processCharacter(bool playback);
    void processEscape(bool playback);
    void drawCharacter(char32_t c);
    void updateMessage();
    void updateScroll();

    MeasureFunction measure_;
    int canvasHeight_ = 0;
    double startX_ = 0;
    double scrollSpeedRate_ = 2;
    bool scrollNoFast_ = false;

    Mode mode_ = Mode::idle;
    std::optional<State> state_;
    std::vector<DrawOp> ops_;
    double textHeight_ = 0;
    double scrollY_ = 0;
    int fontSize_ = 0;
    long long color_ = 0;
    int page_ = 0;
    int waitCount_ = 0;
    bool pause_ = false;
    bool pauseSkip_ = false;
    bool lineShowFast_ = false;
    bool triggered_ = false;
    bool terminated_ = false;
};

} // namespace vignetta::text
