#pragma once
#include <span>
#include <string>
#include <string_view>

namespace tarvo {

// One table of the family as it is created. The text is exactly "create table if not exists <name>(...)"
// followed by the table options and nothing else: callers rename the table by replacing " <name>(" and
// append " select ..." to copy rows while creating.
struct TableDefinition {
    std::string_view name;
    // The database role the table lives in: "ex" catalogue, "pr", "fin", "mat", "op", "vi" payment orders,
    // "kasa" point of sale.
    std::string_view role;
    std::string_view sql;
};

// Every definition (76), catalogue first.
std::span<const TableDefinition> tableDefinitions();
// The create statement of a table; empty for a name that is not defined. Names compare exactly.
std::string tableDefinition(std::string_view name);

}  // namespace tarvo
