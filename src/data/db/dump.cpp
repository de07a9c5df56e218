#include "data/db/dump.h"

#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "data/db/script.h"

namespace tarvo::db {
namespace {

constexpr size_t kInsertBytes = 1 << 20;

std::vector<std::string> tablesOf(Connection& connection, const std::string& database) {
    std::vector<std::string> tables;
    ResultSet result = connection.query("show full tables from " + quoteIdentifier(database) +
                                        " where Table_type = 'BASE TABLE'");
    for (const auto& row : result.rows()) tables.push_back(row.at(0).asString());
    return tables;
}

void dumpTable(Connection& connection, const std::string& database, const std::string& table, std::ostream& out) {
    const std::string qualified = quoteIdentifier(database) + "." + quoteIdentifier(table);
    ResultSet create = connection.query("show create table " + qualified);
    out << "DROP TABLE IF EXISTS " << quoteIdentifier(table) << ";\n" << create.at(0, 1).asString() << ";\n";

    std::string statement;
    const std::string head = "INSERT INTO " + quoteIdentifier(table) + " VALUES ";
    connection.stream("select * from " + qualified, [&](const std::vector<Column>& columns, const Row& row) {
        statement += statement.empty() ? head + "(" : ",(";
        for (size_t i = 0; i < row.size(); ++i) {
            if (i) statement += ',';
            if (!row[i].isNull() && columns[i].isNumeric()) statement += row[i].asString();
            else appendLiteral(statement, connection, row[i]);
        }
        statement += ')';
        if (statement.size() >= kInsertBytes) {
            out << statement << ";\n";
            statement.clear();
        }
    });
    if (!statement.empty()) out << statement << ";\n";
}

}  // namespace

void dumpTables(Connection& connection, const std::string& database, const std::vector<std::string>& tables,
                std::ostream& out) {
    out << "SET NAMES utf8mb4;\nSET FOREIGN_KEY_CHECKS=0;\nSET UNIQUE_CHECKS=0;\n";
    for (const auto& table : tables.empty() ? tablesOf(connection, database) : tables)
        dumpTable(connection, database, table, out);
    out << "SET FOREIGN_KEY_CHECKS=1;\nSET UNIQUE_CHECKS=1;\n";
    if (!out) throw DbError("Greška pri pisanju fajla");
}

void restoreDump(Connection& connection, std::istream& in) {
    struct SettingsReset {
        Connection& connection;
        std::string database;
        ~SettingsReset() {
            try {
                connection.execute(
                    "unlock tables; set names utf8mb4; set sql_mode='NO_ENGINE_SUBSTITUTION';"
                    " set foreign_key_checks=1; set unique_checks=1; set time_zone=default");
                if (!database.empty()) connection.selectDatabase(database);
            } catch (const DbError&) {
                // The connection itself is broken: its next use reports it.
            }
        }
    } reset{connection, connection.currentDatabase()};
    runScript(connection, in, OnError::Stop);
}

}  // namespace tarvo::db
