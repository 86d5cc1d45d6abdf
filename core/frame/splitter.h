#pragma once

namespace vignetta::frame {

// The splitter between the upper panes and the timeline is kept as a percentage of the
// height it can move in (the main area less the bar itself).
constexpr double kSplitterMinimum = 20.0;
constexpr double kSplitterMaximum = 80.0;
constexpr double kSplitterInitial = 70.0;

// Top edge of the bar in whole pixels: position × range / 100, truncated, so the timeline
// below it never starts at a fractional pixel. A negative range gives 0.
int splitterTop(double position, double range);

// The position for a bar whose top edge is dragged to `top`, held within 20 to 80 percent.
// With no room to move (range ≤ 0) the position stays where it was.
double splitterPositionForTop(double top, double range, double current);

} // namespace vignetta::frame
