#include "text/conversion.h"

#include "text/codes.h"
#include "text/utf8.h"

namespace vignetta::text {

namespace {

char32_t upper(char32_t c)
{
    return (c >= U'a' && c <= U'z') ? c - (U'a' - U'A') : c;
}

// Replaces every escape + `letter` + "[" digits "]" by what `replace` makes of the number,
// scanning left to right; replacements are not scanned again.
template <typename Replace>
std::u32string replaceNumbered(const std::u32string &text, char32_t letter, Replace replace)
{
    std::u32string out;
    out.reserve(text.size());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        if (text[i] == kEscape && i + 1 < n && upper(text[i + 1]) == letter) {
            std::size_t at = i + 2;
            bool found = false;
            const long long value = readParameter(text, at, &found);
            if (found) {
                out += replace(value);
                i = at;
                continue;
            }
        }
        out.push_back(text[i++]);
    }
    return out;
}

} // namespace

std::u32string convertText(std::string_view stored, const NameSource &names)
{
    const std::u32string decoded = decodeUtf8(stored);

    // Backslashes become escapes (CR LF becomes LF on the way).
    std::u32string escaped;
    escaped.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char32_t c = decoded[i];
        if (c == U'\r' && i + 1 < decoded.size() && decoded[i + 1] == U'\n')
            continue;
        escaped.push_back(c == U'\\' ? kEscape : c);
    }

    // A pair of escapes is one literal backslash, pairs taken from the left.
    std::u32string text;
    text.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == kEscape && i + 1 < escaped.size() && escaped[i + 1] == kEscape) {
            text.push_back(U'\\');
            ++i;
        } else {
            text.push_back(escaped[i]);
        }
    }

    const auto zero = [](long long) { return std::u32string(U"0"); };
    text = replaceNumbered(text, U'V', zero);
    text = replaceNumbered(text, U'V', zero);
    text = replaceNumbered(text, U'N',
                           [&names](long long id) { return decodeUtf8(names.actorName(id)); });
    text = replaceNumbered(text, U'P',
                           [&names](long long n) { return decodeUtf8(names.partyMemberName(n)); });

    const std::u32string unit = decodeUtf8(names.currencyUnit);
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kEscape && i + 1 < text.size() && upper(text[i + 1]) == U'G') {
            out += unit;
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

} // namespace vignetta::text
