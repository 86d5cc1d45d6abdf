#include "json/js_json.h"
#include "json/utf8.h"

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

} // namespace

namespace {

void dismantleAt(Json &value, int depth)
{
    if (depth > kMaxNestingDepth)
        return;
    if (value.is_array()) {
        auto &items = value.get_ref<Json::array_t &>();
        for (Json &item : items) {
            if (item.is_structured())
                dismantleAt(item, depth + 1);
        }
        items.clear();
        items.shrink_to_fit();
    } else if (value.is_object()) {
        auto &members = value.get_ref<Json::object_t &>();
        for (auto &member : members) {
            if (member.second.is_structured())
                dismantleAt(member.second, depth + 1);
        }
        members.clear();
        members.shrink_to_fit();
    }
}

} // namespace

void dismantle(Json &value)
{
    dismantleAt(value, 0);
}

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

} // namespace vignetta::json
