#include "util/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace tarvo {
namespace {

constexpr std::string_view kBosnianLetters = "ČĆŽŠĐčćžšđ";

struct PageCase {
  CodePage page;
  const char* iconvName;
};

class CodePageTable : public ::testing::TestWithParam<PageCase> {};

// The system's iconv is an independent source for every byte of the upper half.
std::optional<std::string> iconvToUtf8(const char* from, unsigned char byte) {
  iconv_t cd = iconv_open("UTF-8", from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  char in[1] = {static_cast<char>(byte)};
  char out[8] = {};
  char* inPtr = in;
  char* outPtr = out;
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) return std::nullopt;
  return std::string(out, outPtr);
}

TEST_P(CodePageTable, EveryByteMatchesTheSystemTable) {
  const auto [page, iconvName] = GetParam();
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const std::string bytes(1, static_cast<char>(byte));
    const auto expected = iconvToUtf8(iconvName, static_cast<unsigned char>(byte));
    const std::string decoded = codePageToUtf8(bytes, page);
    if (expected) {
      EXPECT_EQ(decoded, *expected) << "byte " << std::hex << byte;
      EXPECT_EQ(utf8ToCodePage(decoded, page), bytes) << "byte " << std::hex << byte;
    } else {
      EXPECT_EQ(decoded, "?") << "undefined byte " << std::hex << byte;
    }
  }
}

TEST_P(CodePageTable, AsciiPassesUnchangedAndForeignCharactersBecomeQuestionMarks) {
  const CodePage page = GetParam().page;
  EXPECT_EQ(utf8ToCodePage("Konto 2020 (a\\b)", page), "Konto 2020 (a\\b)");
  EXPECT_EQ(codePageToUtf8("Konto 2020", page), "Konto 2020");
  EXPECT_EQ(utf8ToCodePage("a€b", page), page == CodePage::Cp1250 ? "a\x80" "b" : "a?b");
  EXPECT_EQ(utf8ToCodePage("x日y😀z", page), "x?y?z");
  EXPECT_EQ(utf8ToCodePage("bad\xC3", page), "bad?");
  EXPECT_EQ(utf8ToCodePage("\xFF\xFE", page), "??");
}

INSTANTIATE_TEST_SUITE_P(Pages, CodePageTable,
                         ::testing::Values(PageCase{CodePage::Cp1250, "CP1250"},
                                           PageCase{CodePage::Cp852, "CP852"},
                                           PageCase{CodePage::Cp437, "IBM437"}));

TEST(CodePage, BosnianLettersRoundTripThroughTheCentralEuropeanPages) {
  EXPECT_EQ(utf8ToCp1250(kBosnianLetters), "\xC8\xC6\x8E\x8A\xD0\xE8\xE6\x9E\x9A\xF0");
  EXPECT_EQ(utf8ToCp852(kBosnianLetters), "\xAC\x8F\xA6\xE6\xD1\x9F\x86\xA7\xE7\xD0");
  EXPECT_EQ(cp1250ToUtf8(utf8ToCp1250(kBosnianLetters)), kBosnianLetters);
  EXPECT_EQ(cp852ToUtf8(utf8ToCp852(kBosnianLetters)), kBosnianLetters);
}

TEST(CodePage, BosnianLettersAreMissingFromCp437ButSurviveAsYuAscii) {
  EXPECT_EQ(utf8ToCp437(kBosnianLetters), "??????????");
  EXPECT_EQ(cp437ToUtf8(utf8ToCp437("Grüße")), "Grüße");
  EXPECT_EQ(utf8ToYuAscii(kBosnianLetters), "^]@[\\~}`{|");
  EXPECT_EQ(yuAsciiToUtf8(utf8ToYuAscii(kBosnianLetters)), kBosnianLetters);
  EXPECT_EQ(utf8ToYuAscii("Ana Ü"), "Ana ?");
}

TEST(CodePage, YuAsciiToCp1250ReplacesOnlyTheTenSigns) {
  EXPECT_EQ(yuAsciiToCp1250("\\|[{^~]}@`"), utf8ToCp1250("ĐđŠšČčĆćŽž"));
  EXPECT_EQ(yuAsciiToCp1250("Abc 123 #\x80"), "Abc 123 #\x80");
  EXPECT_EQ(yuAsciiToUtf8("^a~a\x9A"), "Čača?");
}

TEST(CodePage, Cp852ToCp1250MovesOnlyTheBosnianLetters) {
  EXPECT_EQ(cp852ToCp1250(utf8ToCp852(kBosnianLetters)), utf8ToCp1250(kBosnianLetters));
  // Bytes outside the ten stay as they are, even where they are letters in one page only.
  for (int byte = 0; byte <= 0xFF; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    const bool bosnian = utf8ToCp852(kBosnianLetters).find(one) != std::string::npos;
    if (!bosnian) {
      EXPECT_EQ(cp852ToCp1250(one), one) << "byte " << byte;
    }
  }
}

TEST(CodePage, WideConversionsFollowTheSameTables) {
  EXPECT_EQ(wideToAnsi(u"Čaša €", CodePage::Cp1250), "\xC8" "a\x9A" "a \x80");
  EXPECT_EQ(wideToAnsi(u"a\U0001F600b", CodePage::Cp1250), "a?b");
  EXPECT_EQ(ansiToWide("\xAC" "a", CodePage::Cp852), u"Ča");
  EXPECT_EQ(convertCodePage(utf8ToCp1250(kBosnianLetters), CodePage::Cp1250, CodePage::Cp852),
            utf8ToCp852(kBosnianLetters));
  EXPECT_EQ(convertCodePage("\x8A", CodePage::Cp1250, CodePage::Cp437), "?");
}

TEST(CodePage, NumbersNameOnlyTheKnownPages) {
  EXPECT_EQ(codePageFromNumber(1250), CodePage::Cp1250);
  EXPECT_EQ(codePageFromNumber(852), CodePage::Cp852);
  EXPECT_EQ(codePageFromNumber(437), CodePage::Cp437);
  EXPECT_EQ(codePageFromNumber(65001), std::nullopt);
}

}  // namespace
}  // namespace tarvo
