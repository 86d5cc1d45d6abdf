#pragma once

#include <string>
#include <string_view>

namespace vignetta::text {

// The message engine works on code points, so that a character outside the basic plane is one
// character on screen and one frame in playback.

// Decodes UTF-8. Every byte that does not start a well-formed sequence (stray continuation
// bytes, overlong forms, encoded surrogates, values above U+10FFFF, a cut-off sequence) becomes
// one U+FFFD, so the result never holds a surrogate or an invalid code point.
std::u32string decodeUtf8(std::string_view bytes);

// Encodes code points as UTF-8; surrogates and values above U+10FFFF become U+FFFD.
std::string encodeUtf8(std::u32string_view text);

} // namespace vignetta::text
