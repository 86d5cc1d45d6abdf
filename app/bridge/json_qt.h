#pragma once

#include <QJSValue>
#include <QVariant>

#include "json/js_json.h"

class QJSEngine;

namespace vignetta::bridge {

// The one place where the program's JSON values (order-preserving nlohmann::ordered_json) cross
// into Qt and back.
//
// Into QML: toJSValue builds JavaScript objects whose properties are created in key order, so
// that JSON.stringify in QML writes the same order the document holds. toVariant builds
// QVariantMap/QVariantList (keys sorted by QMap) for C++ callers and models that only read.
// Out of QML: fromJSValue walks a JavaScript value in property order; fromVariant accepts plain
// variants and variants wrapping a QJSValue. Whole numbers within 2^53 become integers, other
// numbers doubles; undefined, functions and other non-JSON values become null.

using Json = json::Json;

QJSValue toJSValue(QJSEngine &engine, const Json &value);
QVariant toVariant(const Json &value);

Json fromJSValue(const QJSValue &value);
Json fromVariant(const QVariant &value);

} // namespace vignetta::bridge
