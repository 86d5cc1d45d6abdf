// Converting stored message text: names, variables, backslashes, and reading codes.

#include <gtest/gtest.h>

#include "project/database.h"
#include "text/codes.h"
#include "text_test_util.h"

using namespace text_test;

namespace {

std::string converted(const std::string &stored)
{
    // The escape character shown as '^' so that expectations stay readable.
    std::u32string text = convert(stored);
    for (char32_t &c : text)
        if (c == kEscape)
            c = U'^';
    return encodeUtf8(text);
}

std::string drawnAll(const std::string &stored)
{
    TextEngine engine(halfWidth);
    engine.drawAll(convert(stored));
    return drawnText(engine);
}

} // namespace

TEST(TextConversion, BackslashesBecomeCodesAndPairsStandForThemselves)
{
    EXPECT_EQ(converted(R"(a\Cb)"), "a^Cb");
    EXPECT_EQ(converted(R"(a\\b)"), "a\\b");
    // Three backslashes: a literal one, then a code.
    EXPECT_EQ(converted(R"(\\\C[1])"), "\\^C[1]");

    // A doubled backslash followed by C[2] draws the backslash and "C[2]" in colour 0.
    TextEngine engine(halfWidth);
    engine.drawAll(convert(R"(\\C[2]x)"));
    EXPECT_EQ(drawnText(engine), "\\C[2]x");
    for (const DrawOp &op : engine.ops())
        EXPECT_EQ(op.number, 0);
}

TEST(TextConversion, VariablesDrawZeroInEitherCase)
{
    EXPECT_EQ(converted(R"(a\V[5]b\v[12]c)"), "a0b0c");
    // A variable inside a variable code is covered by the second pass.
    EXPECT_EQ(converted(R"(\V[\V[1]])"), "0");
    // Without digits it is no variable: an ignored code followed by its bracket text.
    EXPECT_EQ(drawnAll(R"(\V[x])"), "[x]");
}

TEST(TextConversion, NamesPartyAndCurrencyComeFromTheDatabase)
{
    EXPECT_EQ(converted(R"(\N[1] and \n[3])"), "Lena and Mabel");
    EXPECT_EQ(converted(R"(\P[1]/\p[2])"), "Orin/Mabel");
    EXPECT_EQ(converted(R"(20\G 5\g)"), "20Gold 5Gold");
    // Missing actors and party members give the empty name.
    EXPECT_EQ(converted(R"([\N[0]|\N[99999]|\N[99999999999999999999]|\P[0]|\P[3]])"), "[||||]");
    // A name code without a number is an ignored code; its bracket is drawn.
    EXPECT_EQ(drawnAll(R"(\N[abc])"), "[abc]");
    // A name is inserted as text: a backslash in it is not a code.
    NameSource names;
    names.actors[1] = "A\\C[2]";
    EXPECT_EQ(encodeUtf8(convertText(R"(\N[1])", names)), "A\\C[2]");
}

TEST(TextConversion, NamesAreReadFromTheLoadedTables)
{
    vignetta::project::Database database;
    ASSERT_TRUE(database.load([](const std::string &file) -> std::optional<std::string> {
        if (file == "Actors.json")
            return R"([null,{"id":1,"name":"Lena"},{"id":2,"name":7},{"id":3,"name":"Mabel"}])";
        if (file == "System.json")
            return R"({"partyMembers":[3,"x",1.5,1],"currencyUnit":"Gil"})";
        return "[null]";
    }));
    const NameSource names = namesFromDatabase(database);
    EXPECT_EQ(names.actorName(1), "Lena");
    EXPECT_EQ(names.actorName(2), ""); // not a string
    EXPECT_EQ(names.partyMemberName(1), "Mabel");
    EXPECT_EQ(names.partyMemberName(2), ""); // not an actor id
    EXPECT_EQ(names.partyMemberName(3), "");
    EXPECT_EQ(names.partyMemberName(4), "Lena");
    EXPECT_EQ(names.currencyUnit, "Gil");
    EXPECT_EQ(encodeUtf8(convertText(R"(\P[1] \G)", names)), "Mabel Gil");
}

TEST(TextConversion, BadBytesAndLineEndsAreNeutral)
{
    // Invalid UTF-8, an encoded surrogate and a cut-off sequence become U+FFFD.
    EXPECT_EQ(convert("a\xff"
                      "b\xed\xa0\x80"
                      "c\xe2\x82"),
              U"a\uFFFDb\uFFFD\uFFFD\uFFFDc\uFFFD\uFFFD");
    EXPECT_EQ(convert("\xf0\x9f\x98\x80"), U"\U0001F600");
    EXPECT_EQ(converted("one\r\ntwo\rthree"), "one\ntwo\rthree");
}

TEST(TextCodes, CodesAreSymbolsOrLetterRuns)
{
    const auto read = [](const std::u32string &text, std::size_t &at) {
        return readCode(text, at);
    };
    std::size_t at = 0;
    std::u32string text = U"Cx[1]";
    EXPECT_EQ(read(text, at), "CX");
    EXPECT_EQ(at, 2u);
    for (const char *symbol : {"$", ".", "|", "^", "!", ">", "<", "{", "}", "\\"}) {
        text = decodeUtf8(std::string(symbol) + "abc");
        at = 0;
        EXPECT_EQ(read(text, at), symbol);
        EXPECT_EQ(at, 1u);
    }
    text = U"[5]";
    at = 0;
    EXPECT_EQ(read(text, at), "");
    EXPECT_EQ(at, 0u);
    text = U"";
    EXPECT_EQ(read(text, at), "");
}

TEST(TextCodes, ParametersAreDigitsInBracketsAndSaturate)
{
    std::size_t at = 0;
    bool found = false;
    std::u32string text = U"[42]x";
    EXPECT_EQ(readParameter(text, at, &found), 42);
    EXPECT_TRUE(found);
    EXPECT_EQ(at, 4u);
    for (const std::u32string bad : {U"[", U"[-1]", U"[]", U"[12", U"[1a]", U"x[1]"}) {
        at = 0;
        EXPECT_EQ(readParameter(bad, at, &found), 0);
        EXPECT_FALSE(found);
        EXPECT_EQ(at, 0u);
    }
    text = U"[123456789012345678901234567890]";
    at = 0;
    EXPECT_EQ(readParameter(text, at), kParameterLimit);
    EXPECT_EQ(at, text.size());
}

TEST(TextCodes, UnterminatedAndHugeCodesDrawNeutrally)
{
    TextEngine engine(halfWidth);
    // No parameter: colour 0 and icon 0, and the bracket stays text.
    engine.drawAll(convert(R"(\C[\I[x)"));
    ASSERT_EQ(drawnText(engine), "[#[x");
    EXPECT_EQ(engine.ops()[0].number, 0);
    EXPECT_EQ(engine.ops()[1].number, 0);

    engine.drawAll(convert(R"(\C[-1]a\I[99999999999]\C[3]b)"));
    ASSERT_EQ(drawnText(engine), "[-1]a#b");
    EXPECT_EQ(engine.ops()[4].number, 0);
    EXPECT_EQ(engine.ops()[5].number, 99999999999LL);
    EXPECT_EQ(engine.ops()[6].number, 3);

    // A lone backslash at the very end is an empty code.
    engine.drawAll(convert("ab\\"));
    EXPECT_EQ(drawnText(engine), "ab");
}
