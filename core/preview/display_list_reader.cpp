#include "preview/display_list_reader.h"

#include <cmath>
#include <limits>

#include "json/js_json.h"

namespace vignetta::preview {

namespace {

using Json = json::Json;

double asDouble(const Json &value)
{
    return value.is_number() ? value.get<double>() : 0.0;
}

// A whole number within the int range; 0 for anything else.
int asInt(const Json &value)
{
    if (value.is_number_unsigned()) {
        const auto n = value.get<std::uint64_t>();
        return n <= static_cast<std::uint64_t>(std::numeric_limits<int>::max()) ? static_cast<int>(n)
                                                                                 : 0;
    }
    if (value.is_number_integer()) {
        const auto n = value.get<std::int64_t>();
        return n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max()
                   ? static_cast<int>(n)
                   : 0;
    }
    if (value.is_number_float()) {
        const double d = value.get<double>();
        if (std::isfinite(d) && std::trunc(d) == d && d >= std::numeric_limits<int>::min() &&
            d <= std::numeric_limits<int>::max())
            return static_cast<int>(d);
    }
    return 0;
}

std::string asString(const Json &value)
{
    return value.is_string() ? value.get<std::string>() : std::string();
}

// A sub-key of an object value; a missing sub-key, or a value that is no object, reads as null.
const Json &member(const Json &object, const char *key)
{
    static const Json null;
    if (!object.is_object())
        return null;
    const auto it = object.find(key);
    return it == object.end() ? null : *it;
}

void readPair(const Json &value, const char *xKey, const char *yKey, double &x, double &y)
{
    x = asDouble(member(value, xKey));
    y = asDouble(member(value, yKey));
}

DisplayEntry readEntry(const Json &object, int time)
{
    DisplayEntry entry;
    if (!object.is_object())
        return entry;
    for (const auto &item : object.items()) {
        const std::string &key = item.key();
        const Json &value = item.value();
        if (key == "blockId") {
            entry.blockId = asDouble(value);
        } else if (key == "blockStart") {
            entry.elapse = std::int64_t(time) - asInt(value);
        } else if (key == "blockDelay") {
            entry.delay = asInt(value);
        } else if (key == "imageName") {
            entry.imageName = asString(value);
        } else if (key == "imageIndex") {
            entry.imageIndex = asDouble(value);
        } else if (key == "origin") {
            entry.origin = asInt(value);
        } else if (key == "startPosition") {
            readPair(value, "x", "y", entry.startX, entry.startY);
        } else if (key == "endPosition") {
            readPair(value, "x", "y", entry.endX, entry.endY);
        } else if (key == "width") {
            entry.width = asDouble(value);
        } else if (key == "height") {
            entry.height = asDouble(value);
        } else if (key == "startScale") {
            readPair(value, "width", "height", entry.startWidth, entry.startHeight);
        } else if (key == "endScale") {
            readPair(value, "width", "height", entry.endWidth, entry.endHeight);
        } else if (key == "rotateSpeed") {
            entry.rotateSpeed = asDouble(value);
        } else if (key == "startOpacity") {
            entry.startOpacity = asInt(value);
        } else if (key == "blend") {
            entry.blend = asInt(value);
        } else if (key == "endOpacity") {
            entry.endOpacity = asInt(value);
        } else if (key == "endColor") {
            entry.addR = asInt(member(value, "R"));
            entry.addG = asInt(member(value, "G"));
            entry.addB = asInt(member(value, "B"));
            entry.gray = asInt(member(value, "S"));
        }
    }
    return entry;
}

// Truncation toward zero kept within the int range (NaN gives 0).
double truncatedId(double value)
{
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(value);
    return t < -2147483648.0 ? -2147483648.0 : t > 2147483647.0 ? 2147483647.0 : t;
}

} // namespace

DisplayList readDisplayList(std::string_view text, int time)
{
    DisplayList list;
    const json::ParseResult parsed = json::parseJson(text);
    if (!parsed || !parsed.value.is_object())
        return list;
    const Json &entries = member(parsed.value, "list");
    const Json &tweens = member(parsed.value, "tween");
    if (entries.is_array()) {
        list.entries.reserve(entries.size());
        for (const Json &value : entries)
            list.entries.push_back(readEntry(value, time));
    }
    if (tweens.is_array()) {
        list.tweens.reserve(tweens.size());
        for (const Json &value : tweens)
            list.tweens.push_back(asDouble(value));
    }
    return list;
}

BlockFrame readBlockFrame(std::string_view blockText)
{
    BlockFrame frame;
    const json::ParseResult parsed = json::parseJson(blockText);
    if (!parsed || !parsed.value.is_object())
        return frame;
    const Json &object = parsed.value;
    auto has = [&object](const char *key) { return object.contains(key); };

    double blockId = -1;
    int blockDelay = 0;
    double width = 0, height = 0;
    double startScaleW = 100, startScaleH = 100, endScaleW = 100, endScaleH = 100;
    double rotateSpeed = 0;
    if (has("blockId"))
        blockId = truncatedId(asDouble(object["blockId"]));
    if (has("blockDelay"))
        blockDelay = asInt(object["blockDelay"]);
    if (has("imageName"))
        frame.imageName = asString(object["imageName"]);
    if (has("origin"))
        frame.origin = asInt(object["origin"]);
    if (has("startPosition"))
        readPair(object["startPosition"], "x", "y", frame.startX, frame.startY);
    if (has("endPosition"))
        readPair(object["endPosition"], "x", "y", frame.endX, frame.endY);
    if (has("width"))
        width = asDouble(object["width"]);
    if (has("height"))
        height = asDouble(object["height"]);
    if (has("startScale"))
        readPair(object["startScale"], "width", "height", startScaleW, startScaleH);
    if (has("endScale"))
        readPair(object["endScale"], "width", "height", endScaleW, endScaleH);
    if (has("rotateSpeed"))
        rotateSpeed = asDouble(object["rotateSpeed"]);
    if (blockId < 0)
        return frame;

    startScaleW /= 100;
    startScaleH /= 100;
    endScaleW /= 100;
    endScaleH /= 100;
    if (frame.origin != 0) {
        frame.startX -= startScaleW * width * 0.5;
        frame.startY -= startScaleH * height * 0.5;
        frame.endX -= endScaleW * width * 0.5;
        frame.endY -= endScaleH * height * 0.5;
    }
    frame.valid = true;
    frame.blockId = blockId;
    frame.startWidth = startScaleW * width;
    frame.startHeight = startScaleH * height;
    frame.endWidth = endScaleW * width;
    frame.endHeight = endScaleH * height;
    frame.endRotation = (blockDelay - 1.0) * rotateSpeed * 0.5;
    return frame;
}

} // namespace vignetta::preview
