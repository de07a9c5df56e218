#pragma once

// Text is UTF-8 everywhere; lengths, positions and cuts count characters (code points).
// A byte that does not start a valid sequence counts as one character of its own.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

struct Utf8Char {
    char32_t codePoint;  // U+FFFD for an invalid byte
    std::size_t size;    // bytes taken from the text, at least 1
    bool valid;
};

// The character that starts at byte `pos` (pos < text.size()).
Utf8Char decodeUtf8(std::string_view text, std::size_t pos);
void appendUtf8(std::string& out, char32_t codePoint);

std::size_t utf8Length(std::string_view text);
// Byte offset of the character with index `index`; text.size() when past the end.
std::size_t utf8Offset(std::string_view text, std::size_t index);
// `count` characters from character `start`; std::string::npos takes the rest.
std::string utf8Substr(std::string_view text, std::size_t start, std::size_t count = std::string::npos);

char32_t upperCodePoint(char32_t c);
char32_t lowerCodePoint(char32_t c);
// Case mapping for ASCII, Latin-1, Latin Extended-A (č ć ž š đ ...) and basic Cyrillic.
std::string utf8Upper(std::string_view text);
std::string utf8Lower(std::string_view text);

}  // namespace tarvo
