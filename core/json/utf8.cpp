#include "json/utf8.h"

namespace vignetta::json {

std::size_t utf8SequenceLength(std::string_view s, std::size_t i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80)
        return 1;
    std::size_t len;
    unsigned lo = 0x80, hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0)
            lo = 0xA0;
        else if (b0 == 0xED)
            hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0)
            lo = 0x90;
        else if (b0 == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t j = 1; j < len; ++j) {
        const auto b = static_cast<unsigned char>(s[i + j]);
        const unsigned l = j == 1 ? lo : 0x80, h = j == 1 ? hi : 0xBF;
        if (b < l || b > h)
            return 0;
    }
    return len;
}

} // namespace vignetta::json
