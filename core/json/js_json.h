#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace vignetta::json {

// The JSON value type of the whole program: objects keep the order in which their keys were
// inserted or read, so files round-trip key order and keys this program does not know.
using Json = nlohmann::ordered_json;

// Writes `value` as compact JSON text, byte for byte as a browser's JSON.stringify writes the
// same value: no whitespace, whole numbers without a fraction, other numbers as the shortest
// text that reads back to the same double (with JavaScript's switch to exponent form below 1e-6
// and from 1e21 on, e.g. "1e-7", "1.5e+21"), NaN and infinities as null, integers beyond 2^53
// rounded to the double JavaScript would hold. Strings escape only '"', '\\', the short forms
// \b \f \n \r \t and other control characters as \u00xx (lower-case hex); '/' and non-ASCII
// characters are written as they are. Invalid UTF-8 bytes in a string are written as U+FFFD.
std::string stringify(const Json &value);
void stringifyTo(const Json &value, std::string &out);

// A JavaScript number as String(number) would print it ("60", "0.1", "1e+21", "-1.5e-7").
std::string numberToString(double value);

// JSON.stringify of a single string, quotes included.
std::string quoteString(std::string_view text);

// Outcome of parseJson. On failure `value` is null, `error` is a one-line English description
// and `position` the byte offset (0-based) at which the text went wrong.
struct ParseResult
{
    bool ok = false;
    Json value;
    std::string error;
    std::size_t position = 0;

    explicit operator bool() const { return ok; }
};

// Deepest nesting of arrays and objects that parseJson accepts; deeper text is refused before
// it is parsed, so that no later recursive walk can exhaust the stack.
constexpr int kMaxNestingDepth = 256;

// The memory a parsed value may take unless the caller gives another bound: eight times the
// text, plus 4 MB so that small texts are never refused for this. Scene files take about five
// times their text, and even a run of one-digit numbers ("[0,0,0,...]") takes eight; a text of
// a great many empty arrays, objects or strings ("[[],[],[],...]") takes sixteen and more, and
// is refused instead of taking gigabytes.
std::size_t defaultMemoryBudget(std::size_t textBytes);

struct ParseLimits
{
    int maxDepth = kMaxNestingDepth;
    // Most bytes the parsed value may occupy; 0 means defaultMemoryBudget(text size).
    std::size_t maxMemory = 0;
};

// Parses JSON text (UTF-8, an optional byte-order mark is skipped). Never throws: bad syntax,
// invalid UTF-8, excessive nesting and a value that would need more memory than the limit come
// back as an error with its position. The text is measured before anything is built, so a
// refused text costs no more than a pass over it. A duplicate key keeps its first position and
// its last value, as JSON.parse does; objects with very many keys are read in linear time.
ParseResult parseJson(std::string_view text, const ParseLimits &limits = {});

// Empties a value from its innermost containers outwards. The library destroys an array or
// object by first moving all of its children into a list of their own, which for a large value
// costs as much memory again as the value itself; a value emptied this way costs nothing more
// to destroy. Owners of values read from outside data call it (or DismantleOnExit) before
// letting them go. Values nested deeper than kMaxNestingDepth are left to the library.
void dismantle(Json &value);

// Dismantles the value when the scope ends, whichever way it ends.
class DismantleOnExit
{
public:
    explicit DismantleOnExit(Json &value) : value_(value) {}
    ~DismantleOnExit() { dismantle(value_); }
    DismantleOnExit(const DismantleOnExit &) = delete;
    DismantleOnExit &operator=(const DismantleOnExit &) = delete;

private:
    Json &value_;
};

// The memory parseJson's result for this text would occupy, as it is accounted against the
// limit (an estimate for the usual 64-bit library; invalid text gives a partial figure).
std::size_t parsedMemory(std::string_view text);

} // namespace vignetta::json
