#include "util/wrap.h"

#include <algorithm>

#include "util/strings.h"

namespace tarvo {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kWrapBreakChars = "\t ,-.";

// Bytes of the line end starting at `pos`, or 0.
std::size_t lineEndAt(std::string_view text, std::size_t pos, std::string_view breakText) {
    const std::string_view rest = text.substr(pos);
    if (!breakText.empty() && rest.starts_with(breakText)) return breakText.size();
    if (rest.starts_with(kCrLf)) return kCrLf.size();
    if (rest.starts_with('\n') || rest.starts_with('\r')) return 1;
    return 0;
}

bool isBreakChar(std::string_view text, std::size_t pos, std::size_t size, std::string_view breakChars) {
    return breakChars.find(text.substr(pos, size)) != std::string_view::npos;
}

}  // namespace

std::string wrapText(std::string_view text, std::string_view breakText, std::string_view breakChars, int width) {
    std::string out;
    std::size_t lineStart = 0;
    std::size_t lineLength = 0;  // characters
    std::size_t afterLastBreak = std::string_view::npos;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (const std::size_t end = lineEndAt(text, pos, breakText)) {
            pos += end;
            out.append(text.substr(lineStart, pos - lineStart));
            lineStart = pos;
            lineLength = 0;
            afterLastBreak = std::string_view::npos;
            continue;
        }
        const std::size_t size = decodeUtf8(text, pos).size;
        if (isBreakChar(text, pos, size, breakChars)) afterLastBreak = pos + size;
        pos += size;
        ++lineLength;
        if (static_cast<long long>(lineLength) <= width || afterLastBreak == std::string_view::npos) continue;

        std::size_t cut = afterLastBreak;
        while (cut < text.size() && lineEndAt(text, cut, breakText) == 0) {
            const std::size_t next = decodeUtf8(text, cut).size;
            if (!isBreakChar(text, cut, next, breakChars)) break;
            cut += next;
        }
        afterLastBreak = std::string_view::npos;
        if (cut >= text.size() || lineEndAt(text, cut, breakText) != 0) {
            // Only break characters are left on this line (cut >= pos here): it ends by itself.
            pos = cut;
            continue;
        }
        out.append(text.substr(lineStart, cut - lineStart));
        out.append(breakText);
        lineStart = cut;
        lineLength = cut < pos ? utf8Length(text.substr(cut, pos - cut)) : 0;
        pos = std::max(pos, cut);
    }
    out.append(text.substr(lineStart));
    return out;
}

std::vector<std::string> splitLines(std::string_view separators, std::string_view blanks, std::string_view text) {
    std::string allSeparators(separators);
    allSeparators += "\r\n";
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(allSeparators, start), text.size());
        std::string_view piece = text.substr(start, end - start);
        const std::size_t first = piece.find_first_not_of(blanks);
        piece.remove_prefix(first == std::string_view::npos ? piece.size() : first);
        if (!piece.empty()) pieces.emplace_back(piece);
        start = end + 1;
    }
    return pieces;
}

std::vector<std::string> wrapToLines(std::string_view text, int width, bool centre) {
    std::vector<std::string> lines = splitLines("", "", wrapText(text, kCrLf, kWrapBreakChars, width));
    if (centre)
        for (std::string& line : lines) line = centerText(trimmed(line), width);
    return lines;
}

ValueArray wrapToArray(std::string_view text, int width) {
    ValueArray array = newVariantArray(0, 1);
    for (std::string& line : wrapToLines(text, width, false)) appendVariant(array, std::move(line));
    return array;
}

std::string wrapToBlock(std::string_view text, int width) {
    std::string block;
    for (const std::string& line : wrapToLines(text, width, false)) block += padRight(line, width);
    return block;
}

}  // namespace tarvo
