#pragma once

#include "scene/document.h"
#include "json/js_json.h"

namespace vignetta::scene {

// Turns the scene into the host engine's flat list of event commands ("Copy As Event").
//
// The timeline is cut at every boundary frame: frame 0, the start and end of every picture
// piece, fade and screen block, and the start of every message, sound, sound fade and marker.
// At each boundary the commands for what happens there are emitted in a fixed order (picture
// erase and show, message, picture motion, sounds, sound fade, screen effect, comments, screen
// fade), followed by waits up to the next boundary. Pictures that last across boundaries are
// cut into slices, one move/rotate/tint per slice, with unrounded interpolated values.
//
// Pictures sharing a number cannot be on screen twice: where two of them overlap, the one on
// the higher lane wins and the other is cut away for that time. Any integer picture number is
// converted, also beyond the editor's 1..100.
//
// Returns an array of {"code", "indent", "parameters"} objects; the document is not changed.
Json convertData2Event(const Document &document);

} // namespace vignetta::scene
