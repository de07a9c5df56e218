#include "journal/tables/field_text.h"

#include <charconv>

#include "util/dates.h"
#include "util/numbers.h"
#include "util/strings.h"

namespace tarvo::tables {
namespace {

// The connection reads utf8mb4, so the server reports four bytes for every character of a text column.
constexpr unsigned kBytesPerCharacter = 4;

std::optional<Date> sqlDate(std::string_view text) {
    int year = 0, month = 0, day = 0;
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto number = [&](size_t from, size_t length, int& out) {
        auto [end, error] = std::from_chars(text.data() + from, text.data() + from + length, out);
        return error == std::errc() && end == text.data() + from + length;
    };
    if (!number(0, 4, year) || !number(5, 2, month) || !number(8, 2, day)) return std::nullopt;
    Date date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
              std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) return std::nullopt;
    return date;
}

std::string withDecimalComma(std::string text) {
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

}  // namespace

std::string displayText(const db::Column& column, const db::Value& value) {
    if (value.isNull()) return {};
    switch (column.type) {
        case db::TypeClass::Float: return withDecimalComma(value.asString());
        case db::TypeClass::Date:
            if (auto date = sqlDate(value.asString())) return formatDate(*date);
            return {};
        case db::TypeClass::Integer:
        case db::TypeClass::DateTime:
        case db::TypeClass::Text: break;
    }
    return value.asString();
}

std::optional<db::Value> valueFromInput(const db::Column& column, std::string_view typed) {
    const std::string text = column.type == db::TypeClass::Text ? std::string(typed) : trimmed(typed);
    if (text.empty()) {
        if (!column.notNull) return db::Value::null();
        switch (column.type) {
            case db::TypeClass::Integer:
            case db::TypeClass::Float: return db::Value("0");
            case db::TypeClass::Text: return db::Value("");
            case db::TypeClass::Date:
            case db::TypeClass::DateTime: return std::nullopt;
        }
    }
    switch (column.type) {
        case db::TypeClass::Integer: {
            long long number = 0;
            const char* begin = text.data() + (text.front() == '+' ? 1 : 0);
            auto [end, error] = std::from_chars(begin, text.data() + text.size(), number);
            if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
            return db::Value(std::to_string(number));
        }
        case db::TypeClass::Float: {
            if (!tryParseAmount(text, false)) return std::nullopt;
            std::string dotted = text;
            for (char& c : dotted)
                if (c == ',') c = '.';
            return db::Value(dotted);
        }
        case db::TypeClass::Date: {
            auto date = parseDate(text);
            if (!date) return std::nullopt;
            return db::Value(formatIsoDate(*date));
        }
        case db::TypeClass::DateTime:
        case db::TypeClass::Text: break;
    }
    return db::Value(text);
}

unsigned fieldSize(const db::Column& column) {
    if (column.type != db::TypeClass::Text) return 0;
    return static_cast<unsigned>(column.length / kBytesPerCharacter);
}

}  // namespace tarvo::tables
