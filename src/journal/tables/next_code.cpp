#include "journal/tables/next_code.h"

#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "util/sqltext.h"
#include "util/utf8.h"

namespace tarvo::tables {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal digit string plus one, as long as it needs to be ("099" -> "100", "9" -> "10").
std::string incremented(std::string digits) {
    size_t i = digits.size();
    while (i > 0) {
        --i;
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

std::string withoutLeadingZeros(const std::string& digits) {
    const size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

}  // namespace

std::string nextFreeCode(std::string_view typed, std::string_view highest) {
    const size_t protectedBytes = utf8Offset(highest, utf8Length(typed));
    size_t start = highest.size();
    while (start > protectedBytes && isDigit(highest[start - 1])) --start;
    const std::string digits(highest.substr(start));
    if (digits.empty()) return std::string(highest) + "1";
    const std::string next = incremented(digits);
    if (typed.empty()) {
        const size_t width = utf8Length(highest);
        return next.size() < width ? std::string(width - next.size(), '0') + next : next;
    }
    return std::string(highest.substr(0, start)) + withoutLeadingZeros(next);
}

std::string escapeLikePattern(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '%' || c == '_' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

std::string nextFreeCode(db::Connection& connection, const std::string& table, const std::string& column,
                         std::string_view typed) {
    const std::string name = db::quoteIdentifier(column);
    const std::string sql = "select " + name + " as kbr from " + db::quoteQualified(table) + " where " + name +
                            " like \"" + escapeSqlString(escapeLikePattern(typed)) + "%\"" + " order by " + name +
                            " desc limit 0,1";
    return nextFreeCode(typed, connection.scalar(sql).asString());
}

}  // namespace tarvo::tables
