#pragma once

// Single-byte code pages at the file edges (PDF text, text print, DBF import).
// Inside the program text is UTF-8; a character the target page lacks becomes "?",
// and so does a byte the source page leaves undefined.

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

enum class CodePage { Cp1250 = 1250, Cp852 = 852, Cp437 = 437 };

// The code page with that Windows number, if it is one of ours.
std::optional<CodePage> codePageFromNumber(int number);

// The Unicode character of one byte; nothing for a byte the page leaves undefined.
std::optional<char32_t> codePageToUnicode(CodePage page, unsigned char byte);
// The byte of one Unicode character; nothing when the page lacks it.
std::optional<unsigned char> unicodeToCodePage(CodePage page, char32_t character);

std::string utf8ToCodePage(std::string_view utf8, CodePage page);
std::string codePageToUtf8(std::string_view bytes, CodePage page);

std::string utf8ToCp1250(std::string_view utf8);
std::string cp1250ToUtf8(std::string_view bytes);
std::string utf8ToCp852(std::string_view utf8);
std::string cp852ToUtf8(std::string_view bytes);
std::string utf8ToCp437(std::string_view utf8);
std::string cp437ToUtf8(std::string_view bytes);

// UTF-16 counterparts of the Windows conversions the import is written against.
std::string wideToAnsi(std::u16string_view text, CodePage page);
std::u16string ansiToWide(std::string_view bytes, CodePage page);
std::string convertCodePage(std::string_view bytes, CodePage source, CodePage target);

// 7-bit Yugoslav ASCII (JUS I.B1.002): \ | [ { ^ ~ ] } @ ` stand for Đ đ Š š Č č Ć ć Ž ž.
std::string yuAsciiToCp1250(std::string_view bytes);
std::string yuAsciiToUtf8(std::string_view bytes);
// The reverse, for printers that only know the 7-bit national variant; other non-ASCII becomes "?".
std::string utf8ToYuAscii(std::string_view utf8);

// Only the ten Bosnian letters move from code page 852 to 1250; every other byte stays.
std::string cp852ToCp1250(std::string_view bytes);

}  // namespace tarvo
