#include "util/wrap.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct WrapCase {
    const char* text;
    const char* breakChars;
    int width;
    const char* expected;
};

TEST(WrapText, Rules) {
    const WrapCase cases[] = {
        // Cut after the last break character once the line passes the width.
        {"abcd efgh ijkl", " ", 10, "abcd efgh \r\nijkl"},
        {"abc-defghij", " -", 5, "abc-\r\ndefghij"},
        // A line of exactly the width stays.
        {"abcd efgh", " ", 9, "abcd efgh"},
        // A word longer than the width stays whole.
        {"abcdefghijklmno", " ", 5, "abcdefghijklmno"},
        {"ab abcdefghijkl", " ", 5, "ab \r\nabcdefghijkl"},
        // Break characters that follow the cut stay at the end of the line.
        {"aaaaa   bbb", " ", 5, "aaaaa   \r\nbbb"},
        // Only break characters left up to the end or up to a line end: nothing is inserted.
        {"abcdef   ", " ", 5, "abcdef   "},
        {"abcdef   \r\nxy", " ", 6, "abcdef   \r\nxy"},
        // An existing CR LF ends the line, and the width counts again after it.
        {"abcdef\r\ngh ij", " ", 6, "abcdef\r\ngh ij"},
        {"abc\r\ndefgh ij", " ", 6, "abc\r\ndefgh \r\nij"},
        // A lone LF too.
        {"abcdef\ngh ij", " ", 6, "abcdef\ngh ij"},
        // Widths count characters, not bytes.
        {"ab čć de", " ", 6, "ab čć \r\nde"},
        {"", " ", 5, ""},
    };
    for (const WrapCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(wrapText(c.text, "\r\n", c.breakChars, c.width), c.expected);
    }
}

TEST(WrapText, OtherBreakText) {
    EXPECT_EQ(wrapText("ab cd|ef gh", "|", " ", 4), "ab |cd|ef |gh");
}

TEST(SplitLines, PiecesWithoutLeadingBlanks) {
    EXPECT_EQ(splitLines(";", " ", "a; b\r\n\r\n  c;"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("", "", "x\r\n\r\ny\n"), (std::vector<std::string>{"x", "y"}));
}

TEST(WrapToLines, BreakCharactersAndCentring) {
    EXPECT_EQ(wrapToLines("Prvi red, drugi-dio. kraj", 10, false),
              (std::vector<std::string>{"Prvi red, ", "drugi-dio. ", "kraj"}));
    EXPECT_EQ(wrapToLines("bezrazmakajednadugarijec", 5, false), (std::vector<std::string>{"bezrazmakajednadugarijec"}));
    EXPECT_EQ(wrapToLines("abc def", 7, true), (std::vector<std::string>{"abc def"}));
    EXPECT_EQ(wrapToLines("ab cdefgh", 6, true), (std::vector<std::string>{"  ab  ", "cdefgh"}));
}

TEST(WrapToLines, ArrayAndBlock) {
    const ValueArray lines = wrapToArray("abc def", 4);
    ASSERT_EQ(lines.lowerBound, 1);
    ASSERT_EQ(lines.count(), 2);
    EXPECT_EQ(lines[1].text(), "abc ");
    EXPECT_EQ(lines[2].text(), "def");
    EXPECT_EQ(wrapToBlock("abc def", 4), "abc def ");
    EXPECT_EQ(wrapToBlock("ab cd", 4), "ab  cd  ");
}

}  // namespace
}  // namespace tarvo
