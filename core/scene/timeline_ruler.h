#pragma once

#include <vector>

namespace vignetta::scene {

// The frame ruler above the lanes, as positions within the visible width (x = 0 at the left edge
// of what is shown, scrollX pixels into the timeline).

struct RulerLabel
{
    double x = 0;
    int frame = 0;
};

// Frames between two labels: 10 when a frame is 4 pixels or wider, else 100.
int rulerLabelStep(int pixelPerFrame);

// The labels of the visible run, first to last: each stands at its frame's position, the
// label 0 moved 4 pixels right so that it is not cut; frames past the end of the timeline have
// none. Labels whose position lies up to one spacing beyond the right edge are included, so that
// a label's text can reach into view.
std::vector<RulerLabel> rulerLabels(double scrollX, double width, int pixelPerFrame);

// x positions of the tick lines within the visible width: one per frame when a frame is 4 pixels
// or wider, else one per 10 frames; each is half a pixel right of its frame's edge so that a
// 1-pixel line falls on one pixel column.
std::vector<double> rulerTicks(double scrollX, double width, int pixelPerFrame);

// The frame at pixel x of the timeline, held within the timeline's frames (0 to the last one).
int frameAtPixel(double x, int pixelPerFrame);

// The scroll position that puts pixel x in the middle of the visible width, within 0..maxScroll.
double centredScroll(double x, double width, double maxScroll);

} // namespace vignetta::scene
