#pragma once

#include <string>

#include "json/js_json.h"

namespace vignetta::json {

// Conversions of a stored value to the type a field is used as, following the rules the
// scene scripts relied on (JavaScript's Number(), truthiness and String()), so that a file with
// a string where a number belongs reads the same way it always did.

// Number(value): numbers as they are; true 1, false 0, null 0; strings as decimal (or 0x/0o/0b)
// number text, surrounding white space ignored, "" is 0, anything else NaN; arrays and
// objects NaN.
double toNumber(const Json &value);

// toNumber truncated toward zero and clamped to the int range; `fallback` when not finite.
int toInt(const Json &value, int fallback);
// The same for a number already in hand: truncated toward zero and clamped to the int range, so
// that no huge or non-finite value reaches an undefined cast; `fallback` when not finite.
int toInt(double value, int fallback);

// toNumber, or `fallback` when not finite.
double toDouble(const Json &value, double fallback);

// JavaScript truthiness: false, 0, NaN, "" and null are false; everything else true.
bool toBool(const Json &value);

// Strings as they are, numbers as String(number), booleans "true"/"false"; `fallback` for null,
// arrays and objects.
std::string toText(const Json &value, const std::string &fallback = std::string());

} // namespace vignetta::json
