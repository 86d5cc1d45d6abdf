#include "text/codes.h"

namespace vignetta::text {

namespace {

bool isAsciiLetter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

bool isSymbolCode(char32_t c)
{
    switch (c) {
    case U'$':
    case U'.':
    case U'|':
    case U'^':
    case U'!':
    case U'>':
    case U'<':
    case U'{':
    case U'}':
    case U'\\':
        return true;
    default:
        return false;
    }
}

// Applies the size codes of the line from `index`; returns the largest size reached and leaves
// `size` at the size after the line and `index` on its newline (or the end).
int scanLine(const std::u32string &text, std::size_t &index, int &size)
{
    int largest = size;
    const std::size_t n = text.size();
    for (; index < n && text[index] != U'\n'; ++index) {
        if (text[index] != kEscape || index + 1 >= n)
            continue;
        const char32_t next = text[index + 1];
        if (next == U'{')
            size = fontSizeBigger(size);
        else if (next == U'}')
            size = fontSizeSmaller(size);
        else
            continue;
        ++index;
        if (size > largest)
            largest = size;
    }
    return largest;
}

} // namespace

int fontSizeBigger(int size)
{
    return size <= kLargestSizeToGrow ? size + kFontSizeStep : size;
}

int fontSizeSmaller(int size)
{
    return size >= kSmallestSizeToShrink ? size - kFontSizeStep : size;
}

std::string readCode(const std::u32string &text, std::size_t &index)
{
    if (index >= text.size())
        return {};
    if (isSymbolCode(text[index]))
        return std::string(1, static_cast<char>(text[index++]));
    std::string code;
    while (index < text.size() && isAsciiLetter(text[index])) {
        const char32_t c = text[index++];
        code.push_back(static_cast<char>(c >= U'a' ? c - (U'a' - U'A') : c));
    }
    return code;
}

long long readParameter(const std::u32string &text, std::size_t &index, bool *found)
{
    if (found)
        *found = false;
    const std::size_t n = text.size();
    if (index >= n || text[index] != U'[')
        return 0;
    std::size_t at = index + 1;
    long long value = 0;
    const std::size_t digitsFrom = at;
    for (; at < n && text[at] >= U'0' && text[at] <= U'9'; ++at) {
        const int digit = static_cast<int>(text[at] - U'0');
        value = value > (kParameterLimit - digit) / 10 ? kParameterLimit : value * 10 + digit;
    }
    if (at == digitsFrom || at >= n || text[at] != U']')
        return 0;
    index = at + 1;
    if (found)
        *found = true;
    return value;
}

int lineHeight(const std::u32string &text, std::size_t index, int fontSize)
{
    int size = fontSize;
    return scanLine(text, index, size) + kLinePadding;
}

double textHeight(const std::u32string &text, std::size_t index, int fontSize)
{
    int size = fontSize;
    double height = 0;
    for (;;) {
        height += scanLine(text, index, size) + kLinePadding;
        if (index >= text.size())
            return height;
        ++index; // the newline
    }
}

} // namespace vignetta::text
