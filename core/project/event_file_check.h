#pragma once

#include <string_view>

namespace vignetta::project {

enum class EventFileVerdict {
    Importable,  // the scene reader accepts it: a list of usable blocks
    Empty,       // no text at all (missing, unreadable or empty file)
    NotJson,     // the text does not parse as JSON (or nests too deeply for the reader)
    NotBlockList // valid JSON, but not a list of usable blocks
};

// Decides whether the text of an event file can be inserted into the scene: exactly when the
// scene-file reader (scene::readSceneText, which the insertion applies too) accepts it, so that
// a file the check lets through is never refused later. The text is parsed once.
EventFileVerdict checkEventFileText(std::string_view text);

} // namespace vignetta::project
