#pragma once

#include <cstddef>
#include <string_view>

namespace vignetta::json {

// Walks JSON text from `from` without parsing it: calls `visit(i, c)` for every character that
// lies outside string literals and for the opening quote of each string, skipping the string's
// contents (escapes included). `visit` returns false to stop the walk. Quick pre-checks (nesting
// depth, element counts) use it to refuse hostile input before the real parser runs.
template <typename Visit>
void scanOutsideStrings(std::string_view text, std::size_t from, Visit visit)
{
    bool inString = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"')
            inString = true;
        if (!visit(i, c))
            return;
    }
}

} // namespace vignetta::json
