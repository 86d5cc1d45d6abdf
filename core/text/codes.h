#pragma once

#include <cstddef>
#include <string>

namespace vignetta::text {

// Control codes in message text start with this character once the text has been converted
// (every backslash of the stored text becomes one; a doubled backslash stands for itself).
constexpr char32_t kEscape = 0x1B;

// Font sizes in pixels: the size every text and page starts with, and the steps of the size
// codes. A step up applies only while the size is at most kLargestSizeToGrow (so 100 at most
// from 28), a step down only while it is at least kSmallestSizeToShrink (16 at least).
constexpr int kDefaultFontSize = 28;
constexpr int kFontSizeStep = 12;
constexpr int kLargestSizeToGrow = 96;
constexpr int kSmallestSizeToShrink = 24;
// A line is as high as the largest font size reached on it plus this.
constexpr int kLinePadding = 8;

// Bracketed parameters are read as whole numbers up to this value; longer digit runs saturate
// here, which is far beyond any colour or icon a sheet can hold.
constexpr long long kParameterLimit = 999999999999999LL;

int fontSizeBigger(int size);
int fontSizeSmaller(int size);

// Reads the code that follows an escape character; `index` is the position after the escape
// and moves past the code. The code is one of the symbols $ . | ^ ! > < { } \ when one follows,
// else the whole run of ASCII letters, upper-cased; "" when neither follows.
std::string readCode(const std::u32string &text, std::size_t &index);

// Reads a parameter "[" digits "]" at `index` and moves past it. Without one, `index` stays and
// the result is 0 (an absent parameter acts as 0). `found`, when given, tells which it was.
long long readParameter(const std::u32string &text, std::size_t &index, bool *found = nullptr);

// Height of the line that starts at `index` (up to the next newline) for a text whose current
// font size is `fontSize`: the largest size the line's size codes reach, taken in order from
// `fontSize`, plus kLinePadding.
int lineHeight(const std::u32string &text, std::size_t index, int fontSize);

// Height of all lines from `index` to the end, the font size carrying from line to line.
double textHeight(const std::u32string &text, std::size_t index, int fontSize);

} // namespace vignetta::text
