#pragma once

#include <string>

#include "json/js_json.h"

namespace vignetta::scene {

using Json = json::Json;

struct Point
{
    double x = 0;
    double y = 0;
};

struct Scale
{
    double width = 100;
    double height = 100;
};

// Colour tone of a picture: R, G, B from -255 to 255, S (grey) 0 to 255.
struct Tone
{
    double R = 0;
    double G = 0;
    double B = 0;
    double S = 0;
};

// Flash colour: R, G, B and intensity P, each 0 to 255.
struct FlashColor
{
    double R = 255;
    double G = 255;
    double B = 255;
    double P = 170;
};

// Typed reading of a block's event data, for algorithms that must not look keys up in loops.
// Every field is read with the coercions of json/js_coerce.h; a missing field, or one whose
// value cannot be read as its type (NaN, an object where a number belongs), has its default.
// Kinds and choices are ints; quantities that are interpolated or passed on are doubles.
struct BlockView
{
    int blockStart = 0;
    int blockDelay = 60;
    int blockMode = 0;

    std::string imageName;
    int imageIndex = 0;
    int origin = 0;
    Point startPosition;
    Point endPosition;
    double width = 48;
    double height = 48;
    Scale startScale;
    Scale endScale;
    double rotateSpeed = 0;
    double startOpacity = 255;
    int blend = 0;
    double endOpacity = 255;
    Tone endColor;

    std::string messageImageName;
    Json messageImageIndex = ""; // an integer, or the empty string until a face is chosen
    int messageBackground = 0;
    int messagePosition = 2;
    std::string messageText;

    int fadeType = 0;

    bool flashEnabled = false;
    FlashColor flashColor;
    bool shakeEnabled = false;
    int shakePower = 5;
    int shakeSpeed = 5;

    std::string audioType = "bgm";
    std::string audioName;
    double volume = 90;
    double pitch = 100;
    double pan = 0;
    std::string fadeoutAudioType = "bgm";

    std::string comment;

    bool scrollMode = false;
    int scrollSpeed = 2;
    bool scrollNoFast = false;

    double startRatio = 0;
    double endRatio = 1;
    bool next = false;
    bool prev = false;
    bool reset = false;

    int blockEnd() const { return blockStart + blockDelay; }
};

// Reads the typed view of an event-data object in one pass over its keys. A value that is not
// an object gives the all-defaults view.
BlockView readBlockView(const Json &eventData);

} // namespace vignetta::scene
