#pragma once

#include "preview/frame_geometry.h"

namespace vignetta::preview {

// The new placement of a picture after its frames were dragged on the preview: positions in
// game pixels (the picture's origin point, as the block stores it), and the factors by which
// the block's scale percentages are to be multiplied.
struct FrameDragResult
{
    FramePoint startPosition;
    FramePoint endPosition;
    FramePoint startScale{1, 1};
    FramePoint endScale{1, 1};
};

// A drag of a picture's start and end frames, in screen pixels. A tag moves the frames, a
// handle resizes them; without Alt both frames follow together, with Alt only the frame that
// was grabbed (the other stays as it was at the press). Shift keeps the movement to the axis
// along which the mouse went further. Sizes have no limits: a handle dragged past the opposite
// corner gives a negative size, and so a mirrored picture.
class FrameDrag
{
public:
    FrameDrag() = default;
    FrameDrag(FramePart part, const FrameRect &startAtPress, const FrameRect &endAtPress);

    bool active() const { return part_ != FramePart::none; }
    FramePart part() const { return part_; }

    // Places the frames for a mouse that has moved (dX, dY) since the press.
    void moveBy(double dX, double dY, bool shift, bool alt);

    const FrameRect &start() const { return start_; }
    const FrameRect &end() const { return end_; }
    const FrameRect &startAtPress() const { return startAtPress_; }
    const FrameRect &endAtPress() const { return endAtPress_; }

    // The placement the frames now show. `origin` is the block's origin (0: the position is the
    // upper-left corner, otherwise the centre, half the whole-pixel size in from the corner);
    // `screenScale` the display scale of the frames. A side that was 0 at the press keeps the
    // factor 1, since no factor turns 0 into the new size.
    FrameDragResult result(int origin, double screenScale) const;

private:
    FramePart part_ = FramePart::none;
    FrameRect startAtPress_;
    FrameRect endAtPress_;
    FrameRect start_;
    FrameRect end_;
};

} // namespace vignetta::preview
