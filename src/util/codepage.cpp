#include "util/codepage.h"

#include <algorithm>
#include <array>
#include <utility>

#include "util/utf8.h"

namespace tarvo {
namespace {

// The upper halves (0x80..0xFF); 0 marks a byte the page leaves undefined.
using UpperHalf = std::array<char16_t, 128>;

constexpr UpperHalf kCp1250 = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

constexpr UpperHalf kCp852 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x016F, 0x0107, 0x00E7,  // 80
    0x0142, 0x00EB, 0x0150, 0x0151, 0x00EE, 0x0179, 0x00C4, 0x0106,  // 88
    0x00C9, 0x0139, 0x013A, 0x00F4, 0x00F6, 0x013D, 0x013E, 0x015A,  // 90
    0x015B, 0x00D6, 0x00DC, 0x0164, 0x0165, 0x0141, 0x00D7, 0x010D,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x0104, 0x0105, 0x017D, 0x017E,  // A0
    0x0118, 0x0119, 0x00AC, 0x017A, 0x010C, 0x015F, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x011A,  // B0
    0x015E, 0x2563, 0x2551, 0x2557, 0x255D, 0x017B, 0x017C, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x0102, 0x0103,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // C8
    0x0111, 0x0110, 0x010E, 0x00CB, 0x010F, 0x0147, 0x00CD, 0x00CE,  // D0
    0x011B, 0x2518, 0x250C, 0x2588, 0x2584, 0x0162, 0x016E, 0x2580,  // D8
    0x00D3, 0x00DF, 0x00D4, 0x0143, 0x0144, 0x0148, 0x0160, 0x0161,  // E0
    0x0154, 0x00DA, 0x0155, 0x0170, 0x00FD, 0x00DD, 0x0163, 0x00B4,  // E8
    0x00AD, 0x02DD, 0x02DB, 0x02C7, 0x02D8, 0x00A7, 0x00F7, 0x00B8,  // F0
    0x00B0, 0x00A8, 0x02D9, 0x0171, 0x0158, 0x0159, 0x25A0, 0x00A0,  // F8
};

constexpr UpperHalf kCp437 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8
};

const UpperHalf& upperHalf(CodePage page) {
  switch (page) {
    case CodePage::Cp1250: return kCp1250;
    case CodePage::Cp852: return kCp852;
    case CodePage::Cp437: return kCp437;
  }
  return kCp1250;
}

// Sorted (character, byte) pairs of one upper half, for the reverse lookup.
using ReverseTable = std::array<std::pair<char16_t, unsigned char>, 128>;

ReverseTable buildReverse(const UpperHalf& half) {
  ReverseTable table{};
  for (std::size_t i = 0; i < half.size(); ++i) {
    table[i] = {half[i], static_cast<unsigned char>(0x80 + i)};
  }
  std::sort(table.begin(), table.end());
  return table;
}

const ReverseTable& reverseTable(CodePage page) {
  static const ReverseTable cp1250 = buildReverse(kCp1250);
  static const ReverseTable cp852 = buildReverse(kCp852);
  static const ReverseTable cp437 = buildReverse(kCp437);
  switch (page) {
    case CodePage::Cp1250: return cp1250;
    case CodePage::Cp852: return cp852;
    case CodePage::Cp437: return cp437;
  }
  return cp1250;
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Reads one code point at `pos` and moves past it; a malformed sequence yields kInvalid for its first byte.
char32_t nextUtf8(std::string_view text, std::size_t& pos) {
  const Utf8Char c = decodeUtf8(text, pos);
  pos += c.size;
  return c.valid ? c.codePoint : kInvalid;
}

char encodeOrQuestionMark(CodePage page, char32_t cp) {
  const auto byte = unicodeToCodePage(page, cp);
  return byte ? static_cast<char>(*byte) : '?';
}

char32_t decodeOrQuestionMark(CodePage page, char byte) {
  return codePageToUnicode(page, static_cast<unsigned char>(byte)).value_or(U'?');
}

// The 7-bit letters and their Unicode counterparts, in the order of the national standard.
constexpr std::array<std::pair<char, char32_t>, 10> kYuAscii = {{
    {'\\', U'Đ'}, {'|', U'đ'}, {'[', U'Š'}, {'{', U'š'}, {'^', U'Č'},
    {'~', U'č'}, {']', U'Ć'}, {'}', U'ć'}, {'@', U'Ž'}, {'`', U'ž'},
}};

std::optional<char32_t> yuAsciiLetter(char byte) {
  for (const auto& [ascii, letter] : kYuAscii) {
    if (ascii == byte) return letter;
  }
  return std::nullopt;
}

}  // namespace

std::optional<CodePage> codePageFromNumber(int number) {
  switch (number) {
    case 1250: return CodePage::Cp1250;
    case 852: return CodePage::Cp852;
    case 437: return CodePage::Cp437;
    default: return std::nullopt;
  }
}

std::optional<char32_t> codePageToUnicode(CodePage page, unsigned char byte) {
  if (byte < 0x80) return byte;
  const char16_t cp = upperHalf(page)[byte - 0x80];
  if (cp == 0) return std::nullopt;
  return cp;
}

std::optional<unsigned char> unicodeToCodePage(CodePage page, char32_t character) {
  if (character < 0x80) return static_cast<unsigned char>(character);
  if (character > 0xFFFF) return std::nullopt;
  const auto& table = reverseTable(page);
  const auto key = static_cast<char16_t>(character);
  const auto it = std::lower_bound(table.begin(), table.end(), key,
                                   [](const auto& entry, char16_t value) { return entry.first < value; });
  if (it == table.end() || it->first != key) return std::nullopt;
  return it->second;
}

std::string utf8ToCodePage(std::string_view utf8, CodePage page) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    out += encodeOrQuestionMark(page, nextUtf8(utf8, pos));
  }
  return out;
}

std::string codePageToUtf8(std::string_view bytes, CodePage page) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char byte : bytes) {
    appendUtf8(out, decodeOrQuestionMark(page, byte));
  }
  return out;
}

std::string utf8ToCp1250(std::string_view utf8) { return utf8ToCodePage(utf8, CodePage::Cp1250); }
std::string cp1250ToUtf8(std::string_view bytes) { return codePageToUtf8(bytes, CodePage::Cp1250); }
std::string utf8ToCp852(std::string_view utf8) { return utf8ToCodePage(utf8, CodePage::Cp852); }
std::string cp852ToUtf8(std::string_view bytes) { return codePageToUtf8(bytes, CodePage::Cp852); }
std::string utf8ToCp437(std::string_view utf8) { return utf8ToCodePage(utf8, CodePage::Cp437); }
std::string cp437ToUtf8(std::string_view bytes) { return codePageToUtf8(bytes, CodePage::Cp437); }

std::string wideToAnsi(std::u16string_view text, CodePage page) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
    if (highSurrogate && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;  // a pair stands for one character beyond every single-byte page
      out += '?';
      continue;
    }
    out += encodeOrQuestionMark(page, unit);
  }
  return out;
}

std::u16string ansiToWide(std::string_view bytes, CodePage page) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char byte : bytes) {
    out += static_cast<char16_t>(decodeOrQuestionMark(page, byte));
  }
  return out;
}

std::string convertCodePage(std::string_view bytes, CodePage source, CodePage target) {
  return wideToAnsi(ansiToWide(bytes, source), target);
}

std::string yuAsciiToCp1250(std::string_view bytes) {
  std::string out(bytes);
  for (char& byte : out) {
    if (const auto letter = yuAsciiLetter(byte)) {
      byte = static_cast<char>(*unicodeToCodePage(CodePage::Cp1250, *letter));
    }
  }
  return out;
}

std::string yuAsciiToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char byte : bytes) {
    if (const auto letter = yuAsciiLetter(byte)) {
      appendUtf8(out, *letter);
    } else if (static_cast<unsigned char>(byte) < 0x80) {
      out += byte;
    } else {
      out += '?';
    }
  }
  return out;
}

std::string utf8ToYuAscii(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = nextUtf8(utf8, pos);
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    const auto it = std::find_if(kYuAscii.begin(), kYuAscii.end(),
                                 [cp](const auto& entry) { return entry.second == cp; });
    out += it != kYuAscii.end() ? it->first : '?';
  }
  return out;
}

std::string cp852ToCp1250(std::string_view bytes) {
  // No byte that one step produces is the source of a later step, so one pass equals the stepwise replacement.
  static constexpr std::array<std::pair<unsigned char, unsigned char>, 10> kLetters = {{
      {0xD0, 0xF0}, {0xD1, 0xD0}, {0xE7, 0x9A}, {0xE6, 0x8A}, {0xAC, 0xC8},
      {0x9F, 0xE8}, {0x8F, 0xC6}, {0x86, 0xE6}, {0xA6, 0x8E}, {0xA7, 0x9E},
  }};
  std::string out(bytes);
  for (char& byte : out) {
    const auto value = static_cast<unsigned char>(byte);
    for (const auto& [from, to] : kLetters) {
      if (from == value) {
        byte = static_cast<char>(to);
        break;
      }
    }
  }
  return out;
}

}  // namespace tarvo
