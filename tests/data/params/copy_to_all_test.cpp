#include <gtest/gtest.h>

#include "test_catalogue.h"
#include "data/copy_to_all.h"
#include "data/db/error.h"
#include "data/params/copy_parameter.h"
#include "data/schema/table_definitions.h"
#include "test_server.h"

using namespace tarvo;

namespace {

struct Recorder {
    std::vector<std::string> log;
    std::vector<std::string> status;
    CopyToAllProgress progress() {
        return {[this](const std::string& line) { log.push_back(line); },
                [this](const std::string& line) { status.push_back(line); }};
    }
};

// A catalogue with a source pr database and three targets, the second of which is registered but missing.
class CopyParameter : public ::testing::Test {
protected:
    CopyParameter() {
        const std::string id = std::to_string(test::uniqueCompanyId());
        for (int year : {2021, 2022, 2023, 2024}) databases.push_back("prodaja_" + id + "_" + std::to_string(year));
        db::Connection& c = catalogue.connection();
        for (size_t i = 0; i < databases.size(); ++i) {
            c.execute("insert into " + catalogue.names.ex + ".baza(naziv,vbid,fid,godina,status) values('" +
                      databases[i] + "',1," + id + "," + std::to_string(2021 + i) + ",'stara')");
            if (i == 2) continue;
            c.execute("create database " + databases[i]);
            c.execute(replaceName(tableDefinition("parametar"), databases[i]));
        }
        c.execute("insert into " + databases[0] + ".parametar values ('kontoBlagajna', '2051'), ('drugi', 'izvor')");
        c.execute("insert into " + databases[1] + ".parametar values ('kontoBlagajna', '2050'), ('drugi', 'cilj')");
    }

    static std::string replaceName(std::string sql, const std::string& database) {
        sql.replace(sql.find(" parametar("), 11, " " + database + ".parametar(");
        return sql;
    }
    std::string value(size_t database, const std::string& key) {
        const db::ResultSet result = catalogue.connection().query("select value from " + databases[database] +
                                                                  ".parametar where id='" + key + "'");
        return result.empty() ? "<nema>" : result.at(0, 0).asString();
    }

    test::TestCatalogue catalogue;
    std::vector<std::string> databases;
};

TEST_F(CopyParameter, ReplacesTheRowInEveryTargetAndGoesOnAfterAFailure) {
    Recorder recorder;
    catalogue.prompt.answers = {true};
    auto result = copyParameterToAllCompanies(catalogue.connection(), catalogue.names, catalogue.prompt,
                                              "kontoBlagajna", databases[0], recorder.progress());
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(catalogue.prompt.questions, (std::vector<std::string>{"Promjene obuhvataju 3 baza. Nastaviti?"}));
    ASSERT_EQ(result->targets.size(), 3u);
    EXPECT_TRUE(result->targets[0].ok);
    EXPECT_FALSE(result->targets[1].ok);
    EXPECT_EQ(result->targets[1].target, databases[2]);
    EXPECT_TRUE(result->targets[2].ok) << "the copy goes on after a failing target";
    EXPECT_EQ(result->failures(), 1u);

    EXPECT_EQ(value(1, "kontoBlagajna"), "2051");
    EXPECT_EQ(value(3, "kontoBlagajna"), "2051");
    EXPECT_EQ(value(1, "drugi"), "cilj") << "only the chosen key is copied";
    EXPECT_EQ(value(3, "drugi"), "<nema>");

    EXPECT_EQ(recorder.status, (std::vector<std::string>{"BROJAČ BAZA: 0/3", "DODAVANJE PARAMETRA...BAZA: 1/3",
                                                         "DODAVANJE PARAMETRA...BAZA: 3/3"}));
    ASSERT_EQ(recorder.log.size(), 7u);
    EXPECT_TRUE(recorder.log[0].starts_with("Izvršavam upit: select naziv from " + catalogue.names.ex + ".baza"));
    EXPECT_EQ(recorder.log[1], "Dodajem odabrani parametar u bazu \"" + databases[1] + "\"");
    EXPECT_EQ(recorder.log[2], "    OK");
    EXPECT_TRUE(recorder.log[4].starts_with("    Greška: ")) << recorder.log[4];

    ASSERT_EQ(catalogue.prompt.messages.size(), 1u);
    EXPECT_TRUE(catalogue.prompt.messages[0].starts_with("Kopiranje završeno!\n\nNije uspjelo (1):\n" + databases[2] +
                                                         ": "))
        << catalogue.prompt.messages[0];
}

TEST_F(CopyParameter, RefusesWhenTheSourceHasNoRow) {
    auto result = copyParameterToAllCompanies(catalogue.connection(), catalogue.names, catalogue.prompt,
                                              "nepostojeci", databases[0]);
    EXPECT_FALSE(result.has_value());
    EXPECT_TRUE(catalogue.prompt.questions.empty());
    ASSERT_EQ(catalogue.prompt.messages.size(), 1u);
    EXPECT_EQ(catalogue.prompt.messages[0],
              "Parametar \"nepostojeci\" ne postoji u bazi " + databases[0] + ". Kopiranje nije pokrenuto.");
    EXPECT_EQ(value(1, "kontoBlagajna"), "2050");
}

TEST_F(CopyParameter, ChangesNothingWhenNotConfirmed) {
    catalogue.prompt.answers = {false};
    EXPECT_FALSE(copyParameterToAllCompanies(catalogue.connection(), catalogue.names, catalogue.prompt,
                                             "kontoBlagajna", databases[0])
                     .has_value());
    EXPECT_EQ(catalogue.prompt.questions.size(), 1u);
    EXPECT_EQ(value(1, "kontoBlagajna"), "2050");
    EXPECT_EQ(value(3, "kontoBlagajna"), "<nema>");
}

TEST(CopyToAll, KeepsATargetsRowWhenItsReplacementFails) {
    test::ScratchDatabase source("src");
    test::ScratchDatabase target("dst");
    db::Connection connection = test::connect();
    for (const std::string& database : {source.name(), target.name()})
        connection.execute("create table `" + database + "`.t (id int primary key, v char(10)) engine=InnoDB");
    connection.execute("insert into `" + target.name() + "`.t values (1, 'staro'), (2, 'ostaje')");
    connection.execute("insert into `" + source.name() + "`.t values (2, 'novo')");

    CopyToAllJob job;
    job.targets = {target.name(), "nema_" + target.name(), target.name()};
    int pass = 0;
    job.statementsFor = [&](const std::string& name) {
        const int id = ++pass == 1 ? 1 : 2;  // the first pass asks for a row the source does not have
        const std::string where = " where id=" + std::to_string(id);
        return std::vector<CopyStatement>{
            {"delete from `" + name + "`.t" + where, false},
            {"insert into `" + name + "`.t select * from `" + source.name() + "`.t" + where, true}};
    };
    const CopyToAllResult result = copyToAll(connection, job);
    ASSERT_EQ(result.targets.size(), 3u);
    EXPECT_FALSE(result.targets[0].ok);
    EXPECT_FALSE(result.targets[1].ok);
    EXPECT_TRUE(result.targets[2].ok);
    EXPECT_EQ(result.failureLines().size(), 2u);
    EXPECT_EQ(connection.scalar("select group_concat(v order by id) from `" + target.name() + "`.t").asString(),
              "staro,novo") << "the row whose replacement failed is still there";
}

TEST(CopyToAll, ShowsProgressForEveryThirdTargetAndTheLast) {
    std::vector<size_t> shown;
    for (size_t i = 1; i <= 8; ++i)
        if (showsProgressAt(i, 8)) shown.push_back(i);
    EXPECT_EQ(shown, (std::vector<size_t>{1, 4, 7, 8}));
    EXPECT_TRUE(showsProgressAt(7, 7));
    EXPECT_FALSE(showsProgressAt(6, 7));
}

}  // namespace
