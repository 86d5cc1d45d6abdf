#pragma once

// Helpers of the message-text tests: a fixed-width measure, names, and the drawn text of a
// page read back from the engine.

#include <string>

#include "text/conversion.h"
#include "text/names.h"
#include "text/text_engine.h"
#include "text/utf8.h"

namespace text_test {

using namespace vignetta::text;

// Every character is half its font size wide: 14 pixels at the default size.
inline double halfWidth(char32_t, int fontSize)
{
    return fontSize * 0.5;
}

// Actors 1 "Lena", 2 "Orin", 3 "Mabel"; the party starts with 2, 3; the unit is "Gold".
inline NameSource sampleNames()
{
    NameSource names;
    names.actors = {{1, "Lena"}, {2, "Orin"}, {3, "Mabel"}};
    names.party = {2, 3};
    names.currencyUnit = "Gold";
    return names;
}

inline std::u32string convert(const std::string &stored)
{
    return convertText(stored, sampleNames());
}

// The characters drawn on the engine's current page, icons as '#'.
inline std::string drawnText(const TextEngine &engine)
{
    std::u32string out;
    for (const DrawOp &op : engine.ops())
        out.push_back(op.kind == DrawOp::Kind::icon ? U'#' : op.character);
    return encodeUtf8(out);
}

// A message engine as the message window uses it: a 144-pixel canvas, no face.
inline TextEngine messageEngine()
{
    TextEngine engine(halfWidth);
    engine.setCanvasHeight(144);
    return engine;
}

} // namespace text_test
