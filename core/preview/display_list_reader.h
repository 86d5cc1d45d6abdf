#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vignetta::preview {

// One picture to draw, read from an element of the display-list text's "list" array. The
// members start at the values the paint uses for keys that the element does not have; a key
// that is present but malformed reads as 0 (or the empty string).
struct DisplayEntry
{
    double blockId = -1;
    std::string imageName;
    double imageIndex = -1; // the picture number; only its sign matters for drawing
    int origin = 0;         // 0: position is the upper-left corner, otherwise the centre
    double startX = 0;
    double startY = 0;
    double endX = 0;
    double endY = 0;
    double width = 0; // the picture's own size in pixels
    double height = 0;
    double startWidth = 100; // scale in percent
    double startHeight = 100;
    double endWidth = 100;
    double endHeight = 100;
    double rotateSpeed = 0; // the picture turns by rotateSpeed / 2 degrees per frame
    int startOpacity = 255;
    int endOpacity = 255;
    int blend = 0; // 0 normal, 1 additive, 2 multiply, 3 screen
    int addR = 0;  // colour tone reached at ratio 1
    int addG = 0;
    int addB = 0;
    int gray = 0;
    std::int64_t elapse = 0; // frames since the block started
    int delay = 0;           // the block's duration in frames
};

// The parsed display-list text: the entries in drawing order (first at the bottom) and each
// entry's progress ratio at the same index.
struct DisplayList
{
    std::vector<DisplayEntry> entries;
    std::vector<double> tweens;
};

// Reads the display-list text {"list": [...], "tween": [...]} through the program's guarded
// JSON reader, with these value rules: a number read as a double gives 0 when it is not a
// number; one read as a whole number gives 0 when it is not a number, has a fraction or lies
// outside the int range; a string gives "" when it is not one. A missing or non-array "list" or
// "tween" is empty; text that is not a JSON object gives an empty list. `time` is the current
// frame, from which each entry's "elapse" is taken. The two arrays are returned as they are,
// also when they differ in length.
DisplayList readDisplayList(std::string_view text, int time);

// The start and end frames of one picture block, read from the JSON text of its event data
// with its id under "blockId" (the preview's frame query). Keys absent from the text keep the
// defaults below; `valid` is false when the text is not a JSON object or has no non-negative
// "blockId". Rectangles are moved to the upper-left corner for centre origin.
struct BlockFrame
{
    bool valid = false;
    double blockId = -1; // truncated toward zero
    std::string imageName;
    int origin = 0;
    double startX = 0, startY = 0, startWidth = 0, startHeight = 0;
    double endX = 0, endY = 0, endWidth = 0, endHeight = 0;
    double endRotation = 0; // (blockDelay - 1) * rotateSpeed / 2, not truncated
};
BlockFrame readBlockFrame(std::string_view blockText);

} // namespace vignetta::preview
