#pragma once

#include <vector>

#include "scene/document.h"

namespace vignetta::scene {

// What a press on a block starts: moving the selection, or resizing one block by its left
// (tip) or right (tail) edge.
enum DragMode : int {
    noDrag = 0,
    middleDrag = 1,
    tipDrag = 2,
    tailDrag = 3,
};

// A rectangle in timeline pixels; y is measured from the top of lane 1.
struct PixelRect
{
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double right() const { return x + width; }
    bool operator==(const PixelRect &o) const
    {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
    bool operator!=(const PixelRect &o) const { return !(*this == o); }
};

// The geometry a drag is held within.
struct DragLimits
{
    int pixelPerFrame = 4;
    int laneHeight = 64;
    // Lanes from lane 1 on; a drag never leaves them.
    int laneCount = 1;
    // Resizes only: the block's shortest and longest length, in pixels.
    double minWidth = 0;
    double maxWidth = 0;

    // The end of the timeline in pixels.
    double maxRight() const { return static_cast<double>(maxDuration) * pixelPerFrame; }
};

// The drag a press on a block's `grip` (tipDrag, tailDrag or middleDrag) starts: the edges
// resize only a block of a resizable kind and only when it is the one block selected; otherwise
// every press moves the selection.
DragMode dragModeFor(DragMode grip, int blockMode, int selectedCount);

// Movement, in pixels along either axis, that turns a press into a drag.
constexpr double dragEnableThreshold = 2;

// Where a moved selection lands: `range` held within the timeline and the lanes, its left edge
// truncated to a whole frame and its top snapped to the nearest lane.
PixelRect constrainMove(const PixelRect &range, const DragLimits &limits);
// A block whose left edge is dragged: `range.right()` stays put; the length is kept within
// minWidth..maxWidth and the block never starts before frame 0. Whole frames.
PixelRect constrainTip(const PixelRect &range, const DragLimits &limits);
// A block whose right edge is dragged: the left edge stays; the length is kept within
// minWidth..maxWidth and, where the minimum allows, within the timeline. Whole frames.
PixelRect constrainTail(const PixelRect &range, const DragLimits &limits);

// The lane (1 and up) whose row holds the pixel height y.
int laneAtY(double y, int laneHeight);

// One drag from press to release, as pure arithmetic over mouse movements.
//
// The raw range follows the mouse exactly; the constrained rectangle is derived from it at every
// step, so an edge pulled past a limit and brought back tracks the mouse again. Until the mouse
// has moved more than dragEnableThreshold pixels along x or y the drag is not live and nothing
// moves; the movement gathered until then becomes the first step.
class DragSession
{
public:
    struct Step
    {
        bool becameLive = false;
        // The constrained rectangle changed.
        bool moved = false;
        // The lane under the constrained top changed (moves only).
        bool laneChanged = false;
    };

    DragSession() = default;
    // `range` is the selection's bounding box at the press.
    DragSession(DragMode mode, const PixelRect &range, const DragLimits &limits);

    // Applies the mouse movement since the last step.
    Step step(double dx, double dy);

    DragMode mode() const { return mode_; }
    bool isLive() const { return live_; }
    const PixelRect &startRect() const { return start_; }
    const PixelRect &range() const { return range_; }
    const PixelRect &constrained() const { return constrained_; }
    const DragLimits &limits() const { return limits_; }

    int startLane() const { return laneAtY(start_.y, limits_.laneHeight); }
    int currentLane() const { return laneAtY(constrained_.y, limits_.laneHeight); }
    // Frames and lanes by which a moved selection has shifted (0 for resizes).
    int frameShift() const;
    int laneShift() const { return mode_ == middleDrag ? currentLane() - startLane() : 0; }
    // The constrained rectangle's left edge and length in frames.
    int startFrame() const;
    int lengthFrames() const;

private:
    PixelRect constrain(const PixelRect &range) const;

    DragMode mode_ = noDrag;
    DragLimits limits_;
    PixelRect start_;
    PixelRect range_;
    PixelRect constrained_;
    double pendingX_ = 0;
    double pendingY_ = 0;
    bool live_ = false;
};

// The copies the move rule places on release: each block of `blockIds` as the document holds
// it, carrying its new lane and start (and, for a resize, its new length). Unknown ids are
// skipped.
std::vector<Block> draggedBlocks(const Document &doc, const std::vector<int> &blockIds,
                                 const DragSession &session);

} // namespace vignetta::scene
