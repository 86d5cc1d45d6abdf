#include "scene/block_view.h"

#include <functional>
#include <string_view>
#include <unordered_map>

#include "json/js_coerce.h"

namespace vignetta::scene {

namespace {

using json::toBool;
using json::toDouble;
using json::toInt;
using json::toText;

void readPoint(const Json &j, Point &p)
{
    if (!j.is_object())
        return;
    for (const auto &item : j.items()) {
        if (item.key() == "x")
            p.x = toDouble(item.value(), p.x);
        else if (item.key() == "y")
            p.y = toDouble(item.value(), p.y);
    }
}

void readScale(const Json &j, Scale &s)
{
    if (!j.is_object())
        return;
    for (const auto &item : j.items()) {
        if (item.key() == "width")
            s.width = toDouble(item.value(), s.width);
        else if (item.key() == "height")
            s.height = toDouble(item.value(), s.height);
    }
}

template <class Colour>
void readColour(const Json &j, Colour &c, double Colour::*fourth, const char *fourthName)
{
    if (!j.is_object())
        return;
    for (const auto &item : j.items()) {
        const auto &k = item.key();
        if (k == "R")
            c.R = toDouble(item.value(), c.R);
        else if (k == "G")
            c.G = toDouble(item.value(), c.G);
        else if (k == "B")
            c.B = toDouble(item.value(), c.B);
        else if (k == fourthName)
            c.*fourth = toDouble(item.value(), c.*fourth);
    }
}

using Reader = void (*)(const Json &, BlockView &);

// clang-format off
#define INT_FIELD(name) {#name, [](const Json &j, BlockView &v) { v.name = toInt(j, v.name); }}
#define NUM_FIELD(name) {#name, [](const Json &j, BlockView &v) { v.name = toDouble(j, v.name); }}
#define STR_FIELD(name) {#name, [](const Json &j, BlockView &v) { v.name = toText(j, v.name); }}
#define BOOL_FIELD(name) {#name, [](const Json &j, BlockView &v) { v.name = toBool(j); }}
// clang-format on

const std::unordered_map<std::string_view, Reader> &readers()
{
    static const std::unordered_map<std::string_view, Reader> table = {
        INT_FIELD(blockStart),
        INT_FIELD(blockDelay),
        INT_FIELD(blockMode),
        STR_FIELD(imageName),
        INT_FIELD(imageIndex),
        INT_FIELD(origin),
        {"startPosition", [](const Json &j, BlockView &v) { readPoint(j, v.startPosition); }},
        {"endPosition", [](const Json &j, BlockView &v) { readPoint(j, v.endPosition); }},
        NUM_FIELD(width),
        NUM_FIELD(height),
        {"startScale", [](const Json &j, BlockView &v) { readScale(j, v.startScale); }},
        {"endScale", [](const Json &j, BlockView &v) { readScale(j, v.endScale); }},
        NUM_FIELD(rotateSpeed),
        NUM_FIELD(startOpacity),
        INT_FIELD(blend),
        NUM_FIELD(endOpacity),
        {"endColor", [](const Json &j, BlockView &v) { readColour(j, v.endColor, &Tone::S, "S"); }},
        STR_FIELD(messageImageName),
        {"messageImageIndex",
         [](const Json &j, BlockView &v) {
             if (j.is_number() || j.is_string())
                 v.messageImageIndex = j;
         }},
        INT_FIELD(messageBackground),
        INT_FIELD(messagePosition),
        STR_FIELD(messageText),
        INT_FIELD(fadeType),
        BOOL_FIELD(flashEnabled),
        {"flashColor",
         [](const Json &j, BlockView &v) { readColour(j, v.flashColor, &FlashColor::P, "P"); }},
        BOOL_FIELD(shakeEnabled),
        INT_FIELD(shakePower),
        INT_FIELD(shakeSpeed),
        STR_FIELD(audioType),
        STR_FIELD(audioName),
        NUM_FIELD(volume),
        NUM_FIELD(pitch),
        NUM_FIELD(pan),
        STR_FIELD(fadeoutAudioType),
        STR_FIELD(comment),
        BOOL_FIELD(scrollMode),
        INT_FIELD(scrollSpeed),
        BOOL_FIELD(scrollNoFast),
        NUM_FIELD(startRatio),
        NUM_FIELD(endRatio),
        BOOL_FIELD(next),
        BOOL_FIELD(prev),
        BOOL_FIELD(reset),
    };
    return table;
}

#undef INT_FIELD
#undef NUM_FIELD
#undef STR_FIELD
#undef BOOL_FIELD

} // namespace

BlockView readBlockView(const Json &eventData)
{
    BlockView view;
    if (!eventData.is_object())
        return view;
    const auto &table = readers();
    for (const auto &item : eventData.items()) {
        const auto it = table.find(item.key());
        if (it != table.end())
            it->second(item.value(), view);
    }
    return view;
}

} // namespace vignetta::scene
