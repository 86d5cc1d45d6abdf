#include "scene/conversion.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Slice values must be bit for bit what the host-side arithmetic gives, so no fused
// multiply-add may merge the products and sums below (GCC keeps them apart in ISO mode).
#if defined(__clang__)
#pragma STDC FP_CONTRACT OFF
#endif

namespace vignetta::scene {

namespace {

// Frames are ints in the document; their sums and differences are taken in 64 bits so that a
// file with frames near the int range cannot overflow.
using Frame = std::int64_t;

constexpr int kMaxWait = 999;

enum Code : int {
    code_text_settings = 101,
    code_text_line = 401,
    code_scroll_settings = 105,
    code_scroll_line = 405,
    code_comment_first = 108,
    code_comment_more = 408,
    code_fadeout_screen = 221,
    code_fadein_screen = 222,
    code_flash_screen = 224,
    code_shake_screen = 225,
    code_wait = 230,
    code_show_picture = 231,
    code_move_picture = 232,
    code_rotate_picture = 233,
    code_tint_picture = 234,
    code_erase_picture = 235,
    code_play_bgm = 241,
    code_fadeout_bgm = 242,
    code_play_bgs = 245,
    code_fadeout_bgs = 246,
    code_play_me = 249,
    code_play_se = 250,
};

// A time span of one picture block that survives the cutting of overlapping same-number
// pictures. The ratios say which part of the block's start-to-end motion the span covers.
struct Piece
{
    const BlockView *view = nullptr;
    int laneId = 0;
    Frame start = 0;
    Frame end = 0;
    double startRatio = 0;
    double endRatio = 1;
};

// The picture blocks that share one picture number, lane by lane, lanes ascending.
struct PictureGroup
{
    std::vector<std::pair<int, std::vector<Piece>>> lanes;
};

Piece wholeBlock(const Block &block)
{
    const BlockView &v = block.view();
    Piece p;
    p.view = &v;
    p.laneId = block.laneId;
    p.start = v.blockStart;
    p.end = static_cast<Frame>(v.blockStart) + v.blockDelay;
    return p;
}

// Appends to `base` the parts of `block` that no single piece of `base` covers. The block is cut
// at every start and end of a base piece that lies strictly inside it; each part records the
// ratios of its ends within the block.
class Subtraction
{
public:
    void apply(const Piece &block, std::vector<Piece> &base)
    {
        const Frame s = block.start;
        const Frame e = block.end;
        const std::size_t baseSize = base.size();
        if (e <= s) {
            // No point lies strictly inside: the block is one part, dropped when a base piece
            // spans it.
            for (std::size_t i = 0; i < baseSize; ++i) {
                if (base[i].start <= s && e <= base[i].end)
                    return;
            }
            base.push_back(block);
            return;
        }

        cuts_.clear();
        for (std::size_t i = 0; i < baseSize; ++i) {
            if (base[i].start > s && base[i].start < e)
                cuts_.push_back(base[i].start);
            if (base[i].end > s && base[i].end < e)
                cuts_.push_back(base[i].end);
        }
        std::sort(cuts_.begin(), cuts_.end());
        cuts_.erase(std::unique(cuts_.begin(), cuts_.end()), cuts_.end());
        cuts_.insert(cuts_.begin(), s);
        cuts_.push_back(e);

        // Segment i runs from cuts_[i] to cuts_[i + 1]. A base piece covers exactly the
        // segments whose both ends lie within it: a contiguous run found by binary search,
        // marked in a difference array.
        const std::size_t segments = cuts_.size() - 1;
        covered_.assign(segments + 1, 0);
        for (std::size_t i = 0; i < baseSize; ++i) {
            const Piece &p = base[i];
            if (p.end < s || p.start > e)
                continue;
            const auto lo = std::lower_bound(cuts_.begin(), cuts_.end(), p.start) - cuts_.begin();
            const auto hi = std::upper_bound(cuts_.begin(), cuts_.end(), p.end) - cuts_.begin() - 1;
            if (hi > lo) {
                ++covered_[static_cast<std::size_t>(lo)];
                --covered_[static_cast<std::size_t>(hi)];
            }
        }

        const double length = static_cast<double>(e - s);
        int depth = 0;
        for (std::size_t i = 0; i < segments; ++i) {
            depth += covered_[i];
            if (depth > 0)
                continue;
            Piece part = block;
            part.start = cuts_[i];
            part.end = cuts_[i + 1];
            part.startRatio = i == 0 ? 0.0 : static_cast<double>(cuts_[i] - s) / length;
            part.endRatio =
                i + 1 == segments ? 1.0 : static_cast<double>(cuts_[i + 1] - s) / length;
            base.push_back(part);
        }
    }

private:
    std::vector<Frame> cuts_;
    std::vector<int> covered_;
};

// Picture blocks of lanes 1 and up, grouped by picture number (groups in order of first
// appearance, scanning lanes in ascending order and blocks in lane order) and cut so that where
// same-number blocks overlap only the one on the higher lane remains. Returns every group's
// pieces, one group after another.
std::vector<Piece> picturePieces(const Document &document)
{
    std::vector<PictureGroup> groups;
    std::unordered_map<int, std::size_t> groupOfNumber;
    for (const Lane &lane : document.lanes()) {
        if (lane.laneId < 1)
            continue;
        for (const Block &block : lane.blocks) {
            if (block.mode() != mode_picture)
                continue;
            const auto found = groupOfNumber.try_emplace(block.view().imageIndex, groups.size());
            if (found.second)
                groups.emplace_back();
            auto &lanes = groups[found.first->second].lanes;
            if (lanes.empty() || lanes.back().first != lane.laneId)
                lanes.emplace_back(lane.laneId, std::vector<Piece>());
            lanes.back().second.push_back(wholeBlock(block));
        }
    }

    std::vector<Piece> pieces;
    Subtraction subtraction;
    for (PictureGroup &group : groups) {
        // The highest lane wins outright; each lower lane keeps what is still uncovered.
        std::vector<Piece> base = std::move(group.lanes.back().second);
        for (auto lane = group.lanes.rbegin() + 1; lane != group.lanes.rend(); ++lane) {
            for (const Piece &block : lane->second)
                subtraction.apply(block, base);
        }
        pieces.insert(pieces.end(), base.begin(), base.end());
    }
    return pieces;
}

// The blocks of the other kinds, each list in file order (by start, then lane).
struct Categories
{
    std::vector<const Block *> messages; // show text and scrolling text
    std::vector<const Block *> fades;
    std::vector<const Block *> sounds;
    std::vector<const Block *> screens;
    std::vector<const Block *> comments;
    std::vector<const Block *> soundFades;
};

Categories categorise(const std::vector<Block> &ordered)
{
    Categories c;
    for (const Block &block : ordered) {
        switch (block.mode()) {
        case mode_message:
        case mode_scroll:
            c.messages.push_back(&block);
            break;
        case mode_fade:
            c.fades.push_back(&block);
            break;
        case mode_sound:
            c.sounds.push_back(&block);
            break;
        case mode_screen:
            c.screens.push_back(&block);
            break;
        case mode_comment:
            c.comments.push_back(&block);
            break;
        case mode_sound_fade:
            c.soundFades.push_back(&block);
            break;
        default: // pictures are cut into pieces separately; kind 6 converts to nothing
            break;
        }
    }
    return c;
}

std::vector<Frame> boundaries(const std::vector<Piece> &pieces, const Categories &c)
{
    std::vector<Frame> frames;
    frames.push_back(0);
    for (const Piece &p : pieces) {
        frames.push_back(p.start);
        frames.push_back(p.end);
    }
    auto addStarts = [&frames](const std::vector<const Block *> &blocks, bool withEnds) {
        for (const Block *b : blocks) {
            const BlockView &v = b->view();
            frames.push_back(v.blockStart);
            if (withEnds)
                frames.push_back(static_cast<Frame>(v.blockStart) + v.blockDelay);
        }
    };
    addStarts(c.messages, false);
    addStarts(c.fades, true);
    addStarts(c.sounds, false);
    addStarts(c.soundFades, false);
    addStarts(c.screens, true);
    addStarts(c.comments, false);
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    frames.erase(frames.begin(), std::lower_bound(frames.begin(), frames.end(), Frame(0)));
    return frames;
}

// Walks one category list (ordered by start) alongside the ascending boundaries.
class StartCursor
{
public:
    explicit StartCursor(const std::vector<const Block *> &blocks) : blocks_(blocks) {}

    // The blocks that start at `frame`, as [first, last) indices; frames must ascend.
    std::pair<std::size_t, std::size_t> startingAt(Frame frame)
    {
        while (next_ < blocks_.size() && blocks_[next_]->view().blockStart < frame)
            ++next_;
        const std::size_t first = next_;
        while (next_ < blocks_.size() && blocks_[next_]->view().blockStart == frame)
            ++next_;
        return {first, next_};
    }

    const Block *operator[](std::size_t i) const { return blocks_[i]; }

private:
    const std::vector<const Block *> &blocks_;
    std::size_t next_ = 0;
};

// Where the conversion's commands go: into a JSON array, or straight into the compact text of
// the list (the form the clipboard and the command line take, without the array in memory).
// Either way the length of the list's text is counted, and once it passes the bound the sink
// takes nothing more and the conversion stops.
class CommandSink
{
public:
    CommandSink(ConversionOutput what, std::size_t maxBytes) : what_(what), maxBytes_(maxBytes)
    {
        if (what_ == ConversionOutput::list)
            list_ = Json::array();
        else
            text_ = "[";
        bytes_ = 2; // the brackets
    }

    void reserve(std::size_t commands)
    {
        if (what_ == ConversionOutput::list)
            list_.get_ref<Json::array_t &>().reserve(std::min<std::size_t>(commands, 1u << 20));
    }

    void push_back(Json command)
    {
        if (full())
            return;
        if (!counting()) {
            list_.push_back(std::move(command));
            return;
        }
        const std::size_t before = text_.size();
        if (count_ > 0)
            text_ += ',';
        json::stringifyTo(command, text_);
        bytes_ += text_.size() - before;
        ++count_;
        if (what_ == ConversionOutput::list) {
            text_.clear(); // only counted
            list_.push_back(std::move(command));
        }
    }

    bool full() const { return bytes_ > maxBytes_; }
    // The text's length, when it was counted (always for text, for a list only under a bound).
    std::size_t bytes() const { return counting() ? bytes_ : 0; }

    Json takeList() { return std::move(list_); }
    std::string takeText()
    {
        text_ += ']';
        return std::move(text_);
    }

private:
    bool counting() const { return what_ == ConversionOutput::text || maxBytes_ != SIZE_MAX; }

    ConversionOutput what_;
    std::size_t maxBytes_;
    std::size_t bytes_ = 0;
    std::size_t count_ = 0;
    Json list_;
    std::string text_;
};

Json command(int code, Json parameters)
{
    Json::object_t c;
    c.reserve(3);
    c.emplace_back("code", code);
    c.emplace_back("indent", 0);
    c.emplace_back("parameters", std::move(parameters));
    return Json(std::move(c));
}

double along(double q0, double q1, double ratio)
{
    return q0 + (q1 - q0) * ratio;
}

// The interpolated values of a picture slice: position, scale, opacity and tone.
struct PictureState
{
    double x, y, scaleWidth, scaleHeight, opacity, toneR, toneG, toneB, toneS;
};

// A piece's part from boundary `from` to `to`. The piece runs from P0 to P1 (its ratios applied
// to the block's start and end values); the slice's values are taken on that line, unrounded.
class Slice
{
public:
    Slice(const Piece &piece, Frame from, Frame to) : piece_(&piece), from_(from), to_(to) {}

    const Piece &piece() const { return *piece_; }
    int number() const { return piece_->view->imageIndex; }
    Frame length() const { return to_ - from_; }
    bool continuing() const { return from_ != piece_->start; }

    PictureState startState() const { return state(true); }
    PictureState endState() const { return state(false); }

private:
    const Piece *piece_;
    Frame from_;
    Frame to_;

    double value(double q0, double q1, bool atStart) const
    {
        const double p0 = along(q0, q1, piece_->startRatio);
        const double p1 = along(q0, q1, piece_->endRatio);
        const double length = static_cast<double>(piece_->end - piece_->start);
        if (atStart)
            return p0 + (p1 - p0) * static_cast<double>(from_ - piece_->start) / length;
        return p1 - (p1 - p0) * static_cast<double>(piece_->end - to_) / length;
    }

    PictureState state(bool atStart) const
    {
        const BlockView &v = *piece_->view;
        return {value(v.startPosition.x, v.endPosition.x, atStart),
                value(v.startPosition.y, v.endPosition.y, atStart),
                value(v.startScale.width, v.endScale.width, atStart),
                value(v.startScale.height, v.endScale.height, atStart),
                value(v.startOpacity, v.endOpacity, atStart),
                value(0, v.endColor.R, atStart),
                value(0, v.endColor.G, atStart),
                value(0, v.endColor.B, atStart),
                value(0, v.endColor.S, atStart)};
    }
};

Json showPicture(const Slice &slice)
{
    const BlockView &v = *slice.piece().view;
    const PictureState s = slice.startState();
    return command(code_show_picture,
                   Json::array({slice.number(), v.imageName, v.origin, 0, s.x, s.y, s.scaleWidth,
                                s.scaleHeight, s.opacity, v.blend}));
}

void appendMotion(const Slice &slice, CommandSink &out)
{
    const BlockView &v = *slice.piece().view;
    const PictureState e = slice.endState();
    const int number = slice.number();
    out.push_back(command(code_move_picture,
                          Json::array({number, 0, v.origin, 0, e.x, e.y, e.scaleWidth,
                                       e.scaleHeight, e.opacity, v.blend, slice.length(), false})));
    out.push_back(command(code_rotate_picture, Json::array({number, v.rotateSpeed})));
    out.push_back(command(code_tint_picture,
                          Json::array({number, Json::array({e.toneR, e.toneG, e.toneB, e.toneS}),
                                       slice.length(), false})));
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    for (;;) {
        const std::size_t lf = text.find('\n', from);
        if (lf == std::string_view::npos) {
            lines.push_back(text.substr(from));
            return lines;
        }
        lines.push_back(text.substr(from, lf - from));
        from = lf + 1;
    }
}

Json lineParameter(std::string_view line)
{
    return Json::array({std::string(line)});
}

void appendMessage(const BlockView &v, CommandSink &out)
{
    const auto lines = splitLines(v.messageText);
    if (v.blockMode == mode_scroll) {
        out.push_back(command(code_scroll_settings, Json::array({v.scrollSpeed, v.scrollNoFast})));
        for (std::size_t i = 0; i < lines.size() && !out.full(); ++i)
            out.push_back(command(code_scroll_line, lineParameter(lines[i])));
        return;
    }
    // The host's message window shows four lines at a time.
    for (std::size_t i = 0; i < lines.size() && !out.full(); ++i) {
        if (i % 4 == 0) {
            out.push_back(
                command(code_text_settings, Json::array({v.messageImageName, v.messageImageIndex,
                                                         v.messageBackground, v.messagePosition})));
        }
        out.push_back(command(code_text_line, lineParameter(lines[i])));
    }
}

std::string asciiLower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

Json audioObject(const BlockView &v)
{
    Json a = Json::object();
    a.emplace("name", v.audioName);
    a.emplace("volume", v.volume);
    a.emplace("pitch", v.pitch);
    a.emplace("pan", v.pan);
    return a;
}

void appendComment(const BlockView &v, CommandSink &out)
{
    auto lines = splitLines(v.comment);
    while (lines.size() > 1 && lines.back().empty())
        lines.pop_back();
    for (std::size_t i = 0; i < lines.size() && !out.full(); ++i)
        out.push_back(
            command(i == 0 ? code_comment_first : code_comment_more, lineParameter(lines[i])));
}

// A command of the picture erase/show phase of one boundary, kept symbolic until the phase is
// settled because a later slice may replace or remove an earlier show.
struct HeadCommand
{
    int code;
    int number;
    const Slice *slice; // for shows
};

// Roughly how many commands the list will hold, so that it is allocated once: three motion
// commands per slice, a show and an erase per piece, a few commands per boundary.
std::size_t estimatedCommands(const std::vector<Piece> &pieces, const std::vector<Frame> &frames)
{
    std::size_t count = 4 * frames.size();
    for (const Piece &p : pieces) {
        if (p.end <= p.start)
            continue;
        const auto first = std::lower_bound(frames.begin(), frames.end(), p.start);
        const auto last = std::lower_bound(first, frames.end(), p.end);
        count += 3 * static_cast<std::size_t>(last - first) + 2;
    }
    return count;
}

} // namespace

ConversionResult convertScene(const Document &document, ConversionOutput what, std::size_t maxBytes)
{
    const std::vector<Block> ordered = document.unify();
    const Categories categories = categorise(ordered);
    const std::vector<Piece> pieces = picturePieces(document);
    const std::vector<Frame> frames = boundaries(pieces, categories);

    // Pieces listed at a boundary are ordered by lane, ties in piece order; `byLane` is that
    // order once for all. `byStart` feeds the sweep that keeps the pieces covering the current
    // boundary in `active` (as positions in `byLane`, ascending).
    std::vector<std::size_t> byLane(pieces.size());
    for (std::size_t i = 0; i < byLane.size(); ++i)
        byLane[i] = i;
    std::stable_sort(byLane.begin(), byLane.end(), [&pieces](std::size_t a, std::size_t b) {
        return pieces[a].laneId < pieces[b].laneId;
    });
    std::vector<std::size_t> byStart(pieces.size());
    for (std::size_t i = 0; i < byStart.size(); ++i)
        byStart[i] = i;
    std::stable_sort(byStart.begin(), byStart.end(),
                     [&pieces, &byLane](std::size_t a, std::size_t b) {
                         return pieces[byLane[a]].start < pieces[byLane[b]].start;
                     });
    std::size_t nextByStart = 0;
    std::vector<std::size_t> active;
    std::vector<std::size_t> arriving;

    StartCursor messages(categories.messages);
    StartCursor fades(categories.fades);
    StartCursor sounds(categories.sounds);
    StartCursor screens(categories.screens);
    StartCursor comments(categories.comments);
    StartCursor soundFades(categories.soundFades);

    CommandSink out(what, maxBytes);
    out.reserve(estimatedCommands(pieces, frames));
    std::vector<const Piece *> ending;
    std::vector<Slice> slices;
    std::vector<HeadCommand> head;

    for (std::size_t bi = 0; bi < frames.size() && !out.full(); ++bi) {
        const Frame b = frames[bi];
        const bool last = bi + 1 == frames.size();
        const Frame nextB = last ? b : frames[bi + 1];

        // Pieces covering b: start <= b <= end.
        arriving.clear();
        while (nextByStart < byStart.size() && pieces[byLane[byStart[nextByStart]]].start <= b) {
            const std::size_t rank = byStart[nextByStart++];
            if (pieces[byLane[rank]].end >= b)
                arriving.push_back(rank);
        }
        if (!arriving.empty()) {
            std::sort(arriving.begin(), arriving.end());
            const auto middle = active.insert(active.end(), arriving.begin(), arriving.end());
            std::inplace_merge(active.begin(), middle, active.end());
        }

        ending.clear();
        slices.clear();
        for (std::size_t rank : active) {
            const Piece &p = pieces[byLane[rank]];
            if (p.end == b)
                ending.push_back(&p);
            else
                slices.emplace_back(p, b, std::min(nextB, p.end));
        }

        // 1, 2: erase what ends here, show what starts here. A picture number can be shown once
        // per boundary: a newly starting slice replaces an earlier show of its number, and a
        // continuing one withdraws it. A continuing slice is shown again only when its number was
        // erased here.
        head.clear();
        for (const Piece *p : ending)
            head.push_back({code_erase_picture, p->view->imageIndex, nullptr});
        for (const Slice &slice : slices) {
            const int number = slice.number();
            const auto shown =
                std::find_if(head.begin(), head.end(), [number](const HeadCommand &c) {
                    return c.code == code_show_picture && c.number == number;
                });
            if (shown != head.end()) {
                if (slice.continuing())
                    head.erase(shown);
                else
                    shown->slice = &slice;
                continue;
            }
            const bool erasedHere =
                std::any_of(head.begin(), head.end(), [number](const HeadCommand &c) {
                    return c.code == code_erase_picture && c.number == number;
                });
            if (!slice.continuing() || erasedHere)
                head.push_back({code_show_picture, number, &slice});
        }
        for (const HeadCommand &c : head) {
            if (c.code == code_erase_picture)
                out.push_back(command(code_erase_picture, Json::array({c.number})));
            else
                out.push_back(showPicture(*c.slice));
        }

        // 3: one message per boundary, the one on the highest lane.
        const auto startingMessages = messages.startingAt(b);
        if (startingMessages.first != startingMessages.second)
            appendMessage(messages[startingMessages.second - 1]->view(), out);

        // 4: picture motion of every slice.
        for (const Slice &slice : slices)
            appendMotion(slice, out);

        // 5: every sound effect; one BGM, BGS and ME each, the last of its type.
        const auto startingSounds = sounds.startingAt(b);
        const BlockView *bgm = nullptr;
        const BlockView *bgs = nullptr;
        const BlockView *me = nullptr;
        for (std::size_t i = startingSounds.first; i < startingSounds.second; ++i) {
            const BlockView &v = sounds[i]->view();
            const std::string type = asciiLower(v.audioType);
            if (type == "se")
                out.push_back(command(code_play_se, Json::array({audioObject(v)})));
            else if (type == "bgm")
                bgm = &v;
            else if (type == "bgs")
                bgs = &v;
            else if (type == "me")
                me = &v;
        }
        if (bgm)
            out.push_back(command(code_play_bgm, Json::array({audioObject(*bgm)})));
        if (bgs)
            out.push_back(command(code_play_bgs, Json::array({audioObject(*bgs)})));
        if (me)
            out.push_back(command(code_play_me, Json::array({audioObject(*me)})));

        // 6: the last sound fade.
        const auto startingSoundFades = soundFades.startingAt(b);
        if (startingSoundFades.first != startingSoundFades.second) {
            const BlockView &v = soundFades[startingSoundFades.second - 1]->view();
            const std::string type = asciiLower(v.fadeoutAudioType);
            const int seconds = v.blockDelay / 60;
            if (type == "bgm")
                out.push_back(command(code_fadeout_bgm, Json::array({seconds})));
            else if (type == "bgs")
                out.push_back(command(code_fadeout_bgs, Json::array({seconds})));
        }

        // 7: the last screen effect.
        const auto startingScreens = screens.startingAt(b);
        if (startingScreens.first != startingScreens.second) {
            const BlockView &v = screens[startingScreens.second - 1]->view();
            if (v.flashEnabled) {
                const FlashColor &c = v.flashColor;
                out.push_back(
                    command(code_flash_screen,
                            Json::array({Json::array({c.R, c.G, c.B, c.P}), v.blockDelay, false})));
            }
            if (v.shakeEnabled) {
                out.push_back(command(code_shake_screen, Json::array({v.shakePower, v.shakeSpeed,
                                                                      v.blockDelay, false})));
            }
        }

        // 8: every comment.
        const auto startingComments = comments.startingAt(b);
        for (std::size_t i = startingComments.first; i < startingComments.second; ++i)
            appendComment(comments[i]->view(), out);

        // 9: the last screen fade. The host waits for a fade itself, so no wait follows one.
        const auto startingFades = fades.startingAt(b);
        const bool fadeHere = startingFades.first != startingFades.second;
        if (fadeHere) {
            const BlockView &v = fades[startingFades.second - 1]->view();
            out.push_back(
                command(v.fadeType == 0 ? code_fadeout_screen : code_fadein_screen, Json::array()));
        }

        // 10: wait up to the next boundary, at most 999 frames per command.
        if (!last && !fadeHere) {
            Frame wait = nextB - b;
            while (wait > kMaxWait) {
                out.push_back(command(code_wait, Json::array({kMaxWait})));
                wait -= kMaxWait;
            }
            out.push_back(command(code_wait, Json::array({wait})));
        }

        // Pieces that end here are done.
        active.erase(std::remove_if(active.begin(), active.end(),
                                    [&pieces, &byLane, b](std::size_t rank) {
                                        return pieces[byLane[rank]].end <= b;
                                    }),
                     active.end());
    }

    ConversionResult result;
    if (out.full()) {
        result.error = "the event commands of the scene would take more than " +
                       std::to_string(maxBytes >> 20) + " MB";
        return result;
    }
    result.ok = true;
    result.bytes = out.bytes();
    if (what == ConversionOutput::list)
        result.commands = out.takeList();
    else
        result.text = out.takeText();
    return result;
}

Json convertData2Event(const Document &document)
{
    return convertScene(document, ConversionOutput::list, SIZE_MAX).commands;
}

} // namespace vignetta::scene
