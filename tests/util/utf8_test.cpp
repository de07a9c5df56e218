#include "util/utf8.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(Utf8, LengthAndSubstringCountCharacters) {
    EXPECT_EQ(utf8Length("čćžšđ"), 5u);
    EXPECT_EQ(utf8Length("abc"), 3u);
    EXPECT_EQ(utf8Length(""), 0u);
    EXPECT_EQ(utf8Length("\xE8" "a"), 2u);  // a stray cp1250 byte is one character
    EXPECT_EQ(utf8Length("€𝄞"), 2u);
    EXPECT_EQ(utf8Substr("ačćd", 1, 2), "čć");
    EXPECT_EQ(utf8Substr("ačćd", 2), "ćd");
    EXPECT_EQ(utf8Substr("ačćd", 9, 2), "");
    EXPECT_EQ(utf8Substr("ačćd", 0, 0), "");
}

TEST(Utf8, DecodeRejectsMalformedSequences) {
    for (const char* bad : {"\xC0\xAF", "\xE2\x82", "\xED\xA0\x80", "\xF5\x80\x80\x80", "\x80"}) {
        const Utf8Char ch = decodeUtf8(bad, 0);
        EXPECT_FALSE(ch.valid);
        EXPECT_EQ(ch.size, 1u);
    }
    std::string encoded;
    for (char32_t cp : {U'a', U'đ', U'€', U'𝄞'}) appendUtf8(encoded, cp);
    EXPECT_EQ(encoded, "ađ€𝄞");
}

TEST(Utf8, CaseOfBosnianLetters) {
    const std::pair<const char*, const char*> pairs[] = {
        {"čćžšđ abc", "ČĆŽŠĐ ABC"},
        {"početno stanje", "POČETNO STANJE"},
        {"љубав ђак", "ЉУБАВ ЂАК"},
        {"àéöÿ", "ÀÉÖŸ"},
        {"łńő", "ŁŃŐ"},
    };
    for (const auto& [lower, upper] : pairs) {
        EXPECT_EQ(utf8Upper(lower), upper);
        EXPECT_EQ(utf8Lower(upper), lower);
    }
    EXPECT_EQ(utf8Upper("ß×÷1"), "ß×÷1");
    EXPECT_EQ(utf8Upper("a\xE8" "b"), "A\xE8" "B");
}

}  // namespace
}  // namespace tarvo
