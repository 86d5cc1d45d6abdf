#include "scene/event_data.h"

namespace vignetta::scene {

namespace {

Json xy(int x, int y)
{
    Json j = Json::object();
    j["x"] = x;
    j["y"] = y;
    return j;
}

Json wh(int w, int h)
{
    Json j = Json::object();
    j["width"] = w;
    j["height"] = h;
    return j;
}

Json rgbx(int r, int g, int b, const char *fourth, int x)
{
    Json j = Json::object();
    j["R"] = r;
    j["G"] = g;
    j["B"] = b;
    j[fourth] = x;
    return j;
}

Json buildDefaults()
{
    Json e = Json::object();
    e["blockStart"] = 0;
    e["blockDelay"] = 60;
    e["blockMode"] = 0;
    e["imageName"] = "";
    e["imageIndex"] = 0;
    e["origin"] = 0;
    e["startPosition"] = xy(0, 0);
    e["endPosition"] = xy(0, 0);
    e["width"] = 48;
    e["height"] = 48;
    e["startScale"] = wh(100, 100);
    e["endScale"] = wh(100, 100);
    e["rotateSpeed"] = 0;
    e["startOpacity"] = 255;
    e["blend"] = 0;
    e["endOpacity"] = 255;
    e["endColor"] = rgbx(0, 0, 0, "S", 0);
    e["messageImageName"] = "";
    e["messageImageIndex"] = "";
    e["messageBackground"] = 0;
    e["messagePosition"] = 2;
    e["messageText"] = "";
    e["fadeType"] = 0;
    e["flashEnabled"] = false;
    e["flashColor"] = rgbx(255, 255, 255, "P", 170);
    e["shakeEnabled"] = false;
    e["shakePower"] = 5;
    e["shakeSpeed"] = 5;
    e["audioType"] = "bgm";
    e["audioName"] = "";
    e["volume"] = 90;
    e["pitch"] = 100;
    e["pan"] = 0;
    e["fadeoutAudioType"] = "bgm";
    e["comment"] = "";
    e["scrollMode"] = false;
    e["scrollSpeed"] = 2;
    e["scrollNoFast"] = false;
    e["startRatio"] = 0;
    e["endRatio"] = 1;
    e["next"] = false;
    e["prev"] = false;
    e["reset"] = false;
    return e;
}

} // namespace

const Json &defaultEventData()
{
    static const Json defaults = buildDefaults();
    return defaults;
}

const std::vector<std::string> &eventDataFieldNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const auto &item : defaultEventData().items())
            n.push_back(item.key());
        return n;
    }();
    return names;
}

} // namespace vignetta::scene
