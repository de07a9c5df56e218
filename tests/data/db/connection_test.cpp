#include <gtest/gtest.h>

#include "data/db/connection.h"
#include "data/db/error.h"
#include "test_server.h"

using namespace tarvo;

namespace {

TEST(Connection, TriesThePasswordsInOrder) {
    const std::string user = test::uniqueName("u");
    auto admin = test::connect();
    admin.execute("create user '" + user + "'@'%' identified by 'tajna'");
    db::ConnectionParams params = test::serverParams();
    params.user = user;
    params.passwords = {"", "pogresna", "tajna"};
    db::Connection connection(params);
    EXPECT_EQ(connection.password(), "tajna");

    params.passwords = {"", "pogresna"};
    try {
        db::Connection refused(params);
        FAIL() << "a wrong password was accepted";
    } catch (const db::DbError& error) {
        EXPECT_EQ(error.code(), 1045u);
        EXPECT_NE(error.serverMessage().find(user), std::string::npos);
    }
    admin.execute("drop user '" + user + "'@'%'");
}

TEST(Connection, UsesTheLenientModeAndUtf8mb4) {
    auto connection = test::connect();
    EXPECT_EQ(connection.scalar("select @@sql_mode").asString(), "NO_ENGINE_SUBSTITUTION");
    EXPECT_EQ(connection.scalar("select @@character_set_client").asString(), "utf8mb4");
    EXPECT_EQ(connection.scalar("select \"double quoted\"").asString(), "double quoted");
    EXPECT_EQ(connection.scalar("select 'ČćŽšĐ'").asString(), "ČćŽšĐ");
}

TEST(Connection, TellsNullFromEmptyAndReadsMetadata) {
    test::ScratchDatabase scratch;
    auto c = scratch.connect();
    c.execute("create table t (id int auto_increment primary key, a varchar(20), b double, d date, n int)");
    c.execute("insert into t (a, b, d, n) values ('', 1.5, '2024-03-01', null), (null, null, null, 7)");
    db::ResultSet r = c.query("select a, b, d, n, a as A from t order by id");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_FALSE(r.at(0, "a").isNull());
    EXPECT_TRUE(r.at(1, "a").isNull());
    EXPECT_EQ(r.at(1, "a").asString(), "");
    EXPECT_EQ(r.at(1, "b").asDouble(), 0.0);
    EXPECT_EQ(r.at(0, "n").asInt(), 0);
    EXPECT_EQ(r.at(1, "n").asInt(), 7);
    EXPECT_EQ(r.at(0, "d").asString(), "2024-03-01");
    EXPECT_EQ(r.columns()[0].type, db::TypeClass::Text);
    EXPECT_EQ(r.columns()[1].type, db::TypeClass::Float);
    EXPECT_EQ(r.columns()[2].type, db::TypeClass::Date);
    EXPECT_EQ(r.columns()[3].type, db::TypeClass::Integer);
    EXPECT_EQ(*r.columnIndex("A"), 0u) << "the first of duplicate names wins";
}

TEST(Connection, RunsABatchAndReportsTheFailingStatement) {
    test::ScratchDatabase scratch;
    auto c = scratch.connect();
    c.execute("create table t (id int primary key); insert into t values (1); insert into t values (2);");
    EXPECT_EQ(c.scalar("select count(*) from t").asInt(), 2);
    EXPECT_EQ(c.execute("update t set id = id + 10"), 2u);
    try {
        c.execute("select * from missing_table");
        FAIL();
    } catch (const db::DbError& error) {
        EXPECT_EQ(error.statement(), "select * from missing_table");
        EXPECT_NE(error.serverMessage().find("missing_table"), std::string::npos);
    }
    EXPECT_EQ(c.scalar("select 5").asInt(), 5) << "the connection is usable after an error";
}

TEST(Connection, RolledBackTransactionLeavesNothing) {
    test::ScratchDatabase scratch;
    auto c = scratch.connect();
    c.execute("create table t (id int auto_increment primary key, a varchar(10)) engine=InnoDB");
    {
        db::Transaction transaction(c);
        c.execute("insert into t (a) values ('x')");
        EXPECT_EQ(c.lastInsertId(), 1u);
    }
    EXPECT_EQ(c.scalar("select count(*) from t").asInt(), 0);
    {
        db::Transaction transaction(c);
        c.execute("insert into t (a) values ('y')");
        transaction.commit();
    }
    EXPECT_EQ(c.scalar("select count(*) from t").asInt(), 1);
}

TEST(Connection, EscapesQuotesAndBackslashes) {
    auto c = test::connect();
    const std::string nasty = "a'b\"c\\d";
    EXPECT_EQ(c.scalar("select '" + c.escape(nasty) + "'").asString(), nasty);
}

TEST(Connection, DatabaseScopeRestoresTheCurrentDatabase) {
    test::ScratchDatabase first, second;
    auto c = first.connect();
    {
        db::DatabaseScope scope(c);
        c.selectDatabase(second.name());
        EXPECT_EQ(c.currentDatabase(), second.name());
    }
    EXPECT_EQ(c.currentDatabase(), first.name());
}

}  // namespace
