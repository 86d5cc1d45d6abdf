#include "scene/drag_step.h"

#include <algorithm>
#include <cmath>

namespace vignetta::scene {

namespace {

double truncToFrame(double x, int ppf)
{
    return std::trunc(x / ppf) * ppf;
}

double ceilToFrame(double width, int ppf)
{
    return std::ceil(width / ppf) * ppf;
}

} // namespace

DragMode dragModeFor(DragMode grip, int blockMode, int selectedCount)
{
    if (grip == noDrag)
        return noDrag;
    if ((grip == tipDrag || grip == tailDrag) && selectedCount <= 1 && isResizable(blockMode))
        return grip;
    return middleDrag;
}

PixelRect constrainMove(const PixelRect &range, const DragLimits &limits)
{
    PixelRect r = range;
    const double lanesBottom = static_cast<double>(limits.laneCount) * limits.laneHeight;
    r.x = std::max(0.0, std::min(r.x, limits.maxRight() - r.width));
    r.y = std::max(0.0, std::min(r.y, lanesBottom - r.height));
    r.x = truncToFrame(r.x, limits.pixelPerFrame);
    // The top goes to the lane whose row holds most of the selection's first lane.
    const double half = limits.laneHeight / 2.0;
    r.y = std::trunc((r.y + half) / limits.laneHeight) * limits.laneHeight;
    return r;
}

PixelRect constrainTip(const PixelRect &range, const DragLimits &limits)
{
    const double right = range.right();
    PixelRect r = range;
    if (r.x < 0) {
        r.x = 0;
        r.width = right;
    }
    if (r.width < limits.minWidth) {
        r.x = right - limits.minWidth;
        r.width = limits.minWidth;
    } else if (r.width > limits.maxWidth) {
        r.x = right - limits.maxWidth;
        r.width = limits.maxWidth;
    }
    // A block already shorter than the minimum (read from a file) cannot grow before frame 0.
    if (r.x < 0) {
        r.x = 0;
        r.width = right;
    }
    r.x = truncToFrame(r.x, limits.pixelPerFrame);
    r.width = ceilToFrame(r.width, limits.pixelPerFrame);
    return r;
}

PixelRect constrainTail(const PixelRect &range, const DragLimits &limits)
{
    PixelRect r = range;
    if (r.right() > limits.maxRight())
        r.width = limits.maxRight() - r.x;
    r.width = std::max(limits.minWidth, std::min(r.width, limits.maxWidth));
    r.width = ceilToFrame(r.width, limits.pixelPerFrame);
    return r;
}

int laneAtY(double y, int laneHeight)
{
    return static_cast<int>(std::trunc(y / laneHeight)) + 1;
}

DragSession::DragSession(DragMode mode, const PixelRect &range, const DragLimits &limits)
    : mode_(mode), limits_(limits), start_(range), range_(range), constrained_(range)
{
}

PixelRect DragSession::constrain(const PixelRect &range) const
{
    switch (mode_) {
    case tipDrag:
        return constrainTip(range, limits_);
    case tailDrag:
        return constrainTail(range, limits_);
    case middleDrag:
        return constrainMove(range, limits_);
    default:
        return range;
    }
}

DragSession::Step DragSession::step(double dx, double dy)
{
    Step result;
    if (mode_ == noDrag)
        return result;
    if (!live_) {
        pendingX_ += dx;
        pendingY_ += dy;
        if (std::abs(pendingX_) <= dragEnableThreshold &&
            std::abs(pendingY_) <= dragEnableThreshold)
            return result;
        live_ = true;
        result.becameLive = true;
        dx = pendingX_;
        dy = pendingY_;
    }
    switch (mode_) {
    case middleDrag:
        range_.x += dx;
        range_.y += dy;
        break;
    case tipDrag:
        range_.x += dx;
        range_.width -= dx;
        break;
    case tailDrag:
        range_.width += dx;
        break;
    default:
        break;
    }
    const int laneBefore = currentLane();
    const PixelRect next = constrain(range_);
    result.moved = next != constrained_;
    constrained_ = next;
    result.laneChanged = currentLane() != laneBefore;
    return result;
}

int DragSession::frameShift() const
{
    if (mode_ != middleDrag)
        return 0;
    return static_cast<int>(std::lround((constrained_.x - start_.x) / limits_.pixelPerFrame));
}

int DragSession::startFrame() const
{
    return static_cast<int>(std::trunc(constrained_.x / limits_.pixelPerFrame));
}

int DragSession::lengthFrames() const
{
    return static_cast<int>(std::lround(constrained_.width / limits_.pixelPerFrame));
}

std::vector<Block> draggedBlocks(const Document &doc, const std::vector<int> &blockIds,
                                 const DragSession &session)
{
    std::vector<Block> out;
    out.reserve(blockIds.size());
    for (int id : blockIds) {
        const Block *b = doc.getBlock(id);
        if (!b)
            continue;
        Block copy = *b;
        if (session.mode() == middleDrag) {
            copy.laneId = b->laneId + session.laneShift();
            copy.setStart(b->start() + session.frameShift());
        } else {
            copy.setStart(session.startFrame());
            copy.setDelay(session.lengthFrames());
        }
        out.push_back(std::move(copy));
    }
    return out;
}

} // namespace vignetta::scene
