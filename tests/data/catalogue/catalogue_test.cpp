#include <gtest/gtest.h>

#include "data/catalogue/dm_firma.h"
#include "test_catalogue.h"
#include "data/db/error.h"
#include "data/server/private_server.h"
#include "test_server.h"

using namespace tarvo;

namespace {

void registerRow(test::TestCatalogue& catalogue, const std::string& naziv, int vbid, int fid, int godina,
                 const std::string& status, const std::string& host = "localhost") {
    catalogue.connection().execute("insert into " + catalogue.names.ex + ".baza(naziv,vbid,fid,godina,status,host) "
                                   "values('" + naziv + "'," + std::to_string(vbid) + "," + std::to_string(fid) +
                                   "," + std::to_string(godina) + ",'" + status + "','" + host + "')");
}

TEST(Catalogue, ConnectsAndStaysOnTheCatalogue) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    EXPECT_EQ(catalogue.connection().currentDatabase(), catalogue.names.ex);
    EXPECT_TRUE(catalogue.prompt.messages.empty());
    ASSERT_TRUE(catalogue.dm.srediKonekciju2());
    EXPECT_EQ(catalogue.dm.MyConnection2().currentDatabase(), catalogue.names.ex);
}

TEST(Catalogue, PortModeReachesTheServerOfThatPort) {
    const unsigned port = test::serverParams().port;
    ScriptedPrompt prompt;
    db::ConnectionParams socketOnly;  // nothing but the host argument says where the server is
    TDM_firma dm(prompt, HostArgument::parse("port_" + std::to_string(port)), socketOnly, test::uniqueCatalogueNames());
    ASSERT_TRUE(dm.srediKonekciju()) << (prompt.messages.empty() ? "" : prompt.messages.back());
    EXPECT_EQ(dm.MyConnection1().scalar("select @@port").asInt(), static_cast<long long>(port));
    EXPECT_EQ(dm.connectionParams().port, port);
}

TEST(Catalogue, SaysSoWhenNoServerAnswers) {
    ScriptedPrompt prompt;
    TDM_firma dm(prompt, HostArgument::parse("port_" + std::to_string(server::freePort())));
    EXPECT_FALSE(dm.srediKonekciju());
    EXPECT_FALSE(dm.MyConnection1().isOpen());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "Nema potrebne konekcije! Napuštam aplikaciju!");
}

TEST(Catalogue, FindsRegisteredDatabases) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    registerRow(catalogue, "finansije_7_2021", 2, 7, 2021, "tekuca");
    registerRow(catalogue, "prodaja_7_2021", 1, 7, 2021, "tekuca");
    registerRow(catalogue, "prodaja_7_2021b", 1, 7, 2021, "tekuca");
    registerRow(catalogue, "bad;name", 3, 7, 2021, "tekuca");

    EXPECT_EQ(catalogue.dm.izBaza(7, 2, 2021), "finansije_7_2021");
    EXPECT_TRUE(catalogue.prompt.messages.empty());

    EXPECT_EQ(catalogue.dm.izBaza(7, 1, 2021), "prodaja_7_2021") << "the lowest id wins";
    ASSERT_EQ(catalogue.prompt.messages.size(), 1u);
    EXPECT_EQ(catalogue.prompt.messages[0], "Ima previše baza podataka za vbid=1");

    catalogue.prompt.messages.clear();
    EXPECT_EQ(catalogue.dm.izBaza(7, 4, 2021), "");
    ASSERT_EQ(catalogue.prompt.messages.size(), 1u);
    EXPECT_EQ(catalogue.prompt.messages[0], "Nema odgovarajuće baze podataka:upit=select * from " + catalogue.names.ex +
                                                ".baza where fid=7 and vbid=4 and godina=2021 order by id");

    catalogue.prompt.messages.clear();
    EXPECT_EQ(catalogue.dm.izBaza(7, 3, 2021), "") << "a stored name that is not valid never reaches SQL";
    ASSERT_EQ(catalogue.prompt.messages.size(), 1u);
    EXPECT_EQ(catalogue.prompt.messages[0], "Neispravan naziv baze podataka: \"bad;name\"");
}

TEST(Catalogue, RegistersAndRenamesOnlyWhenTheUserAgrees) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    const std::string baza = catalogue.names.ex + ".baza";
    auto rows = [&] {
        return catalogue.connection().query("select naziv,vbid,fid,godina,status,host from " + baza + " order by id");
    };

    EXPECT_TRUE(catalogue.dm.uBaze(7, 2, "tekuca", "finansije_7_2021", 2021));
    EXPECT_TRUE(catalogue.prompt.questions.empty());
    db::ResultSet stored = rows();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored.rows()[0], (db::Row{"finansije_7_2021", "2", "7", "2021", "tekuca", "localhost"}));

    catalogue.prompt.answers = {false};
    EXPECT_FALSE(catalogue.dm.uBaze(7, 2, "stara", "finansije_7_2021", 2021));
    ASSERT_EQ(catalogue.prompt.questions.size(), 1u) << "asked even when the name is the same";
    EXPECT_EQ(catalogue.prompt.questions[0],
              "Želite li ispraviti postojeće nazive baza podataka za ovu firmu?\n"
              "(ako to učinite, možda nećete imati pristup podacima ako ste ih već imali)\n"
              "stari naziv: finansije_7_2021\nnovi naziv: finansije_7_2021");
    EXPECT_EQ(rows().rows(), stored.rows());

    catalogue.prompt.answers = {true};
    EXPECT_TRUE(catalogue.dm.uBaze(7, 2, "stara", "fin_7_2021", 2021));
    EXPECT_EQ(rows().rows()[0], (db::Row{"fin_7_2021", "2", "7", "2021", "stara", "localhost"}));

    for (const std::string bad : {"fin'; drop database ex; --", "Finansije_7_2021", "finansije_7_2021_predugo"}) {
        SCOPED_TRACE(bad);
        catalogue.prompt.messages.clear();
        EXPECT_FALSE(catalogue.dm.uBaze(8, 2, "tekuca", bad, 2021));
        ASSERT_EQ(catalogue.prompt.messages.size(), 1u);
        EXPECT_EQ(catalogue.prompt.messages[0], "Neispravan naziv baze podataka: \"" + bad + "\"");
    }
    EXPECT_EQ(rows().size(), 1u);
}

TEST(Catalogue, FillsACompanyWithTheHostRule) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    registerRow(catalogue, "prodaja_7_2021", 1, 7, 2021, "tekuca");
    registerRow(catalogue, "finansije_7_2021", 2, 7, 2021, "tekuca", "db2.firma.ba");
    registerRow(catalogue, "opl_7_2021", 4, 7, 2021, "tekuca");

    const db::ConnectionParams server = test::serverParams();
    struct Case {
        HostArgument argument;
        const char* prHost;
    };
    const Case cases[] = {
        {HostArgument::parse(server.host), server.host.c_str()},
        {HostArgument::parse("port_" + std::to_string(server.port)), "localhost"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument.text());
        ScriptedPrompt prompt;
        TDM_firma dm(prompt, c.argument, server, catalogue.names);
        ASSERT_TRUE(dm.srediKonekciju());
        TFirma firma(7, "Kelma", 2021);
        dm.GetBazeFirme(firma);
        EXPECT_EQ(firma.db_pr, "prodaja_7_2021");
        EXPECT_EQ(firma.hostPr, c.prHost);
        EXPECT_EQ(firma.db_fin, "finansije_7_2021");
        EXPECT_EQ(firma.hostFin, "db2.firma.ba") << "a host other than localhost is never changed";
        EXPECT_EQ(firma.db_mat, "");
        EXPECT_EQ(firma.hostMat, "");
        EXPECT_EQ(firma.db_op, "opl_7_2021");
        ASSERT_EQ(prompt.messages.size(), 1u) << "the missing inventory database";
        EXPECT_NE(prompt.messages[0].find("vbid=3"), std::string::npos);
    }
}

TEST(Catalogue, ListsEachCompanyYearOnceNewestFirst) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    registerRow(catalogue, "prodaja_7_2020", 1, 7, 2020, "stara");
    registerRow(catalogue, "finansije_7_2020", 2, 7, 2020, "stara");
    registerRow(catalogue, "prodaja_7_2021", 1, 7, 2021, "tekuca");
    registerRow(catalogue, "finansije_7_2021", 2, 7, 2021, "tekuca");
    registerRow(catalogue, "prodaja_3_2021", 1, 3, 2021, "tekuca");

    db::Dataset years = catalogue.dm.sveBaze_MyQuery2();
    std::vector<std::pair<long long, long long>> seen;
    for (years.first(); !years.eof(); years.next()) seen.emplace_back(years.asInt("fid"), years.asInt("godina"));
    EXPECT_EQ(seen, (std::vector<std::pair<long long, long long>>{{3, 2021}, {7, 2021}, {7, 2020}}));
}

}  // namespace
