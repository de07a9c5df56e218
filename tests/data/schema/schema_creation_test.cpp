#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "data/catalogue/dm_firma.h"
#include "data/catalogue/server_setup.h"
#include "test_catalogue.h"
#include "data/db/error.h"
#include "data/schema/default_rows.h"
#include "data/schema/table_definitions.h"
#include "data/schema/table_sets.h"
#include "test_server.h"
#include "util/files.h"

using namespace tarvo;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> tablesOf(db::Connection& connection, const std::string& database) {
    std::vector<std::string> tables;
    const db::ResultSet result = connection.query(
        "select table_name from information_schema.tables where table_schema='" + database + "'");
    for (const db::Row& row : result.rows()) tables.push_back(row[0].asString());
    std::sort(tables.begin(), tables.end());
    return tables;
}

std::vector<std::string> sortedNames(std::span<const TableSetEntry> entries) {
    std::vector<std::string> names;
    for (const TableSetEntry& entry : entries) names.emplace_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

long long rowCount(db::Connection& connection, const std::string& table) {
    return connection.scalar("select count(*) from " + table).asInt();
}

// Every table of the databases with its checksum: equal snapshots mean nothing changed.
std::map<std::string, std::string> snapshot(db::Connection& connection, const std::vector<std::string>& databases) {
    std::map<std::string, std::string> tables;
    for (const std::string& database : databases)
        for (const std::string& table : tablesOf(connection, database)) {
            const std::string name = database + "." + table;
            tables[name] = connection.query("checksum table " + name).at(0, 1).asString() + "/" +
                           std::to_string(rowCount(connection, name));
        }
    return tables;
}

// Rows a shipped default-row file inserts: one "(" line per row.
long long rowsInFile(std::string_view table, std::string_view orgTip) {
    const std::string text = readFileToString(defaultRowsFile(table, orgTip));
    long long rows = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (text.compare(start, 1, "(") == 0) ++rows;
        start = end + 1;
    }
    return rows;
}

// Points the family folder at a temporary one for the test's lifetime.
class FamilyFolder {
public:
    FamilyFolder() : dir_(fs::temp_directory_path() / test::uniqueName("kelma")) {
        fs::create_directories(dir_ / "deftabele");
        if (const char* old = std::getenv("KELMA_HOME")) old_ = old;
        setenv("KELMA_HOME", dir_.c_str(), 1);
    }
    ~FamilyFolder() {
        if (old_) setenv("KELMA_HOME", old_->c_str(), 1);
        else unsetenv("KELMA_HOME");
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    void write(const std::string& file, const std::string& text) const {
        std::ofstream(dir_ / "deftabele" / file, std::ios::binary) << text;
    }

private:
    fs::path dir_;
    std::optional<std::string> old_;
};

TEST(DefaultRows, ChooseTheFileOfTheOrganisationType) {
    struct Case {
        const char* table;
        const char* orgTip;
        const char* file;
    };
    const Case cases[] = {
        {"konto", "PRED", "konto_PRED.sql"},         {"konto", "UDR", "konto_UDR.sql"},
        {"konto", "SDT", "konto_SDT.sql"},           {"finsinteza", "PRED", "finsinteza_PRED.sql"},
        {"finsinteza", "UDR", "finsinteza_UDR.sql"}, {"finsinteza", "SDT", "finsinteza.sql"},
        {"vrstanal", "UDR", "vrstanal.sql"},
    };
    for (const Case& c : cases) EXPECT_EQ(defaultRowsFileName(c.table, c.orgTip), c.file);
    for (const char* orgTip : {"PRED", "UDR", "SDT"})
        EXPECT_FALSE(defaultRowsFile("konto", orgTip).empty()) << "shipped chart of accounts for " << orgTip;

    EXPECT_EQ(organisationTypeOf("preduzece"), "PRED");
    EXPECT_EQ(organisationTypeOf("udruzenje"), "UDR");
    EXPECT_EQ(organisationTypeOf("samostalnaDjelatnost"), "SDT");
    EXPECT_EQ(organisationTypeOf("SAMOSTALNADJELATNOST"), "SDT");
    EXPECT_EQ(organisationTypeOf("", "UDR"), "UDR");
    EXPECT_EQ(organizacioniTipOf("SDT"), "samostalnaDjelatnost");
}

TEST(DefaultRows, LoadOnlyIntoEmptyTablesAndNeverHalfAFile) {
    FamilyFolder family;
    test::ScratchDatabase scratch("rows");
    db::Connection connection = scratch.connect();
    connection.execute(tableDefinition("vrstanal"));
    connection.execute(tableDefinition("placanje"));
    connection.execute(tableDefinition("tipakmar"));

    family.write("vrstanal.sql",
                 "-- vlastite vrste\nINSERT INTO vrstanal (id,opis,id2) VALUES (1,'početno stanje','PS');\n"
                 "insert into konto (id) values ('x');\n"
                 "INSERT INTO `vrstanal` VALUES (2,'blagajna; gotovina','BL');\n");
    DefaultRowsResult loaded = akoTrebaDodajDefaultZapise(connection, "vrstanal", "PRED");
    EXPECT_EQ(loaded.outcome, DefaultRowsResult::Loaded) << loaded.error;
    EXPECT_EQ(loaded.statements, 2u) << "statements for other tables are not run";
    EXPECT_EQ(connection.scalar("select group_concat(opis order by id separator '|') from vrstanal").asString(),
              "početno stanje|blagajna; gotovina") << "the family folder's copy wins";

    family.write("vrstanal.sql", "INSERT INTO vrstanal (id,opis,id2) VALUES (9,'druga','DR');\n");
    EXPECT_EQ(akoTrebaDodajDefaultZapise(connection, "vrstanal", "PRED").outcome, DefaultRowsResult::HasRows);
    EXPECT_EQ(rowCount(connection, "vrstanal"), 2);

    family.write("placanje.sql", "INSERT INTO placanje (id,opis) VALUES (1,'Gotovina');\n"
                                 "INSERT INTO placanje (id,opis) VALUES (1,'dupli kljuc');\n");
    const DefaultRowsResult broken = akoTrebaDodajDefaultZapise(connection, "placanje", "PRED");
    EXPECT_EQ(broken.outcome, DefaultRowsResult::Failed);
    EXPECT_NE(broken.error.find("Duplicate"), std::string::npos) << broken.error;
    EXPECT_EQ(rowCount(connection, "placanje"), 0) << "a failing file leaves the table empty";

    EXPECT_EQ(akoTrebaDodajDefaultZapise(connection, "tipakmar", "PRED").outcome, DefaultRowsResult::Loaded)
        << "the shipped file when the family folder has none";
    EXPECT_GT(rowCount(connection, "tipakmar"), 0);

    EXPECT_EQ(akoTrebaDodajDefaultZapise(connection, "kasa", "PRED").outcome, DefaultRowsResult::Failed)
        << "a table that is not there";
    connection.execute(tableDefinition("kasa"));
    EXPECT_EQ(akoTrebaDodajDefaultZapise(connection, "kasa", "PRED").outcome, DefaultRowsResult::NoFile);
}

TEST(Creation, PreparesAFreshServerAndACompanyYearWithoutOneError) {
    test::TestCatalogue catalogue(false);
    ASSERT_TRUE(catalogue.connected);
    db::Connection& connection = catalogue.connection();

    CreationReport prepared = prepareServer(catalogue.dm);
    EXPECT_TRUE(prepared.ok()) << prepared.message();
    EXPECT_EQ(tablesOf(connection, catalogue.names.ex), sortedNames(catalogueTableSet()));
    EXPECT_EQ(tablesOf(connection, catalogue.names.work), (std::vector<std::string>{"konnal", "nalog"}));
    EXPECT_EQ(connection.scalar("select group_concat(id, naziv order by id) from " + catalogue.names.ex + ".vbaze")
                  .asString(),
              "1prodaja,2finansije,3materijal,4opl");
    EXPECT_EQ(connection.currentDatabase(), catalogue.names.ex);

    const int fid = test::uniqueCompanyId();
    const std::string suffix = "_" + std::to_string(fid) + "_2021";
    CreationReport registered = registerCompanyYear(catalogue.dm, fid, "Kelma d.o.o.", 2021);
    EXPECT_TRUE(registered.ok()) << registered.message();
    EXPECT_TRUE(catalogue.prompt.messages.empty());
    EXPECT_TRUE(catalogue.prompt.questions.empty());

    EXPECT_EQ(tablesOf(connection, "prodaja" + suffix), sortedNames(tablesOfRole("pr")));
    EXPECT_EQ(tablesOf(connection, "finansije" + suffix), sortedNames(tablesOfRole("fin")));
    EXPECT_EQ(tablesOf(connection, "materijal" + suffix), sortedNames(tablesOfRole("mat")));
    EXPECT_EQ(tablesOf(connection, "opl" + suffix), sortedNames(tablesOfRole("op")));
    for (const TableSetEntry& entry : tableSet("Tarvo"))
        EXPECT_FALSE(tablesOf(connection, (entry.role == "pr" ? "prodaja" : "finansije") + suffix).empty());

    TFirma firma(fid, "Kelma d.o.o.", 2021);
    catalogue.dm.GetBazeFirme(firma);
    EXPECT_EQ(firma.db_fin, "finansije" + suffix);
    EXPECT_EQ(firma.db_op, "opl" + suffix);
    EXPECT_TRUE(catalogue.prompt.messages.empty());
    EXPECT_EQ(connection.scalar("select concat(naziv,'/',tgodina) from " + catalogue.names.ex + ".firma where id=" +
                                std::to_string(fid)).asString(),
              "Kelma d.o.o./2021");

    EXPECT_EQ(rowCount(connection, firma.db_fin + ".konto"), rowsInFile("konto", "PRED"));
    EXPECT_EQ(rowCount(connection, firma.db_fin + ".vrstanal"), rowsInFile("vrstanal", "PRED"));
    EXPECT_EQ(rowCount(connection, firma.db_op + ".opcina"), rowsInFile("opcina", "PRED"));
    EXPECT_EQ(connection.scalar("select value from " + firma.db_pr + ".parametar where id='OrganizacioniTip'")
                  .asString(),
              "preduzece");
    EXPECT_EQ(connection.currentDatabase(), catalogue.names.ex);
}

TEST(Creation, ASecondRunChangesNothing) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    db::Connection& connection = catalogue.connection();
    const int fid = test::uniqueCompanyId();
    ASSERT_TRUE(registerCompanyYear(catalogue.dm, fid, "Kelma", 2022).ok());
    const std::string suffix = "_" + std::to_string(fid) + "_2022";
    const std::vector<std::string> databases{catalogue.names.ex, catalogue.names.work, "prodaja" + suffix,
                                             "finansije" + suffix, "materijal" + suffix, "opl" + suffix};
    connection.execute("insert into finansije" + suffix + ".nalog (vnalid, oznaka) values (2, '1')");
    const auto before = snapshot(connection, databases);
    EXPECT_EQ(before.size(), 9u + 2u + 27u + 15u + 5u + 12u);

    EXPECT_TRUE(prepareServer(catalogue.dm).ok());
    EXPECT_TRUE(registerCompanyYear(catalogue.dm, fid, "Kelma", 2022).ok());
    const CreationReport again = catalogue.dm.kreirajBazeITabele({fid, 2022});
    EXPECT_TRUE(again.ok()) << again.message();
    EXPECT_EQ(catalogue.prompt.messages, (std::vector<std::string>{"Kreiranje baza i tabela završeno!"}));
    EXPECT_EQ(snapshot(connection, databases), before);
}

TEST(Creation, TakesTheChartOfTheCompanysOwnType) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    db::Connection& connection = catalogue.connection();
    const int fid = test::uniqueCompanyId();

    ASSERT_TRUE(registerCompanyYear(catalogue.dm, fid, "Udruženje", 2023, "UDR").ok());
    const std::string fin = "finansije_" + std::to_string(fid) + "_2023";
    const std::string pr = "prodaja_" + std::to_string(fid) + "_2023";
    EXPECT_EQ(rowCount(connection, fin + ".konto"), rowsInFile("konto", "UDR"));
    EXPECT_EQ(connection.scalar("select value from " + pr + ".parametar where id='OrganizacioniTip'").asString(),
              "udruzenje");

    // The books are lost and created again: the stored type wins over what the editor last chose.
    connection.execute("drop database " + fin);
    const CreationReport report = catalogue.dm.kreirajBazeITabele({fid, {}}, "SDT");
    EXPECT_TRUE(report.ok()) << report.message();
    EXPECT_EQ(rowCount(connection, fin + ".konto"), rowsInFile("konto", "UDR"));
}

TEST(Creation, RecreatesMissingTablesAndLeavesFilledOnesAlone) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    db::Connection& connection = catalogue.connection();
    const int fid = test::uniqueCompanyId();
    const std::string fin = "finansije_" + std::to_string(fid) + "_2024";

    // A books database that exists already with one account of its own.
    connection.execute("create database " + fin);
    connection.execute("create table " + fin + ".konto (id char(9) not null primary key, naziv char(60))");
    connection.execute("insert into " + fin + ".konto values ('1', 'Vlastiti konto')");
    ASSERT_TRUE(registerCompanyYear(catalogue.dm, fid, "Kelma", 2024).ok());
    EXPECT_EQ(rowCount(connection, fin + ".konto"), 1) << "a table that holds rows never receives default rows";
    EXPECT_EQ(rowCount(connection, fin + ".vrstanal"), rowsInFile("vrstanal", "PRED"));

    connection.execute("drop table " + fin + ".vrstanal");
    const CreationReport report = catalogue.dm.kreirajBazeITabele({fid, 2024});
    EXPECT_TRUE(report.ok()) << report.message();
    EXPECT_EQ(rowCount(connection, fin + ".vrstanal"), rowsInFile("vrstanal", "PRED"));
}

TEST(Creation, ReportsWhatFailedAndGoesOn) {
    FamilyFolder family;
    family.write("vrstanal.sql", "INSERT INTO vrstanal (id,opis) VALUES (1,'a');\nINSERT INTO vrstanal (id,opis) VALUES (1,'b');\n");
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    db::Connection& connection = catalogue.connection();
    const std::string id = std::to_string(test::uniqueCompanyId());
    const std::string fin = "finansije_" + id + "_2025";
    const std::string pr = "prodaja_" + id + "_2025";
    connection.execute("insert into " + catalogue.names.ex + ".baza(naziv,vbid,fid,godina,status) values "
                       "('bad-name;x', 2, " + id + ", 2025, 'tekuca'), ('" + fin + "', 2, " + id + ", 2025, 'tekuca'), "
                       "('" + pr + "', 1, " + id + ", 2025, 'tekuca')");

    const CreationReport report = catalogue.dm.kreirajBazeITabele({std::stoi(id), 2025});
    ASSERT_EQ(catalogue.prompt.messages.size(), 1u);
    const std::string& message = catalogue.prompt.messages[0];
    EXPECT_EQ(message, "Kreiranje baza i tabela završeno!\n\nNije uspjelo (2):\n"
                       "Neispravan naziv baze podataka: \"bad-name;x\"\n"
                       "Početni zapisi tabele vrstanal u bazi " + fin + " nisu učitani: " +
                       "Duplicate entry '1' for key 'PRIMARY'");
    EXPECT_EQ(report.failures.size(), 2u);
    EXPECT_EQ(connection.currentDatabase(), catalogue.names.ex);
    EXPECT_EQ(tablesOf(connection, fin).size(), 15u) << "the rest of the database is still made";
    EXPECT_EQ(rowCount(connection, fin + ".vrstanal"), 0);
    EXPECT_EQ(tablesOf(connection, pr).size(), 27u) << "the rows after a failure are still handled";
}

}  // namespace
