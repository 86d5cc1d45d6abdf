#pragma once

#include <string>

namespace vignetta::preview {

// The four-line page of a message that holds line `index` (0-based): lines trunc(index / 4) * 4
// to that + 3 that exist, each followed by "\n".
std::string getMessageLines(const std::string &text, int index);

} // namespace vignetta::preview
