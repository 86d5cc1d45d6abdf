#pragma once

#include <string>
#include <string_view>

namespace vignetta::common {

// `text` made safe to print on a terminal inside a message: control characters (C0, DEL and
// the C1 range, which terminals read as escape sequences) become \u00XX, the line and
// paragraph separators \u2028 and \u2029, bytes that are not valid UTF-8 become \xXX. Other
// characters are kept as they are.
std::string printable(std::string_view text);

// The same, keeping line feeds and tabs: for log output whose lines are the program's own.
std::string printableLines(std::string_view text);

} // namespace vignetta::common
