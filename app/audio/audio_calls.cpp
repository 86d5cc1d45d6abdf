#include "audio/audio_calls.h"

#include <algorithm>
#include <cmath>

#include "bridge/json_qt.h"
#include "json/js_coerce.h"

namespace vignetta::audio {

namespace {

const QString kChannels[] = {QStringLiteral("bgm"), QStringLiteral("bgs"), QStringLiteral("me"),
                             QStringLiteral("se")};

double heldNumber(const json::Json &object, const char *key, double fallback, double low,
                  double high)
{
    if (!object.is_object() || !object.contains(key))
        return fallback;
    const double value = json::toDouble(object.at(key), fallback);
    return std::clamp(value, low, high);
}

QString managerCall(const QString &function, const QString &argument = QString())
{
    return QStringLiteral("AudioManager.") + function + QLatin1Char('(') + argument +
           QLatin1Char(')');
}

} // namespace

std::optional<QString> channelName(const QString &type)
{
    const QString lower = type.toLower();
    for (const QString &channel : kChannels) {
        if (lower == channel)
            return channel;
    }
    return std::nullopt;
}

QString channelCallName(const QString &channel)
{
    if (channel.isEmpty())
        return channel;
    return channel.left(1).toUpper() + channel.mid(1).toLower();
}

json::Json audioObject(const QVariant &audio)
{
    const json::Json given = bridge::fromVariant(audio);
    std::string name;
    if (given.is_object() && given.contains("name")) {
        const json::Json &value = given.at("name");
        if (value.is_string() || value.is_number())
            name = json::toText(value);
    }
    json::Json object = json::Json::object();
    object["name"] = name;
    object["volume"] = heldNumber(given, "volume", 100, 0, 100);
    object["pitch"] = heldNumber(given, "pitch", 100, 50, 150);
    object["pan"] = heldNumber(given, "pan", 0, -100, 100);
    return object;
}

QString scriptLiteral(const json::Json &value)
{
    const QString text = QString::fromStdString(json::stringify(value));
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case 0x2028:
            safe += QLatin1String("\\u2028");
            break;
        case 0x2029:
            safe += QLatin1String("\\u2029");
            break;
        case '<':
            safe += QLatin1String("\\u003c");
            break;
        case '>':
            safe += QLatin1String("\\u003e");
            break;
        case '&':
            safe += QLatin1String("\\u0026");
            break;
        default:
            safe += c;
        }
    }
    return safe;
}

QString playCall(const QString &channel, const json::Json &audio)
{
    return managerCall(QStringLiteral("play") + channelCallName(channel), scriptLiteral(audio));
}

QString stopCall(const QString &channel)
{
    return managerCall(QStringLiteral("stop") + channelCallName(channel));
}

QString stopAllCall()
{
    return managerCall(QStringLiteral("stopAll"));
}

QString fadeOutCall(const QString &channel, double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        seconds = 0;
    return managerCall(QStringLiteral("fadeOut") + channelCallName(channel),
                       QString::fromStdString(json::numberToString(seconds)));
}

QString installScript(const QString &library)
{
    // Function objects of the library are created inside this block; its `var`s are still the
    // page's globals.
    return QStringLiteral("if (typeof AudioManager === \"undefined\") {\n") + library +
           QStringLiteral("\n"
                          "AudioManager.audioFileExt = function() { return \".ogg\"; };\n"
                          "AudioManager.shouldUseHtml5Audio = function() { return false; };\n"
                          "WebAudio.initialize();\n"
                          "var Decrypter = { hasEncryptedAudio: false };\n"
                          "}\n");
}

} // namespace vignetta::audio
