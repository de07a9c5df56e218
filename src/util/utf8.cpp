#include "util/utf8.h"

namespace tarvo {

Utf8Char decodeUtf8(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) return {lead, 1, true};

    std::size_t size = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return {0xFFFD, 1, false};
    }
    if (pos + size > text.size()) return {0xFFFD, 1, false};
    for (std::size_t i = 1; i < size; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return {0xFFFD, 1, false};
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0xFFFD, 1, false};
    return {cp, size, true};
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += decodeUtf8(text, pos).size) ++count;
    return count;
}

std::size_t utf8Offset(std::string_view text, std::size_t index) {
    std::size_t pos = 0;
    for (; index > 0 && pos < text.size(); --index) pos += decodeUtf8(text, pos).size;
    return pos;
}

std::string utf8Substr(std::string_view text, std::size_t start, std::size_t count) {
    const std::size_t begin = utf8Offset(text, start);
    const std::string_view rest = text.substr(begin);
    return std::string(rest.substr(0, count == std::string::npos ? rest.size() : utf8Offset(rest, count)));
}

namespace {

// Latin Extended-A pairs capitals and small letters by parity, with the parity flipping in the middle.
bool isLatinExtAUpper(char32_t c) {
    if (c >= 0x0100 && c <= 0x012F) return c % 2 == 0;
    if (c >= 0x0132 && c <= 0x0137) return c % 2 == 0;
    if (c >= 0x0139 && c <= 0x0148) return c % 2 == 1;
    if (c >= 0x014A && c <= 0x0177) return c % 2 == 0;
    if (c >= 0x0179 && c <= 0x017E) return c % 2 == 1;
    return false;
}

bool isLatinExtALower(char32_t c) { return isLatinExtAUpper(c - 1); }

}  // namespace

char32_t upperCodePoint(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c < 0x80) return c;
    if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) return c - 0x20;
    if (c == 0x00FF) return 0x0178;
    if (isLatinExtALower(c)) return c - 1;
    if (c >= 0x0430 && c <= 0x044F) return c - 0x20;
    if (c >= 0x0450 && c <= 0x045F) return c - 0x50;
    return c;
}

char32_t lowerCodePoint(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c < 0x80) return c;
    if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return c + 0x20;
    if (c == 0x0178) return 0x00FF;
    if (isLatinExtAUpper(c)) return c + 1;
    if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
    return c;
}

namespace {

template <typename Map>
std::string mapCase(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char ch = decodeUtf8(text, pos);
        const char32_t mapped = ch.valid ? map(ch.codePoint) : ch.codePoint;
        if (ch.valid && mapped != ch.codePoint)
            appendUtf8(out, mapped);
        else
            out.append(text.substr(pos, ch.size));  // invalid bytes pass through untouched
        pos += ch.size;
    }
    return out;
}

}  // namespace

std::string utf8Upper(std::string_view text) { return mapCase(text, upperCodePoint); }
std::string utf8Lower(std::string_view text) { return mapCase(text, lowerCodePoint); }

}  // namespace tarvo
