#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "data/db/bulk_loader.h"
#include "data/db/dump.h"
#include "data/db/error.h"
#include "data/db/script.h"
#include "test_server.h"

using namespace tarvo;

namespace {

std::string checksum(db::Connection& c, const std::string& table) {
    return c.query("checksum table " + table).at(0, 1).asString();
}

void fill(db::Connection& c) {
    c.execute(
        "create table nalog (id int primary key, opis varchar(60), ukdug double, datum date, napomena text);"
        "create table konnal (id int auto_increment primary key, nalogid int, opis varchar(60))");
    db::BulkLoader loader(c, "nalog", {"id", "opis", "ukdug", "datum", "napomena"}, 256);
    for (int i = 1; i <= 500; ++i) {
        loader.add({db::Value(std::to_string(i)), db::Value("Nalog 'č\"\\; " + std::to_string(i)),
                    db::Value(std::to_string(i * 1.25)), i % 7 ? db::Value("2024-01-15") : db::Value::null(),
                    i % 3 ? db::Value("red\r\nnovi") : db::Value("")});
    }
    loader.flush();
    EXPECT_EQ(loader.rowsLoaded(), 500u);
    c.execute("insert into konnal (nalogid, opis) values (1, null), (1, ''), (2, 'x')");
}

TEST(Dump, RoundTripKeepsEveryRow) {
    test::ScratchDatabase source, target;
    auto c = source.connect();
    fill(c);
    const std::string nalog = checksum(c, "nalog"), konnal = checksum(c, "konnal");

    std::stringstream script;
    db::dumpTables(c, source.name(), {}, script);

    auto t = target.connect();
    t.execute("create table nalog (id int)");  // replaced by the dump
    db::restoreDump(t, script);
    EXPECT_EQ(checksum(t, "nalog"), nalog);
    EXPECT_EQ(checksum(t, "konnal"), konnal);
    EXPECT_EQ(t.scalar("select count(*) from konnal where opis is null").asInt(), 1);
    t.execute("insert into konnal (nalogid) values (9)");
    EXPECT_EQ(t.lastInsertId(), 4u) << "auto-increment continues after the kept ids";
}

TEST(Dump, ListedTablesOnly) {
    test::ScratchDatabase source;
    auto c = source.connect();
    fill(c);
    std::stringstream script;
    db::dumpTables(c, source.name(), {"konnal"}, script);
    EXPECT_EQ(script.str().find("`nalog`"), std::string::npos);
    EXPECT_NE(script.str().find("`konnal`"), std::string::npos);
}

TEST(Dump, RestoresAFileWrittenByMariadbDump) {
    test::ScratchDatabase source, target;
    auto c = source.connect();
    fill(c);
    const std::string nalog = checksum(c, "nalog");
    const auto params = test::serverParams();
    const std::string file = ::testing::TempDir() + "/" + source.name() + ".sql";
    const std::string command = "mariadb-dump --no-defaults -h 127.0.0.1 -P " + std::to_string(params.port) +
                                " -u root --routines " + source.name() + " > " + file;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    auto t = target.connect();
    std::ifstream in(file, std::ios::binary);
    db::restoreDump(t, in);
    EXPECT_EQ(checksum(t, "nalog"), nalog);
    EXPECT_EQ(t.scalar("select @@foreign_key_checks").asInt(), 1) << "session settings are put back";
    EXPECT_EQ(t.scalar("select @@sql_mode").asString(), "NO_ENGINE_SUBSTITUTION");
    EXPECT_EQ(t.currentDatabase(), target.name());
    std::remove(file.c_str());
}

TEST(Script, RunsWithCommentsAndQuotedSemicolonsAndCollectsErrors) {
    test::ScratchDatabase scratch;
    auto c = scratch.connect();
    const std::string script =
        "-- a table; with a comment\r\n"
        "create table t (id int primary key, a varchar(20)); /* block; comment */\r\n"
        "insert into t values (1, 'x;y'), (2, \"it\\\"s\");\r\n"
        "insert into t values (1, 'duplicate');\r\n"
        "# hash comment\r\n"
        "insert into t values (3, 'z')";
    auto errors = db::runScript(c, script, db::OnError::Continue);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].statement.find("duplicate"), std::string::npos);
    EXPECT_EQ(c.scalar("select group_concat(a order by id separator '|') from t").asString(), "x;y|it\"s|z");

    EXPECT_THROW(db::runScript(c, "insert into t values (4, 'a'); insert into t values (4, 'b'); "
                                  "insert into t values (5, 'c')",
                               db::OnError::Stop),
                 db::DbError);
    EXPECT_EQ(c.scalar("select count(*) from t").asInt(), 4) << "stops at the first failure";
}

}  // namespace
