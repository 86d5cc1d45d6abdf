#pragma once

#include <string>
#include <string_view>

#include "text/names.h"

namespace vignetta::text {

// Turns a stored message text (UTF-8, as the block holds it) into the text the engine lays
// out, in this order:
//   - invalid UTF-8 becomes U+FFFD and a CR LF line end becomes a single LF;
//   - every backslash becomes the escape character, and two escapes in a row a literal
//     backslash;
//   - escape V[digits] (either case) becomes "0", done twice so that a variable code inside
//     another one is covered too;
//   - escape N[n] becomes the name of actor n, escape P[n] that of party member n (either
//     case; a missing actor gives "");
//   - escape G (either case) becomes the currency unit.
// Other codes stay as an escape followed by the code.
std::u32string convertText(std::string_view stored, const NameSource &names);

} // namespace vignetta::text
