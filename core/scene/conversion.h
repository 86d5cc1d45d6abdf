#pragma once

#include <cstddef>
#include <string>

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
// No bound: for documents known to be small (tests, tools). The editor and the command line
// convert through convertScene.
Json convertData2Event(const Document &document);

// Most bytes of compact JSON text a command list may take. The host editor reads the list from
// the clipboard in one piece, and nothing the editor can build legitimately comes near it; a
// scene beyond it (a message of millions of lines, thousands of picture slices) is refused
// instead of filling memory and the clipboard.
constexpr std::size_t maxEventListBytes = std::size_t(64) << 20;

enum class ConversionOutput { list, text };

struct ConversionResult
{
    bool ok = false;
    Json commands;         // ConversionOutput::list: the array
    std::string text;      // ConversionOutput::text: its compact text, as json::stringify writes it
    std::size_t bytes = 0; // the length of that text
    std::string error;     // when refused: "the event commands of the scene would take more ..."

    explicit operator bool() const { return ok; }
};

// The conversion, stopped and refused as soon as the list's text passes `maxBytes`, so that a
// refused scene costs no more than the bound.
ConversionResult convertScene(const Document &document, ConversionOutput what,
                              std::size_t maxBytes = maxEventListBytes);

} // namespace vignetta::scene
