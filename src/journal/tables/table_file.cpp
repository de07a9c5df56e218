#include "journal/tables/table_file.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "data/db/dump.h"
#include "data/db/error.h"
#include "data/db/script.h"
#include "journal/tables/table_script_check.h"
#include "util/paths.h"

namespace tarvo::tables {
namespace fs = std::filesystem;
namespace {

std::string readWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("Ne mogu otvoriti fajl " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) throw std::runtime_error("Ne mogu pročitati fajl " + file.string());
    return text.str();
}

// Runs a script in the table's database and checks that the table came out of it.
void runInto(db::Connection& connection, const TableLocation& location, std::istream& script) {
    db::DatabaseScope scope(connection);
    connection.selectDatabase(location.database);
    db::restoreDump(connection, script);
    connection.query("select 1 from " + db::quoteIdentifier(location.table) + " limit 0");
}

bool tableExists(db::Connection& connection, const TableLocation& location) {
    return connection
               .scalar("select count(*) from information_schema.tables where table_schema='" +
                       connection.escape(location.database) + "' and table_name='" + connection.escape(location.table) +
                       "'")
               .asInt() > 0;
}

}  // namespace

TableLocation locateTable(db::Connection& connection, const std::string& datasetTable) {
    const size_t dot = datasetTable.find('.');
    if (dot != std::string::npos) return {datasetTable.substr(0, dot), datasetTable.substr(dot + 1)};
    return {connection.currentDatabase(), datasetTable};
}

fs::path tableFilePath(const std::string& table, const std::string& suffix) {
    return familySubfolder("tabele") / (table + suffix + ".sql");
}

fs::path tableBackupPath(const std::string& table, const std::string& suffix) {
    return familySubfolder("tabele") / (table + suffix + "_rezerva.sql");
}

void saveTable(db::Connection& connection, const TableLocation& location, const fs::path& file) {
    fs::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw std::runtime_error("Ne mogu otvoriti fajl " + temporary.string());
        db::dumpTables(connection, location.database, {location.table}, out);
        out.close();
        if (!out) throw std::runtime_error("Ne mogu upisati fajl " + temporary.string());
    }
    fs::rename(temporary, file);
}

std::string TableLoadResult::message() const {
    switch (outcome) {
        case Outcome::Loaded: return "OK";
        case Outcome::Refused: return "GREŠKA!\n" + error + "\nTabela nije mijenjana.";
        case Outcome::Failed: return "GREŠKA!\n" + error;
        case Outcome::FailedRestored:
            return "GREŠKA!\n" + error + "\nTabela je vraćena iz rezervne kopije " + backup.string();
        case Outcome::FailedNotRestored: break;
    }
    return "GREŠKA!\n" + error + "\nVraćanje iz rezervne kopije nije uspjelo: " + restoreError +
           "\nRezervna kopija: " + backup.string();
}

TableLoadResult loadTable(db::Connection& connection, const TableLocation& location, const fs::path& file,
                          const fs::path& backup) {
    TableLoadResult result;
    result.backup = backup;
    std::string script;
    try {
        script = readWhole(file);
    } catch (const std::exception& error) {
        result.outcome = TableLoadResult::Outcome::Refused;
        result.error = error.what();
        return result;
    }
    if (auto refusal = refusalForTableScript(db::splitScript(script), location.table)) {
        result.outcome = TableLoadResult::Outcome::Refused;
        result.error = *refusal;
        return result;
    }
    bool backedUp = false;
    try {
        if (tableExists(connection, location)) {
            saveTable(connection, location, backup);
            backedUp = true;
        }
    } catch (const std::exception& error) {
        result.outcome = TableLoadResult::Outcome::Refused;
        result.error = std::string("Ne mogu napraviti rezervnu kopiju tabele: ") + error.what();
        return result;
    }
    try {
        std::istringstream in(script);
        runInto(connection, location, in);
        return result;
    } catch (const std::exception& error) {
        result.error = error.what();
    }
    if (!backedUp) {
        result.outcome = TableLoadResult::Outcome::Failed;
        return result;
    }
    try {
        std::ifstream in(backup, std::ios::binary);
        if (!in) throw std::runtime_error("Ne mogu otvoriti fajl " + backup.string());
        runInto(connection, location, in);
        result.outcome = TableLoadResult::Outcome::FailedRestored;
    } catch (const std::exception& error) {
        result.outcome = TableLoadResult::Outcome::FailedNotRestored;
        result.restoreError = error.what();
    }
    return result;
}

}  // namespace tarvo::tables
