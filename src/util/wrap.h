#pragma once

// Word wrapping for the report engine and the text print.

#include <string>
#include <string_view>
#include <vector>

#include "util/arrays.h"

namespace tarvo {

// Inserts `breakText` so that no line is longer than `width` characters where that can be
// avoided. A line ends at an existing `breakText` and at CR LF, LF or CR. When a line grows
// past `width`, it is cut after its last break character together with the break characters
// that directly follow it (they stay at the end of the line). No break text is inserted when
// only break characters follow up to the end of the text or up to a line end. A line without
// a break character is never cut, so a word longer than `width` stays whole.
std::string wrapText(std::string_view text, std::string_view breakText, std::string_view breakChars, int width);

// The pieces of the text between separators (`separators`, CR, LF and the end of the text),
// each without its leading characters from `blanks`; empty pieces are dropped.
std::vector<std::string> splitLines(std::string_view separators, std::string_view blanks, std::string_view text);

// The text wrapped at tab, blank, ",", "-" and "." and split into its non-empty lines;
// with `centre` each line is trimmed and centred in `width`.
std::vector<std::string> wrapToLines(std::string_view text, int width, bool centre);
// The lines of wrapToLines (not centred) with lower bound 1.
ValueArray wrapToArray(std::string_view text, int width);
// The lines of wrapToLines (not centred), each padded to `width`, in one text.
std::string wrapToBlock(std::string_view text, int width);

}  // namespace tarvo
