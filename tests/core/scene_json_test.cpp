#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "json/js_coerce.h"
#include "json/js_json.h"

using vignetta::json::Json;
using vignetta::json::numberToString;
using vignetta::json::parseJson;
using vignetta::json::stringify;

TEST(SceneJson, NumbersAreWrittenAsJavaScriptPrintsThem)
{
    const std::pair<double, const char *> cases[] = {
        {60.0, "60"},
        {-0.0, "0"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.30000000000000004"},
        {123.456, "123.456"},
        {-2.5, "-2.5"},
        {1e20, "100000000000000000000"},
        {1e21, "1e+21"},
        {1.5e21, "1.5e+21"},
        {123456789012345680000.0, "123456789012345680000"},
        {1e-6, "0.000001"},
        {1.25e-6, "0.00000125"},
        {1e-7, "1e-7"},
        {-1.5e-7, "-1.5e-7"},
        {5e-324, "5e-324"},
        {1.7976931348623157e308, "1.7976931348623157e+308"},
        {1.0 / 3.0, "0.3333333333333333"},
        {100.0 / 3.0, "33.333333333333336"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(numberToString(value), text) << "for " << text;
    EXPECT_EQ(numberToString(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(numberToString(-std::numeric_limits<double>::infinity()), "-Infinity");
}

TEST(SceneJson, StringifyValuesLikeABrowser)
{
    EXPECT_EQ(stringify(Json(60)), "60");
    EXPECT_EQ(stringify(Json(60.0)), "60");
    EXPECT_EQ(stringify(Json(std::numeric_limits<double>::quiet_NaN())), "null");
    EXPECT_EQ(stringify(Json(std::numeric_limits<double>::infinity())), "null");
    // Integers beyond 2^53 become the double JavaScript would hold.
    EXPECT_EQ(stringify(Json(9007199254740993LL)), "9007199254740992");
    EXPECT_EQ(stringify(Json(12345678901234567890ULL)), "12345678901234567000");
    EXPECT_EQ(stringify(Json(-9007199254740992LL)), "-9007199254740992");

    EXPECT_EQ(stringify(Json("a\"b\\c/d")), R"("a\"b\\c/d")");
    EXPECT_EQ(stringify(Json("\b\f\n\r\t")), R"("\b\f\n\r\t")");
    EXPECT_EQ(stringify(Json(std::string("\x01\x1f\x7f", 3))), "\"\\u0001\\u001f\x7f\"");
    EXPECT_EQ(stringify(Json(std::string("\0", 1))), R"("\u0000")");
    EXPECT_EQ(stringify(Json("é日本😀")), "\"é日本😀\"");
    // Bytes that are not UTF-8 (a lone continuation byte, an encoded surrogate, a truncated
    // sequence) each become U+FFFD.
    EXPECT_EQ(stringify(Json(std::string("a\x80z"))), "\"a\xEF\xBF\xBDz\"");
    EXPECT_EQ(stringify(Json(std::string("\xED\xA0\x80"))),
              "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(stringify(Json(std::string("\xE6\x97"))), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");

    Json obj = Json::object();
    obj["z"] = 1;
    obj["a"] = Json::array({true, false, nullptr, 0.5, Json::object(), Json::array()});
    obj["m"] = "x";
    EXPECT_EQ(stringify(obj), R"({"z":1,"a":[true,false,null,0.5,{},[]],"m":"x"})");
}

TEST(SceneJson, ParsedTextWritesBackUnchanged)
{
    const std::string text =
        R"({"b":[1,2.5,-0.125,1e+21,1e-7,"é\n",{"y":null,"x":true}],"a":"\"/\\"})";
    const auto parsed = parseJson(text);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(stringify(parsed.value), text);
    // Escapes a browser would not write are normalised.
    EXPECT_EQ(stringify(parseJson(R"(["\/","\u0041\u00e9",1.50,1E2])").value),
              R"(["/","Aé",1.5,100])");
    // A duplicate key keeps its first position and its last value, as JSON.parse does.
    EXPECT_EQ(stringify(parseJson(R"({"a":1,"b":2,"a":3})").value), R"({"a":3,"b":2})");
}

TEST(SceneJson, ParseFailuresCarryAPosition)
{
    const auto truncated = parseJson("[1, 2");
    EXPECT_FALSE(truncated.ok);
    EXPECT_EQ(truncated.position, 5u);
    EXPECT_NE(truncated.error.find("line 1"), std::string::npos) << truncated.error;

    const auto junk = parseJson("[1, x]");
    EXPECT_FALSE(junk.ok);
    EXPECT_EQ(junk.position, 4u);
    EXPECT_TRUE(junk.value.is_null());

    const auto badUtf8 = parseJson("[\"a\xff\"]");
    EXPECT_FALSE(badUtf8.ok);
    EXPECT_EQ(badUtf8.position, 3u);

    EXPECT_FALSE(parseJson("").ok);
    const auto huge = parseJson("[1, 1e400]");
    EXPECT_FALSE(huge.ok);
    EXPECT_EQ(huge.position, 4u);
    // The message quotes the bad byte; it must stay valid, printable UTF-8.
    EXPECT_EQ(badUtf8.error.find('\xff'), std::string::npos) << badUtf8.error;
    EXPECT_TRUE(parseJson("\xEF\xBB\xBF[1]").ok);
}

TEST(SceneJson, DeepNestingIsRefusedWithoutRecursion)
{
    const int depth = 1000000;
    const std::string deep = std::string(depth, '[') + std::string(depth, ']');
    const auto result = parseJson(deep);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.position, static_cast<std::size_t>(vignetta::json::kMaxNestingDepth));

    const int allowed = vignetta::json::kMaxNestingDepth;
    EXPECT_TRUE(parseJson(std::string(allowed, '[') + std::string(allowed, ']')).ok);
    // Brackets inside strings do not count.
    EXPECT_TRUE(parseJson("[\"" + std::string(5000, '[') + "\"]").ok);
}

TEST(SceneJson, TextOfTooManyTinyValuesIsRefusedBeforeItIsBuilt)
{
    using vignetta::json::ParseLimits;
    // Three bytes of text per value, some fifty bytes of memory per value once parsed.
    std::string empties = "[";
    for (int i = 0; i < 1000000; ++i)
        empties += i ? ",[]" : "[]";
    empties += ']';
    const auto refused = parseJson(empties);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find("too many values"), std::string::npos) << refused.error;

    // The same text is read when the caller allows the memory.
    ParseLimits generous;
    generous.maxMemory = 128u << 20;
    const auto read = parseJson(empties, generous);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.value.size(), 1000000u);

    // Two bytes per number cost eight times the text: within the default bound.
    std::string zeros = "[";
    for (int i = 0; i < 1000000; ++i)
        zeros += i ? ",0" : "0";
    zeros += ']';
    EXPECT_TRUE(parseJson(zeros).ok);
    EXPECT_LE(vignetta::json::parsedMemory(zeros), 8 * zeros.size() + 64);

    ParseLimits tight;
    tight.maxMemory = 1000;
    EXPECT_FALSE(parseJson("[\"" + std::string(2000, 'x') + "\"]", tight).ok);
    EXPECT_TRUE(parseJson("[\"" + std::string(500, 'x') + "\"]", tight).ok);
}

TEST(SceneJson, LargeObjectsReadInLinearTimeAndMergeDuplicateKeys)
{
    // A library object that looks for each new key among the earlier ones would need about
    // 10^10 comparisons here.
    std::string text = "{";
    for (int i = 0; i < 200000; ++i)
        text += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":" + std::to_string(i);
    text += ",\"k5\":\"last\",\"k0\":true}";
    const auto read = parseJson(text);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.value.size(), 200000u);
    EXPECT_EQ(read.value.begin().key(), "k0");
    EXPECT_EQ(read.value["k0"], true);
    EXPECT_EQ(read.value["k5"], "last");
    EXPECT_EQ(std::next(read.value.begin(), 5).key(), "k5");
    EXPECT_EQ(std::prev(read.value.end()).key(), "k199999");
}

TEST(SceneJson, CoercionsFollowTheScriptRules)
{
    using namespace vignetta::json;
    EXPECT_EQ(toNumber(Json(" 12.5 ")), 12.5);
    EXPECT_EQ(toNumber(Json("")), 0);
    EXPECT_EQ(toNumber(Json("0x1F")), 31);
    EXPECT_EQ(toNumber(Json("-Infinity")), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(toNumber(Json(".5")), 0.5);
    EXPECT_TRUE(std::isnan(toNumber(Json("12px"))));
    EXPECT_TRUE(std::isnan(toNumber(Json("inf"))));
    EXPECT_TRUE(std::isnan(toNumber(Json("--1"))));
    EXPECT_TRUE(std::isnan(toNumber(Json::object())));
    EXPECT_EQ(toNumber(Json(nullptr)), 0);
    EXPECT_EQ(toNumber(Json(true)), 1);

    EXPECT_EQ(toInt(Json(2.9), 7), 2);
    EXPECT_EQ(toInt(Json(-2.9), 7), -2);
    EXPECT_EQ(toInt(Json("abc"), 7), 7);
    EXPECT_EQ(toInt(Json(1e300), 7), std::numeric_limits<int>::max());
    EXPECT_EQ(toInt(Json(-1e300), 7), std::numeric_limits<int>::min());
    // Numbers in hand (preview sizes and positions) follow the same truncation and clamping;
    // a non-finite one gives the fallback at either end, never a clamped extreme.
    EXPECT_EQ(toInt(-0.5, 7), 0);
    EXPECT_EQ(toInt(2147483647.9, 7), std::numeric_limits<int>::max());
    EXPECT_EQ(toInt(-2147483649.0, 7), std::numeric_limits<int>::min());
    EXPECT_EQ(toInt(std::numeric_limits<double>::quiet_NaN(), 7), 7);
    EXPECT_EQ(toInt(std::numeric_limits<double>::infinity(), 7), 7);
    EXPECT_EQ(toInt(-std::numeric_limits<double>::infinity(), 7), 7);
    // Unsigned numbers above the signed 64-bit range are large, not negative.
    EXPECT_EQ(toInt(Json(18446744073709551615ULL), 7), std::numeric_limits<int>::max());
    EXPECT_EQ(toInt(parseJson("18446744073709551615").value, 7), std::numeric_limits<int>::max());
    EXPECT_EQ(toInt(parseJson("1e19").value, 7), std::numeric_limits<int>::max());
    EXPECT_EQ(toInt(Json(4294967295ULL), 7), std::numeric_limits<int>::max());

    EXPECT_FALSE(toBool(Json("")));
    EXPECT_TRUE(toBool(Json("false")));
    EXPECT_FALSE(toBool(Json(0.0)));
    EXPECT_TRUE(toBool(Json::array()));

    EXPECT_EQ(toText(Json(1.5)), "1.5");
    EXPECT_EQ(toText(Json(true)), "true");
    EXPECT_EQ(toText(Json(nullptr), "dflt"), "dflt");
}
