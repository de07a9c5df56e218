#include "util/sqltext.h"

#include <algorithm>
#include <vector>

#include <fmt/format.h>

#include "util/strings.h"

namespace tarvo {
namespace {

std::string backslashBefore(std::string_view text, std::string_view special) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (special.find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

// Trimmed, non-empty pieces of `text` between any of `separators`.
std::vector<std::string> trimmedPieces(std::string_view text, std::string_view separators) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
        std::string piece = trimmed(text.substr(start, end - start));
        if (!piece.empty()) pieces.push_back(std::move(piece));
        start = end + 1;
    }
    return pieces;
}

}  // namespace

std::string escapeSqlString(std::string_view text) { return backslashBefore(text, "\\\"'"); }

std::string escapeRegexValue(std::string_view text) { return backslashBefore(text, ".\\*^$+?|()[]{}"); }

std::string escapeRegex(std::string_view text) { return escapeSqlString(escapeRegexValue(text)); }

std::string buildCodeCondition(std::string_view criterion, std::string_view column) {
    std::string condition = "(";
    bool first = true;
    for (const std::string& item : trimmedPieces(criterion, ";\r\n")) {
        if (!first) condition += " or ";
        first = false;
        const std::vector<std::string> bounds = trimmedPieces(item, ":");
        if (bounds.size() >= 2) {
            const std::size_t length = std::max(utf8Length(bounds[0]), utf8Length(bounds[1]));
            condition += fmt::format("LEFT({},{}) between \"{}\" and \"{}\"", column, length, escapeSqlString(bounds[0]),
                                     escapeSqlString(bounds[1]));
        } else {
            condition += fmt::format("{} like \"{}%\"", column, escapeSqlString(item));
        }
    }
    return condition + ")";
}

std::string sqlDateLiteral(Date date) { return "date(\"" + formatIsoDate(date) + "\")"; }

}  // namespace tarvo
