#pragma once

#include <string>
#include <string_view>

#include "text/names.h"

namespace vignetta::text {

// Characters an excerpt shows before its "..".
constexpr std::size_t kExcerptLength = 4;

// The short excerpt a text block shows on the timeline (UTF-8).
// A message: its converted text up to the first newline or form feed, without control codes
// (and without the bracketed parameter of the colour and icon codes); the first four
// characters followed by "..", or "" when nothing is left.
// A comment (a marker): the first four characters of its first line followed by "..".
std::string blockExcerpt(std::string_view text, bool isComment, const NameSource &names);

} // namespace vignetta::text
