#include "json/js_json.h"
#include "json/json_scan.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vignetta::json {

namespace {

constexpr std::int64_t kMaxSafeInteger = 9007199254740992; // 2^53

void appendNumber(double value, std::string &out)
{
    if (std::isnan(value)) {
        out += "NaN";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-Infinity" : "Infinity";
        return;
    }
    if (value == 0) { // also -0, which JavaScript prints as "0"
        out += '0';
        return;
    }
    if (value < 0) {
        out += '-';
        value = -value;
    }
    // Shortest round-trip digits in scientific form, e.g. "1.2345e+02".
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c != '.')
            digits += c;
    int exponent = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0), sci.data() + sci.size(),
                    exponent);
    // JavaScript's Number::toString: value = 0.digits × 10^n, k digits.
    const int k = static_cast<int>(digits.size());
    const int n = exponent + 1;
    if (k <= n && n <= 21) {
        out += digits;
        out.append(static_cast<std::size_t>(n - k), '0');
    } else if (0 < n && n <= 21) {
        out.append(digits, 0, static_cast<std::size_t>(n));
        out += '.';
        out.append(digits, static_cast<std::size_t>(n), std::string::npos);
    } else if (-6 < n && n <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-n), '0');
        out += digits;
    } else {
        out += digits[0];
        if (k > 1) {
            out += '.';
            out.append(digits, 1, std::string::npos);
        }
        out += 'e';
        const int e = n - 1;
        out += e < 0 ? '-' : '+';
        out += std::to_string(e < 0 ? -e : e);
    }
}

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the bytes there are invalid
// (overlong forms, surrogates and code points above U+10FFFF included).
std::size_t utf8SequenceLength(std::string_view s, std::size_t i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80)
        return 1;
    std::size_t len;
    unsigned lo = 0x80, hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0)
            lo = 0xA0;
        else if (b0 == 0xED)
            hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0)
            lo = 0x90;
        else if (b0 == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t j = 1; j < len; ++j) {
        const auto b = static_cast<unsigned char>(s[i + j]);
        const unsigned l = j == 1 ? lo : 0x80, h = j == 1 ? hi : 0xBF;
        if (b < l || b > h)
            return 0;
    }
    return len;
}

void appendQuoted(std::string_view s, std::string &out)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            const std::size_t len = utf8SequenceLength(s, i);
            if (len == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(s, i, len);
                i += len;
            }
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0xF];
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    out += '"';
}

void appendValue(const Json &value, std::string &out)
{
    switch (value.type()) {
    case Json::value_t::null:
    case Json::value_t::discarded:
        out += "null";
        break;
    case Json::value_t::boolean:
        out += value.get<bool>() ? "true" : "false";
        break;
    case Json::value_t::number_integer: {
        const auto v = value.get<std::int64_t>();
        if (v >= -kMaxSafeInteger && v <= kMaxSafeInteger)
            out += std::to_string(v);
        else
            appendNumber(static_cast<double>(v), out);
        break;
    }
    case Json::value_t::number_unsigned: {
        const auto v = value.get<std::uint64_t>();
        if (v <= static_cast<std::uint64_t>(kMaxSafeInteger))
            out += std::to_string(v);
        else
            appendNumber(static_cast<double>(v), out);
        break;
    }
    case Json::value_t::number_float: {
        const double v = value.get<double>();
        if (std::isfinite(v))
            appendNumber(v, out);
        else
            out += "null";
        break;
    }
    case Json::value_t::string:
        appendQuoted(value.get_ref<const std::string &>(), out);
        break;
    case Json::value_t::array: {
        out += '[';
        bool first = true;
        for (const auto &item : value) {
            if (!first)
                out += ',';
            first = false;
            appendValue(item, out);
        }
        out += ']';
        break;
    }
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto &item : value.items()) {
            if (!first)
                out += ',';
            first = false;
            appendQuoted(item.key(), out);
            out += ':';
            appendValue(item.value(), out);
        }
        out += '}';
        break;
    }
    case Json::value_t::binary:
        out += "null";
        break;
    }
}

// Finds the first place where arrays and objects nest deeper than kMaxNestingDepth; returns
// std::string_view::npos when there is none.
std::size_t excessiveNesting(std::string_view text)
{
    int depth = 0;
    std::size_t found = std::string_view::npos;
    scanOutsideStrings(text, 0, [&](std::size_t i, char c) {
        if (c == '[' || c == '{') {
            if (++depth > kMaxNestingDepth) {
                found = i;
                return false;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
        return true;
    });
    return found;
}

// The library's message without its "[json.exception...] " prefix, and with any byte that is
// not printable UTF-8 (the message quotes the offending input) shown as '?'.
std::string cleanMessage(const char *what)
{
    std::string msg(what);
    if (!msg.empty() && msg[0] == '[') {
        const auto close = msg.find("] ");
        if (close != std::string::npos)
            msg.erase(0, close + 2);
    }
    std::string clean;
    for (std::size_t i = 0; i < msg.size();) {
        const auto c = static_cast<unsigned char>(msg[i]);
        const std::size_t len = utf8SequenceLength(msg, i);
        if (len == 0 || c < 0x20 || c == 0x7F) {
            clean += '?';
            ++i;
        } else {
            clean.append(msg, i, len);
            i += len;
        }
    }
    return clean;
}

} // namespace

std::string numberToString(double value)
{
    std::string out;
    appendNumber(value, out);
    return out;
}

std::string quoteString(std::string_view text)
{
    std::string out;
    appendQuoted(text, out);
    return out;
}

void stringifyTo(const Json &value, std::string &out)
{
    appendValue(value, out);
}

std::string stringify(const Json &value)
{
    std::string out;
    appendValue(value, out);
    return out;
}

ParseResult parseJson(std::string_view text)
{
    ParseResult result;
    if (text.size() >= 3 && std::memcmp(text.data(), "\xEF\xBB\xBF", 3) == 0)
        text.remove_prefix(3);
    if (const auto deep = excessiveNesting(text); deep != std::string_view::npos) {
        result.position = deep;
        result.error = "nesting deeper than " + std::to_string(kMaxNestingDepth) +
                       " levels at byte " + std::to_string(deep);
        return result;
    }
    try {
        result.value = Json::parse(text.begin(), text.end());
        result.ok = true;
    } catch (const Json::parse_error &e) {
        result.position = e.byte > 0 ? e.byte - 1 : 0;
        result.error = cleanMessage(e.what());
        result.value = nullptr;
    } catch (const Json::exception &e) {
        // A number too large for a double: the message quotes it, which locates it.
        result.error = cleanMessage(e.what());
        const std::string what = e.what();
        const auto open = what.find('\'');
        const auto close = what.rfind('\'');
        if (open != std::string::npos && close > open + 1) {
            const auto at = text.find(what.substr(open + 1, close - open - 1));
            if (at != std::string_view::npos) {
                result.position = at;
                result.error += " at byte " + std::to_string(at);
            }
        }
        result.value = nullptr;
    } catch (const std::bad_alloc &) {
        result.error = "not enough memory to read the text";
        result.value = nullptr;
    }
    return result;
}

} // namespace vignetta::json
