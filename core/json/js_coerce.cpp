#include "json/js_coerce.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace vignetta::json {

namespace {

bool isJsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

double parseRadix(std::string_view digits, int radix)
{
    if (digits.empty())
        return std::numeric_limits<double>::quiet_NaN();
    double v = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::numeric_limits<double>::quiet_NaN();
        if (d >= radix)
            return std::numeric_limits<double>::quiet_NaN();
        v = v * radix + d;
    }
    return v;
}

double stringToNumber(std::string_view s)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    while (!s.empty() && isJsSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isJsSpace(s.back()))
        s.remove_suffix(1);
    if (s.empty())
        return 0;
    if (s.size() > 2 && s[0] == '0') {
        const char p = s[1];
        if (p == 'x' || p == 'X')
            return parseRadix(s.substr(2), 16);
        if (p == 'o' || p == 'O')
            return parseRadix(s.substr(2), 8);
        if (p == 'b' || p == 'B')
            return parseRadix(s.substr(2), 2);
    }
    bool negative = false;
    if (s[0] == '+' || s[0] == '-') {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s == "Infinity")
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    // Only the characters of a decimal literal; from_chars would also take "inf", "nan" and hex.
    bool anyDigit = false;
    for (char c : s) {
        if (c >= '0' && c <= '9')
            anyDigit = true;
        else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-')
            return nan;
    }
    if (!anyDigit || s[0] == '+' || s[0] == '-')
        return nan;
    double v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large: Infinity; too small: 0 (from_chars leaves v untouched then).
        const auto e = s.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < s.size() && s[e + 1] == '-';
        v = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (res.ec != std::errc() || res.ptr != s.data() + s.size()) {
        return nan;
    }
    return negative ? -v : v;
}

} // namespace

double toNumber(const Json &value)
{
    switch (value.type()) {
    case Json::value_t::number_integer:
        return static_cast<double>(value.get<std::int64_t>());
    case Json::value_t::number_unsigned:
        return static_cast<double>(value.get<std::uint64_t>());
    case Json::value_t::number_float:
        return value.get<double>();
    case Json::value_t::boolean:
        return value.get<bool>() ? 1.0 : 0.0;
    case Json::value_t::null:
        return 0.0;
    case Json::value_t::string:
        return stringToNumber(value.get_ref<const std::string &>());
    default:
        return std::numeric_limits<double>::quiet_NaN();
    }
}

int toInt(const Json &value, int fallback)
{
    // The library counts unsigned numbers as integers too; read as signed, those above the
    // signed range would turn negative.
    if (value.is_number_unsigned()) {
        const auto v = value.get<std::uint64_t>();
        return v > static_cast<std::uint64_t>(INT_MAX) ? INT_MAX : static_cast<int>(v);
    }
    if (value.is_number_integer()) {
        const auto v = value.get<std::int64_t>();
        return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : static_cast<int>(v);
    }
    return toInt(toNumber(value), fallback);
}

int toInt(double value, int fallback)
{
    if (!std::isfinite(value))
        return fallback;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(std::trunc(value));
}

double toDouble(const Json &value, double fallback)
{
    const double d = toNumber(value);
    return std::isfinite(d) ? d : fallback;
}

bool toBool(const Json &value)
{
    switch (value.type()) {
    case Json::value_t::boolean:
        return value.get<bool>();
    case Json::value_t::null:
    case Json::value_t::discarded:
        return false;
    case Json::value_t::string:
        return !value.get_ref<const std::string &>().empty();
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float: {
        const double d = toNumber(value);
        return d != 0 && !std::isnan(d);
    }
    default:
        return true;
    }
}

std::string toText(const Json &value, const std::string &fallback)
{
    switch (value.type()) {
    case Json::value_t::string:
        return value.get<std::string>();
    case Json::value_t::boolean:
        return value.get<bool>() ? "true" : "false";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
        return stringify(value) == "null" ? numberToString(toNumber(value)) : stringify(value);
    default:
        return fallback;
    }
}

} // namespace vignetta::json
