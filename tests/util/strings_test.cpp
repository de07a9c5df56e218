#include "util/strings.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct PadCase {
    const char* text;
    int width;
    char filler;
    const char* right;
    const char* left;
};

TEST(Padding, CutsTextButNeverNumbers) {
    const PadCase cases[] = {
        {"abc", 5, '.', "abc..", "..abc"},
        {"abcdef", 3, ' ', "abc", "def"},
        {"abc", 3, ' ', "abc", "abc"},
        {"čć", 4, ' ', "čć  ", "  čć"},
        {"ščćžđx", 3, ' ', "ščć", "žđx"},
        {"12345678,90", 10, ' ', "12345678,90", "12345678,90"},
        {"   1234,50", 8, ' ', "   1234,50", " 1234,50"},
        {"1234,50   ", 8, ' ', "1234,50 ", "1234,50   "},
        {"-12.5", 3, ' ', "-12.5", "-12.5"},
        {"12 34", 2, ' ', "12", "34"},
        {"", 2, '0', "00", "00"},
        {"x", 0, ' ', "", ""},
    };
    for (const PadCase& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" " << c.width);
        EXPECT_EQ(padRight(c.text, c.width, c.filler), c.right);
        EXPECT_EQ(padLeft(c.text, c.width, c.filler), c.left);
    }
}

TEST(Padding, CenterText) {
    EXPECT_EQ(centerText("ab", 6), "  ab  ");
    EXPECT_EQ(centerText("abc", 6), " abc  ");
    EXPECT_EQ(centerText("čć", 5), " čć  ");
    EXPECT_EQ(centerText("abcdef", 4), "cdef");
}

TEST(Codes, NextLetterCode) {
    const std::pair<const char*, const char*> cases[] = {
        {"A", "B"}, {"Y", "Z"}, {"Z", "AA"}, {"AB", "AC"}, {"AZ", "BA"}, {"ZZ", "AAA"}, {"", "A"},
    };
    for (const auto& [code, next] : cases) EXPECT_EQ(nextLetterCode(code), next) << code;
}

TEST(Codes, LettersAndIdentifiers) {
    EXPECT_EQ(leadingLetters("abC12x"), "ABC");
    EXPECT_EQ(leadingLetters("1ab"), "");
    EXPECT_EQ(leadingLetters("čab"), "");
    EXPECT_EQ(safeIdentifier(R"(a\b"c.d e'f-g/h)"), "a_b_c_d_e_f_g_h");
    EXPECT_EQ(spaceOutChars("ačb"), "a č b");
    EXPECT_EQ(spaceOutChars(""), "");
    EXPECT_EQ(removeChars("1.234,5 6", true, true, true), "123456");
    EXPECT_EQ(removeChars("1.234,5 6", true, false, false), "1234,5 6");
    EXPECT_EQ(trimmed(" \t x y \r\n"), "x y");
}

TEST(Words, NthWord) {
    const char* text = "12/2024 izvod #5";
    EXPECT_EQ(nthWord(text, 1, true), "5");
    EXPECT_EQ(nthWord(text, 2, true), "izvod");
    EXPECT_EQ(nthWord(text, 1, false), "12/2024");
    EXPECT_EQ(nthWord(text, 4, false), "");
    EXPECT_EQ(nthWord(text, 0, false), "");
    EXPECT_EQ(nthWord("a,,b", 2, false), "b");
}

TEST(Words, SplitAtFirst) {
    const SplitAtFirst found = splitAtFirst("konto=20=20", "=");
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.before, "konto");
    EXPECT_EQ(found.after, "20=20");

    const SplitAtFirst atStart = splitAtFirst("=2020", "=", "1");
    EXPECT_FALSE(atStart.found);
    EXPECT_EQ(atStart.before, "");
    EXPECT_EQ(atStart.after, "1");

    const SplitAtFirst missing = splitAtFirst("abc", "=");
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.after, "");
}

TEST(Words, SplitNumberAndText) {
    const struct {
        const char* text;
        const char* number;
        const char* rest;
    } cases[] = {
        {"71000 Sarajevo", "71000", "Sarajevo"},
        {"71000,  Novi  Grad", "71000", "Novi Grad"},
        {"Sarajevo, Centar", "", "Sarajevo Centar"},
        {"Zenica 72000", "", "Zenica 72000"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const NumberAndText split = splitNumberAndText(c.text);
        EXPECT_EQ(split.number, c.number) << c.text;
        EXPECT_EQ(split.rest, c.rest) << c.text;
    }
}

}  // namespace
}  // namespace tarvo
