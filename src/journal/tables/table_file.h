#pragma once
// "snimi tabelu u fajl" and "učitaj tabelu iz fajla": the whole table as a script of SQL statements in the
// family folder's "tabele", and back. A load first writes a backup of the table and puts it back when
// the load fails.
#include <filesystem>
#include <string>

namespace tarvo::db {
class Connection;
}

namespace tarvo::tables {

// Where a data set's table lives: "finansije_3_2024.konto" names its database, a bare name lives in the
// connection's current one.
struct TableLocation {
    std::string database;
    std::string table;
};
TableLocation locateTable(db::Connection& connection, const std::string& datasetTable);

// tabele/<table><suffix>.sql, and the backup a load leaves next to it.
std::filesystem::path tableFilePath(const std::string& table, const std::string& suffix);
std::filesystem::path tableBackupPath(const std::string& table, const std::string& suffix);

// Writes the dump through a temporary file, so that a failed save keeps the previous file.
// Throws db::DbError or std::runtime_error.
void saveTable(db::Connection& connection, const TableLocation& location, const std::filesystem::path& file);

struct TableLoadResult {
    // Failed: the table did not exist before, so there was nothing to back up.
    enum class Outcome { Loaded, Refused, Failed, FailedRestored, FailedNotRestored };
    Outcome outcome = Outcome::Loaded;
    std::string error;         // why the file was refused or the load failed
    std::string restoreError;  // why the backup could not be put back
    std::filesystem::path backup;

    bool ok() const { return outcome == Outcome::Loaded; }
    // "OK", or "GREŠKA!" with the reason and what became of the table.
    std::string message() const;
};

// Refuses a file whose statements touch anything but the table; otherwise backs the table up (when it
// exists), runs the file in the table's database and checks that the table is there afterwards.
TableLoadResult loadTable(db::Connection& connection, const TableLocation& location,
                          const std::filesystem::path& file, const std::filesystem::path& backup);

}  // namespace tarvo::tables
