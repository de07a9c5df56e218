#include "journal/gui/cell_text.h"

#include "journal/field_values.h"
#include "util/dates.h"

namespace tarvo::journal {

std::string cellText(const db::Column& column, const db::Value& value) {
    if (value.isNull()) return {};
    switch (column.type) {
        case db::TypeClass::Date:
        case db::TypeClass::DateTime:
            if (const std::optional<Date> date = dateOf(value)) return formatDateShort(*date);
            return value.asString();
        case db::TypeClass::Float:
            return amountDisplayText(value.asDouble());
        default:
            return value.asString();
    }
}

}  // namespace tarvo::journal
