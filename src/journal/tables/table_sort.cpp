#include "journal/tables/table_sort.h"

namespace tarvo::tables {

std::string orderingAfterClick(std::string_view current, std::string_view column, bool addToSort) {
    if (addToSort && !current.empty()) return std::string(current) + ";" + std::string(column);
    return std::string(column);
}

std::string sortStatusText(std::string_view ordering) {
    return "Tabela sortirana po kolonama: \"" + std::string(ordering) + "\"";
}

}  // namespace tarvo::tables
