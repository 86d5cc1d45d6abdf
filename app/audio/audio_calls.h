#pragma once

#include <QString>
#include <QVariant>

#include <optional>

#include "json/js_json.h"

namespace vignetta::audio {

// The script texts the audio player sends to its page, and the values they carry. Every name
// and number reaches the page inside JSON built here: nothing from data is ever pasted into
// script text as it stands.

// The channel of a type: "bgm", "bgs", "me" or "se", compared without case; nothing for any
// other text (a call naming an unknown channel is not sent).
std::optional<QString> channelName(const QString &type);

// The channel as page functions name it: first letter in capitals, the rest in lower case
// ("Bgm", "Bgs", "Me", "Se").
QString channelCallName(const QString &channel);

// The audio object handed to the page, from whatever a caller passed (a map, a script object,
// nothing): {"name", "volume", "pitch", "pan"} and nothing else. The name is text (a number
// becomes its text, anything else ""); the numbers are held to the editors' ranges (volume 0 to
// 100, pitch 50 to 150, pan -100 to 100), and a missing or unreadable one takes the neutral
// value (volume 100, pitch 100, pan 0).
json::Json audioObject(const QVariant &audio);

// JSON text of `value` that is also safe anywhere inside script or markup text: besides the
// usual escapes, the line separators U+2028 and U+2029 and the characters '<', '>' and '&' are
// written as \u escapes (they can only occur inside strings, where the escape reads back the
// same character).
QString scriptLiteral(const json::Json &value);

QString playCall(const QString &channel, const json::Json &audio);
QString stopCall(const QString &channel);
QString stopAllCall();
// A duration that is not a finite number, or is negative, fades over 0 seconds.
QString fadeOutCall(const QString &channel, double seconds);

// What is run in the page once it has loaded: the page library (unless an earlier run already
// installed it into the same page), then the settings this editor plays with: every sound is an
// Ogg file played through Web Audio, and none is encrypted.
QString installScript(const QString &library);

} // namespace vignetta::audio
