#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/catalogue/catalogue_names.h"

namespace tarvo {

namespace db {
class Connection;
}

// What a creation run did not manage. Creation goes on after every failure; the report lists them.
struct CreationReport {
    std::vector<std::string> failures;

    bool ok() const { return failures.empty(); }
    // "Kreiranje baza i tabela završeno!", followed by the list of failures when there are any.
    std::string message() const;
};

// Which `baza` rows a creation run takes.
struct BazaFilter {
    std::optional<int> fid;
    std::optional<int> godina;
};

// Creates `database` when it is missing ("character set=utf8") and in it every table of the list of its
// role (`roleName` as in `vbaze` or a table-set role: "prodaja", "fin", ...). With `defaultRowsOrgTip`,
// empty tables then get their default rows of that organisation type. The connection's current database
// is the same afterwards as before, also after a failure.
void createDatabaseWithTables(db::Connection& connection, const std::string& database, std::string_view roleName,
                              const std::optional<std::string>& defaultRowsOrgTip, CreationReport& report);

// Every database registered in the catalogue (as far as the filter lets through) with its tables and
// default rows. The organisation type, which chooses the chart of accounts and the synthesis rows, is the
// one the company year's pr database already stores; `orgTipForNew` for a company year without one.
CreationReport createCataloguedDatabases(db::Connection& connection, const CatalogueNames& names,
                                         const BazaFilter& filter, std::string_view orgTipForNew);

// The working database with its two tables, and the catalogue database with its nine tables and the four
// database roles; whatever exists already is left as it is. The catalogue is the current database afterwards.
CreationReport createCatalogue(db::Connection& connection, const CatalogueNames& names);

}  // namespace tarvo
