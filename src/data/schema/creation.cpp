#include "data/schema/creation.h"

#include <map>
#include <utility>

#include "data/catalogue/identifiers.h"
#include "data/catalogue/roles.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "data/schema/default_rows.h"
#include "data/schema/table_definitions.h"
#include "data/schema/table_sets.h"

namespace tarvo {
namespace {

bool createTable(db::Connection& connection, const std::string& database, std::string_view table,
                 CreationReport& report) {
    try {
        connection.execute(tableDefinition(table));
        return true;
    } catch (const db::DbError& error) {
        report.failures.push_back("Tabela " + std::string(table) + " u bazi " + database +
                                  " nije kreirana: " + error.serverMessage());
        return false;
    }
}

void loadDefaultRows(db::Connection& connection, const std::string& database, const std::string& table,
                     std::string_view orgTip, CreationReport& report) {
    const DefaultRowsResult result = akoTrebaDodajDefaultZapise(connection, table, orgTip);
    if (result.outcome == DefaultRowsResult::Failed)
        report.failures.push_back("Početni zapisi tabele " + table + " u bazi " + database +
                                  " nisu učitani: " + result.error);
}

// Creates the database and makes it current; false (with the failure noted) when that is not possible.
bool enterDatabase(db::Connection& connection, const std::string& database, CreationReport& report) {
    if (!isValidDatabaseName(database)) {
        report.failures.push_back("Neispravan naziv baze podataka: \"" + database + "\"");
        return false;
    }
    try {
        connection.execute("create database if not exists " + database + " character set=utf8;");
        connection.selectDatabase(database);
        return true;
    } catch (const db::DbError& error) {
        report.failures.push_back("Baza " + database + " nije kreirana: " + error.serverMessage());
        return false;
    }
}

struct CataloguedDatabase {
    std::string naziv;
    std::string roleName;
    int fid;
    int godina;
};

// The organisation type each company year already stores in its pr database, read before anything of
// the run is created: a new pr database gets the default parameters, whose type is only a placeholder.
std::map<std::pair<int, int>, std::string> storedOrganisationTypes(db::Connection& connection,
                                                                   const std::vector<CataloguedDatabase>& rows) {
    std::map<std::pair<int, int>, std::string> types;
    for (const CataloguedDatabase& row : rows) {
        if (roleOfName(row.roleName) != DbRole::Pr || !isValidDatabaseName(row.naziv)) continue;
        try {
            const db::ResultSet value =
                connection.query("select value from " + row.naziv + ".parametar where id=\"OrganizacioniTip\"");
            if (!value.empty() && !value.at(0, 0).asString().empty())
                types[{row.fid, row.godina}] = organisationTypeOf(value.at(0, 0).asString());
        } catch (const db::DbError&) {
            // A database or parameter table that does not exist yet: a new company year.
        }
    }
    return types;
}

}  // namespace

std::string CreationReport::message() const {
    std::string text = "Kreiranje baza i tabela završeno!";
    if (failures.empty()) return text;
    text += "\n\nNije uspjelo (" + std::to_string(failures.size()) + "):";
    for (const std::string& failure : failures) text += "\n" + failure;
    return text;
}

void createDatabaseWithTables(db::Connection& connection, const std::string& database, std::string_view roleName,
                              const std::optional<std::string>& defaultRowsOrgTip, CreationReport& report) {
    db::DatabaseScope restore(connection);
    if (!enterDatabase(connection, database, report)) return;
    for (const TableSetEntry& entry : tablesOfRole(roleName)) {
        if (createTable(connection, database, entry.name, report) && defaultRowsOrgTip)
            loadDefaultRows(connection, database, std::string(entry.name), *defaultRowsOrgTip, report);
    }
}

CreationReport createCataloguedDatabases(db::Connection& connection, const CatalogueNames& names,
                                         const BazaFilter& filter, std::string_view orgTipForNew) {
    CreationReport report;
    const std::string& ex = requireDatabaseName(names.ex);
    std::string sql = "select b.naziv, v.naziv, b.fid, b.godina from " + ex + ".baza b left join " + ex +
                      ".vbaze v on v.id=b.vbid where true";
    if (filter.fid) sql += " and b.fid=" + std::to_string(*filter.fid);
    if (filter.godina) sql += " and b.godina=" + std::to_string(*filter.godina);
    sql += " order by b.id";

    std::vector<CataloguedDatabase> rows;
    const db::ResultSet registered = connection.query(sql);
    for (const db::Row& row : registered.rows())
        rows.push_back({row[0].asString(), row[1].asString(), static_cast<int>(row[2].asInt()),
                        static_cast<int>(row[3].asInt())});
    const auto storedTypes = storedOrganisationTypes(connection, rows);

    for (const CataloguedDatabase& row : rows) {
        const auto stored = storedTypes.find({row.fid, row.godina});
        const std::string orgTip = stored != storedTypes.end() ? stored->second : std::string(orgTipForNew);
        createDatabaseWithTables(connection, row.naziv, row.roleName, orgTip, report);
    }
    return report;
}

CreationReport createCatalogue(db::Connection& connection, const CatalogueNames& names) {
    CreationReport report;
    const std::string& ex = requireDatabaseName(names.ex);
    const std::string& work = requireDatabaseName(names.work);
    if (enterDatabase(connection, work, report)) {
        createTable(connection, work, "nalog", report);
        createTable(connection, work, "konnal", report);
    }
    if (!enterDatabase(connection, ex, report)) return report;
    for (const TableSetEntry& entry : catalogueTableSet()) createTable(connection, ex, entry.name, report);
    loadDefaultRows(connection, ex, "vbaze", "PRED", report);
    try {
        if (connection.query("select 1 from vbaze limit 1").empty())
            report.failures.push_back("Tabela vbaze u bazi " + ex + " nema uloga baza podataka (datoteka " +
                                      defaultRowsFileName("vbaze", "PRED") + " nije nađena)");
    } catch (const db::DbError& error) {
        report.failures.push_back("Tabela vbaze u bazi " + ex + " nije dostupna: " + error.serverMessage());
    }
    return report;
}

}  // namespace tarvo
