// The four-character excerpts of text blocks on the timeline.

#include <gtest/gtest.h>

#include "text/excerpt.h"
#include "text_test_util.h"

using namespace text_test;

namespace {

std::string excerpt(const std::string &text, bool isComment = false)
{
    return blockExcerpt(text, isComment, sampleNames());
}

} // namespace

TEST(TextExcerpt, MessagesShowFourCharactersOfTheirFirstLineWithoutCodes)
{
    EXPECT_EQ(excerpt(R"(\C[2]Hello)"), "Hell..");
    EXPECT_EQ(excerpt("Hi"), "Hi..");
    EXPECT_EQ(excerpt(""), "");
    EXPECT_EQ(excerpt("\\C[1]\\I[4]\\!\nsecond line"), "");
    EXPECT_EQ(excerpt("ab\ncd"), "ab..");
    EXPECT_EQ(excerpt("ab\fcd"), "ab..");
    EXPECT_EQ(excerpt("a\r\nb"), "a..");
    // Names and the unit are text; an unknown code's bracket is text too.
    EXPECT_EQ(excerpt(R"(\N[2]!)"), "Orin..");
    EXPECT_EQ(excerpt(R"(5\G)"), "5Gol..");
    EXPECT_EQ(excerpt(R"(A\X[5]B)"), "A[5]..");
    EXPECT_EQ(excerpt(R"(\\C[1])"), "\\C[1..");
    // Characters, not bytes.
    EXPECT_EQ(excerpt("äöüßx"), "äöüß..");
}

TEST(TextExcerpt, CommentsShowTheirFirstLineAsWritten)
{
    EXPECT_EQ(excerpt("Note line\nsecond", true), "Note..");
    EXPECT_EQ(excerpt(R"(\C[2]x)", true), "\\C[2..");
    EXPECT_EQ(excerpt("ab\r\ncd", true), "ab..");
    EXPECT_EQ(excerpt("", true), "..");
}
