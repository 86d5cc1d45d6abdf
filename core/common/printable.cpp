#include "common/printable.h"

#include "json/utf8.h"

namespace vignetta::common {

namespace {

std::string escaped(std::string_view text, bool keepLineBreaks)
{
    static const char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = json::utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
            ++i;
            continue;
        }
        // U+0080..U+009F are encoded as C2 80..C2 9F.
        const bool c1 = length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        // U+2028 and U+2029 (E2 80 A8, E2 80 A9) end a line wherever they are shown.
        const bool separator = length == 3 && c == 0xE2 && text[i + 1] == '\x80' &&
                               (text[i + 2] == '\xA8' || text[i + 2] == '\xA9');
        if (separator) {
            out += text[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
            i += length;
            continue;
        }
        const bool lineBreak = keepLineBreaks && (c == '\n' || c == '\t');
        if ((c < 0x20 && !lineBreak) || c == 0x7F || c1) {
            const unsigned code = c1 ? static_cast<unsigned char>(text[i + 1]) : c;
            out += "\\u00";
            out += hex[code >> 4];
            out += hex[code & 0xF];
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out;
}

} // namespace

std::string printable(std::string_view text)
{
    return escaped(text, false);
}

std::string printableLines(std::string_view text)
{
    return escaped(text, true);
}

} // namespace vignetta::common
