#include <gtest/gtest.h>

#include "data/db/dataset.h"
#include "data/db/error.h"
#include "test_server.h"

using namespace tarvo;

namespace {

class DatasetTest : public ::testing::Test {
protected:
    void SetUp() override {
        c = scratch.connect();
        c.execute(
            "create table konnal (id int auto_increment primary key, nalogid int, rbr int, opis varchar(40),"
            " duguje double default 0, v1 char(1) default '');"
            "insert into konnal (nalogid, rbr, opis, duguje) values"
            " (2, 2, 'b', 20), (1, 1, 'Čaj', 10), (2, 1, 'a', 5), (1, 2, 'x', 1);"
            "create table partner (id int primary key, naziv varchar(40));"
            "insert into partner values (1, 'Prvi'), (2, 'Drugi')");
    }
    std::vector<std::string> walk(db::Dataset& d, const char* column) {
        std::vector<std::string> out;
        for (d.first(); !d.eof(); d.next()) out.push_back(d.asString(column));
        return out;
    }
    test::ScratchDatabase scratch;
    db::Connection c;
};

TEST_F(DatasetTest, SortsByTheIndexFieldList) {
    auto d = db::Dataset::table(c, "konnal");
    d.open();
    d.setIndexFields("nalogid;rbr;id");
    EXPECT_EQ(walk(d, "opis"), (std::vector<std::string>{"Čaj", "x", "a", "b"}));
    EXPECT_THROW(d.setIndexFields("nalogid;nema"), db::DbError);
}

TEST_F(DatasetTest, EditPostWritesByIdAndKeepsThePosition) {
    auto d = db::Dataset::table(c, "konnal");
    d.setIndexFields("nalogid;rbr");
    d.open();
    ASSERT_TRUE(d.locate("opis", "a"));
    d.edit();
    d.setField("opis", db::Value("it's \"quoted\""));
    d.setField("duguje", db::Value("7.25"));
    d.post();
    EXPECT_EQ(d.asString("opis"), "it's \"quoted\"");
    EXPECT_EQ(c.scalar("select duguje from konnal where nalogid = 2 and rbr = 1").asDouble(), 7.25);

    d.refresh();
    EXPECT_EQ(d.asString("opis"), "it's \"quoted\"") << "refresh stays on the same row";
    EXPECT_EQ(d.position(), 2u);
}

TEST_F(DatasetTest, RefreshAfterRowsVanishedElsewhere) {
    auto d = db::Dataset::table(c, "konnal");
    d.setIndexFields("nalogid;rbr");
    d.open();
    d.last();
    c.execute("delete from konnal where nalogid = 2");
    d.refresh();
    EXPECT_EQ(d.recordCount(), 2u);
    EXPECT_EQ(d.asString("opis"), "x") << "the row is gone: the cursor stays within the rows left";
    c.execute("delete from konnal");
    d.refresh();
    EXPECT_TRUE(d.eof());
}

TEST_F(DatasetTest, InsertReadsBackIdAndDefaults) {
    auto d = db::Dataset::table(c, "konnal");
    d.setIndexFields("nalogid;rbr");
    d.open();
    d.insert();
    d.setField("nalogid", db::Value("1"));
    d.setField("rbr", db::Value("3"));
    d.post();
    EXPECT_EQ(d.asInt("id"), 5);
    EXPECT_EQ(d.asDouble("duguje"), 0.0);
    EXPECT_FALSE(d.field("v1").isNull()) << "the server's default is read back";
    EXPECT_EQ(d.position(), 2u) << "the new row sits in its sorted place";

    d.insert();
    d.cancel();
    EXPECT_EQ(c.scalar("select count(*) from konnal").asInt(), 5);
}

TEST_F(DatasetTest, RemoveDeletesTheCurrentRow) {
    auto d = db::Dataset::table(c, "konnal");
    d.open();
    ASSERT_TRUE(d.locate("opis", "čaj")) << "locate compares like the server: case-insensitive";
    d.remove();
    EXPECT_EQ(d.recordCount(), 3u);
    EXPECT_EQ(c.scalar("select count(*) from konnal where opis = 'Čaj'").asInt(), 0);
}

TEST_F(DatasetTest, FilterAndLookupField) {
    auto partners = db::Dataset::table(c, "partner");
    partners.open();
    auto d = db::Dataset::query(c, "select id, nalogid, rbr, opis from konnal", "konnal");
    d.setIndexFields("rbr;nalogid");
    d.addLookupField("partner", "nalogid", partners, "id", "naziv");
    d.open();
    d.setFilter([](const db::Dataset& row) { return row.asInt("nalogid") == 2; });
    EXPECT_EQ(walk(d, "opis"), (std::vector<std::string>{"a", "b"}));
    d.first();
    EXPECT_EQ(d.asString("partner"), "Drugi");
    EXPECT_EQ(d.valueAt(1, "partner").asString(), "Drugi") << "grids read lookup fields by position";
    d.clearFilter();
    EXPECT_EQ(d.recordCount(), 4u);
}

TEST_F(DatasetTest, QueryWithoutTableIsReadOnly) {
    auto d = db::Dataset::query(c, "select count(*) as n from konnal");
    d.open();
    EXPECT_EQ(d.asInt("n"), 4);
    EXPECT_THROW(d.edit(), db::DbError);
}

}  // namespace
