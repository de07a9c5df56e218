#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvo {

class TFirma;

// One table an application needs: its name, the role of the database it lives in ("pr", "fin", "mat",
// "op", "vi", "ex") and whether a new business year offers to carry its rows over.
struct TableSetEntry {
    std::string_view name;
    std::string_view role;
    bool carryOver;
};

// The ordered list of an application: "Tarvo", "Rulenbaro", "Kvedo", "Zelu" or "Zelu_virmani";
// empty for any other name.
std::span<const TableSetEntry> tableSet(std::string_view application);
// The nine tables of the catalogue `ex`.
std::span<const TableSetEntry> catalogueTableSet();

// The list that fills a database of the role named `roleName` (first two letters: "pr" Rulenbaro,
// "fi" Tarvo, "ma" Kvedo, "op" Zelu), already cut to the entries of that role. Empty for any other role.
std::span<const TableSetEntry> tablesOfRole(std::string_view roleName);

// The company's database that holds the table: the pr list first, then mat, op and fin. Nothing when no
// list names the table.
std::optional<std::string> databaseOfTable(std::string_view table, const TFirma& firma);

}  // namespace tarvo
