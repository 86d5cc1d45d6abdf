#pragma once

#include <cstddef>
#include <string_view>

namespace vignetta::json {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the bytes there are invalid
// (overlong forms, surrogates and code points above U+10FFFF included).
std::size_t utf8SequenceLength(std::string_view s, std::size_t i);

} // namespace vignetta::json
