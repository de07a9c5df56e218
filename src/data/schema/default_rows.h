#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvo {

namespace db {
class Connection;
}

// Organisation types: "PRED" enterprise, "UDR" association, "SDT" sole trader.
// The type of a company as its parameter `OrganizacioniTip` stores it ("preduzece", "udruzenje",
// "samostalnaDjelatnost", compared in lower case); `fallback` when the parameter is empty.
std::string organisationTypeOf(std::string_view organizacioniTip, std::string_view fallback = "PRED");
// The parameter value of a type: "preduzece", "udruzenje" or "samostalnaDjelatnost".
std::string organizacioniTipOf(std::string_view orgTip);

// The file of a table's default rows: "konto_" + type + ".sql"; "finsinteza_" + type + ".sql", but
// "finsinteza.sql" for "SDT"; table + ".sql" for every other table.
std::string defaultRowsFileName(std::string_view table, std::string_view orgTip);
// Where that file is: the family folder's deftabele first, then the data shipped with the program.
// Empty when there is none.
std::filesystem::path defaultRowsFile(std::string_view table, std::string_view orgTip);

struct DefaultRowsResult {
    enum Outcome { HasRows, NoFile, Loaded, Failed };
    Outcome outcome = NoFile;
    std::size_t statements = 0;  // run from the file
    std::string error;           // for Failed
};

// Loads the default rows of a table of the connection's current database when the table is empty.
// Only INSERT and REPLACE statements into that table are run, all in one transaction: a failing file
// leaves the table empty. A table that cannot be read is reported as Failed and left alone.
DefaultRowsResult akoTrebaDodajDefaultZapise(db::Connection& connection, const std::string& table,
                                             std::string_view orgTip);

}  // namespace tarvo
