#include <gtest/gtest.h>

#include <set>

#include "data/catalogue/firma.h"
#include "data/db/error.h"
#include "data/schema/table_definitions.h"
#include "data/schema/table_sets.h"
#include "test_server.h"

using namespace tarvo;

namespace {

size_t occurrences(std::string_view text, std::string_view part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(TableDefinitions, KeepTheShapeOtherRoutinesEditByReplacement) {
    std::set<std::string_view> names;
    for (const TableDefinition& definition : tableDefinitions()) {
        SCOPED_TRACE(std::string(definition.name));
        const std::string sql(definition.sql);
        EXPECT_TRUE(names.insert(definition.name).second) << "defined twice";
        EXPECT_TRUE(sql.starts_with("create table if not exists " + std::string(definition.name) + "("));
        EXPECT_EQ(occurrences(sql, " " + std::string(definition.name) + "("), 1u);
        EXPECT_EQ(sql.find('`'), std::string::npos);
        EXPECT_EQ(sql.find(';'), std::string::npos);
        EXPECT_TRUE(sql.ends_with(") ENGINE=InnoDB DEFAULT CHARSET=utf8"));
        EXPECT_EQ(tableDefinition(definition.name), sql);
    }
    EXPECT_EQ(names.size(), 76u);
    EXPECT_EQ(tableDefinition("nepostojeca"), "");
    EXPECT_EQ(tableDefinition("Konto"), "") << "names compare exactly";
}

TEST(TableSets, ListEveryTableOfEachApplicationWithItsRole) {
    struct Case {
        const char* application;
        size_t size;
        size_t yearTables;
    };
    const Case cases[] = {{"Tarvo", 19, 6}, {"Rulenbaro", 27, 12}, {"Kvedo", 17, 5}, {"Zelu", 15, 3},
                          {"Zelu_virmani", 5, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.application);
        const auto list = tableSet(c.application);
        EXPECT_EQ(list.size(), c.size);
        size_t yearTables = 0;
        for (const TableSetEntry& entry : list) {
            yearTables += entry.carryOver ? 0 : 1;
            const auto definition = std::find_if(tableDefinitions().begin(), tableDefinitions().end(),
                                                 [&](const TableDefinition& d) { return d.name == entry.name; });
            ASSERT_NE(definition, tableDefinitions().end()) << entry.name;
            EXPECT_EQ(definition->role, entry.role) << entry.name;
        }
        EXPECT_EQ(yearTables, c.yearTables);
    }
    EXPECT_TRUE(tableSet("Nepoznata").empty());
    ASSERT_EQ(catalogueTableSet().size(), 9u);
    for (const TableSetEntry& entry : catalogueTableSet()) EXPECT_EQ(entry.role, "ex");

    EXPECT_EQ(tablesOfRole("prodaja").size(), 27u);
    EXPECT_EQ(tablesOfRole("finansije").size(), 15u);
    EXPECT_EQ(tablesOfRole("fin").size(), 15u);
    EXPECT_EQ(tablesOfRole("materijal").size(), 5u);
    EXPECT_EQ(tablesOfRole("opl").size(), 12u);
    EXPECT_TRUE(tablesOfRole("virman").empty());
    EXPECT_TRUE(tablesOfRole("").empty());
}

TEST(TableSets, FindTheDatabaseOfATable) {
    const TFirma firma(7, "Kelma", 2021, "finansije_7_2021", "materijal_7_2021", "prodaja_7_2021", "opl_7_2021",
                       "localhost", "localhost", "localhost", "localhost");
    EXPECT_EQ(databaseOfTable("partner", firma), "prodaja_7_2021");
    EXPECT_EQ(databaseOfTable("parametar", firma), "prodaja_7_2021");
    EXPECT_EQ(databaseOfTable("dokument", firma), "prodaja_7_2021");
    EXPECT_EQ(databaseOfTable("konto", firma), "finansije_7_2021");
    EXPECT_EQ(databaseOfTable("mkonto", firma), "materijal_7_2021");
    EXPECT_EQ(databaseOfTable("obracun", firma), "opl_7_2021");
    EXPECT_EQ(databaseOfTable("virman", firma), std::nullopt);
    EXPECT_EQ(databaseOfTable("nepostojeca", firma), std::nullopt);
}

TEST(TableDefinitions, EveryOneCreatesOnTheServer) {
    test::ScratchDatabase scratch("defs");
    db::Connection connection = scratch.connect();
    std::vector<std::string> failed;
    for (const TableDefinition& definition : tableDefinitions()) {
        try {
            connection.execute(definition.sql);
        } catch (const db::DbError& error) {
            failed.push_back(std::string(definition.name) + ": " + error.serverMessage());
        }
    }
    EXPECT_TRUE(failed.empty()) << ::testing::PrintToString(failed);
    const db::ResultSet engines = connection.query(
        "select engine, count(*) from information_schema.tables where table_schema=database() group by engine");
    ASSERT_EQ(engines.size(), 1u);
    EXPECT_EQ(engines.at(0, 0).asString(), "InnoDB");
    EXPECT_EQ(engines.at(0, 1).asInt(), 76);
}

TEST(TableDefinitions, CreateTheColumnsTheSiblingProgramsExpect) {
    test::ScratchDatabase scratch("cols");
    db::Connection connection = scratch.connect();
    for (const TableDefinition& definition : tableDefinitions()) connection.execute(definition.sql);

    struct Case {
        const char* table;
        const char* column;
        const char* type;
        const char* nullable;
        const char* defaultValue;  // as information_schema shows it; "-" for none
        const char* extra;
        int position;
    };
    const Case cases[] = {
        {"kuf", "rbr", "int(5)", "NO", "-", "auto_increment", 3},
        {"ukuf", "etip", "char(3)", "NO", "'04'", "", 24},
        {"banka", "id", "char(5)", "NO", "-", "", 1},
        {"radnik", "id", "char(13)", "NO", "'ddmmggg000000'", "", 1},
        {"knjigapir", "id", "smallint(6)", "NO", "-", "auto_increment", 1},
        {"knjigapir", "izvdokid", "mediumint(9)", "NO", "0", "", 16},
        {"avirman", "mjesec", "int(2)", "YES", "NULL", "", 3},
        {"defiz", "lx", "double(9,4)", "YES", "NULL", "", 14},
        {"txtsablon", "tekst", "varchar(500)", "NO", "'Plaćanje po ugovoru u roku od #rokDana# dana'", "", 2},
        {"updates", "status", "enum('OK','djelimično','na čekanju')", "NO", "'na čekanju'", "", 18},
        {"baza", "host", "char(32)", "NO", "'localhost'", "", 7},
        {"partner", "dob_kuf", "enum('u PDV','van PDV','poljoprivreda')", "NO", "'u PDV'", "", 17},
        {"konnal", "duguje", "double(15,2)", "NO", "0.00", "", 8},
        {"izvod", "bankaid", "char(9)", "NO", "'2000'", "", 4},
        {"obracun", "datisplate", "date", "YES", "NULL", "", 35},
        {"racun", "datumivrijeme", "datetime", "YES", "NULL", "", 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + "." + c.column);
        const db::ResultSet column = connection.query(
            "select column_type, is_nullable, ifnull(column_default,'-'), extra, ordinal_position "
            "from information_schema.columns where table_schema=database() and table_name='" + std::string(c.table) +
            "' and column_name='" + c.column + "'");
        ASSERT_EQ(column.size(), 1u);
        EXPECT_EQ(column.at(0, 0).asString(), c.type);
        EXPECT_EQ(column.at(0, 1).asString(), c.nullable);
        EXPECT_EQ(column.at(0, 2).asString(), c.defaultValue);
        EXPECT_EQ(column.at(0, 3).asString(), c.extra);
        EXPECT_EQ(column.at(0, 4).asInt(), c.position);
    }

    const db::ResultSet unique = connection.query(
        "select table_name, index_name, group_concat(column_name order by seq_in_index) from information_schema.statistics "
        "where table_schema=database() and non_unique=0 and index_name<>'PRIMARY' group by table_name, index_name");
    ASSERT_EQ(unique.size(), 1u) << "u1 of parobr is the only unique secondary index";
    EXPECT_EQ(unique.rows()[0], (db::Row{"parobr", "u1", "godina,mjesec"}));
    const db::ResultSet kufKey = connection.query(
        "select column_name from information_schema.statistics where table_schema=database() and table_name='kuf' "
        "and index_name='PRIMARY'");
    ASSERT_EQ(kufKey.size(), 1u);
    EXPECT_EQ(kufKey.at(0, 0).asString(), "rbr");
}

TEST(TableDefinitions, RenameAndCopyByReplacingTheName) {
    test::ScratchDatabase scratch("copy");
    db::Connection connection = scratch.connect();
    connection.execute(tableDefinition("konto"));
    connection.execute("insert into konto (id, naziv) values ('2020', 'Žiro račun'), ('4320', 'Dobavljači')");
    std::string copy = tableDefinition("konto");
    const size_t at = copy.find(" konto(");
    copy.replace(at, 7, " konto_kopija(");
    connection.execute(copy + " select * from konto");
    EXPECT_EQ(connection.scalar("select group_concat(naziv order by id) from konto_kopija").asString(),
              "Žiro račun,Dobavljači");
}

}  // namespace
