#pragma once

#include <string_view>

namespace vignetta::project {

enum class EventFileVerdict {
    Importable,  // a non-empty array of block objects, the first with a non-zero blockId
    Empty,       // no text at all (missing, unreadable or empty file)
    NotJson,     // the text does not parse as JSON
    NotBlockList // valid JSON, but not a list of blocks
};

// Decides whether the text of an event file can be inserted into the scene. Only a
// non-empty array qualifies whose first element carries a non-zero `blockId` (a number
// other than 0, or a non-empty string) and whose every element is an object: anything else
// would hand the insertion something that is not a block.
EventFileVerdict checkEventFileText(std::string_view text);

} // namespace vignetta::project
