#include "text/excerpt.h"

#include "text/codes.h"
#include "text/conversion.h"
#include "text/utf8.h"

namespace vignetta::text {

std::string blockExcerpt(std::string_view text, bool isComment, const NameSource &names)
{
    std::u32string shown;
    if (isComment) {
        const std::u32string comment = decodeUtf8(text);
        for (std::size_t i = 0; i < comment.size() && shown.size() < kExcerptLength; ++i) {
            if (comment[i] == U'\n' || comment[i] == U'\r')
                break;
            shown.push_back(comment[i]);
        }
        return encodeUtf8(shown) + "..";
    }

    const std::u32string converted = convertText(text, names);
    std::size_t i = 0;
    while (i < converted.size() && shown.size() < kExcerptLength) {
        const char32_t c = converted[i];
        if (c == U'\n' || c == U'\f')
            break;
        ++i;
        if (c != kEscape) {
            shown.push_back(c);
            continue;
        }
        const std::string code = readCode(converted, i);
        if (code == "C" || code == "I")
            readParameter(converted, i);
    }
    return shown.empty() ? std::string() : encodeUtf8(shown) + "..";
}

} // namespace vignetta::text
