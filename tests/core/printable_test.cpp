#include "common/file_read.h"
#include "common/printable.h"

#include <gtest/gtest.h>

using vignetta::common::printable;

TEST(Printable, ControlCharactersAreShownNotSent)
{
    // A picture name that would colour the terminal red, clear it, and ring its bell.
    EXPECT_EQ(printable("\x1b[31mred\x1b[2J\a"), "\\u001b[31mred\\u001b[2J\\u0007");
    EXPECT_EQ(printable("line\nnext\r\x7f"), "line\\u000anext\\u000d\\u007f");
    // C1 controls (U+009B is a terminal's single-byte escape introducer) and invalid bytes.
    EXPECT_EQ(printable("\xc2\x9b"
                        "2J"),
              "\\u009b2J");
    EXPECT_EQ(printable("bad\xff\xc3"), "bad\\xff\\xc3");
    // The line and paragraph separators break a list entry or a message like a line feed;
    // their neighbour U+2027 is an ordinary character.
    EXPECT_EQ(printable("a\xe2\x80\xa8" "b\xe2\x80\xa9" "c\xe2\x80\xa7"),
              "a\\u2028b\\u2029c\xe2\x80\xa7");
    EXPECT_EQ(vignetta::common::printableLines("a\xe2\x80\xa8" "b"), "a\\u2028b");
    // Everything else stays as it is.
    EXPECT_EQ(printable("Bild \xc3\xa4 \xe7\x94\xbb\xe5\x83\x8f C:\\pictures"),
              "Bild \xc3\xa4 \xe7\x94\xbb\xe5\x83\x8f C:\\pictures");
}

TEST(Printable, LogLinesKeepTheirLineBreaks)
{
    EXPECT_EQ(vignetta::common::printableLines("Unable to load file \x1b]0;title\a.\n\tat line 2"),
              "Unable to load file \\u001b]0;title\\u0007.\n\tat line 2");
}

TEST(Printable, SizesForMessages)
{
    using vignetta::files::describeSize;
    EXPECT_EQ(describeSize(256u << 20), "256 MB");
    EXPECT_EQ(describeSize(4096), "4 KB");
    EXPECT_EQ(describeSize(4097), "4097 bytes");
    EXPECT_EQ(describeSize(1), "1 byte");
}
