#include <gtest/gtest.h>

#include "data/catalogue/server_setup.h"
#include "shell/startup/command_line.h"
#include "shell/startup/session.h"
#include "test_catalogue.h"

using namespace tarvo;

namespace {

struct ArgsCase {
    std::vector<std::string> args;
    std::string server;
    unsigned port;
    bool autoSelect;
    std::string companyId, year;
};

TEST(CommandLine, ReadsZeroToThreeArguments) {
    const ArgsCase cases[] = {
        {{}, "localhost", 0, false, "", ""},
        {{"server1"}, "server1", 0, false, "", ""},
        {{"7"}, "7", 0, false, "", ""},
        {{"7", "2024"}, "localhost", 0, true, "7", "2024"},
        {{"port_3307", "7", "2024"}, "localhost", 3307, true, "7", "2024"},
        {{"port_33061"}, "localhost", 33061, false, "", ""},
        {{"racunovodstvo", "3", "2023", "extra"}, "racunovodstvo", 0, true, "3", "2023"},
    };
    for (const auto& c : cases) {
        CommandLine line = registrujParametre(c.args);
        const std::string label = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(line.host.server(), c.server) << label;
        EXPECT_EQ(line.host.port(), c.port) << label;
        EXPECT_EQ(line.autoSelect, c.autoSelect) << label;
        EXPECT_EQ(line.companyId, c.companyId) << label;
        EXPECT_EQ(line.year, c.year) << label;
    }
    EXPECT_THROW(registrujParametre({"port_abc"}), std::invalid_argument);
    EXPECT_THROW(registrujParametre({"port_99999"}), std::invalid_argument);
}

class StartupTest : public ::testing::Test {
protected:
    StartupTest() : catalogue(true) {
        fid = test::uniqueCompanyId();
        CreationReport report = registerCompanyYear(catalogue.dm, fid, "Demo d.o.o.", 2024);
        EXPECT_TRUE(report.ok()) << report.message();
    }
    std::unique_ptr<Session> start(std::vector<std::string> args) {
        auto session = std::make_unique<Session>(prompt, registrujParametre(args), test::serverParams(),
                                                 catalogue.names);
        EXPECT_TRUE(session->connectCatalogue());
        return session;
    }
    test::TestCatalogue catalogue;
    ScriptedPrompt prompt;
    int fid = 0;
};

TEST_F(StartupTest, CommandLineChoiceOpensThatCompanyYear) {
    auto session = start({std::to_string(fid), "2024"});
    IzborFirme selection(session->catalogue());
    auto firma = session->autoSelect(selection);
    ASSERT_TRUE(firma.has_value()) << (prompt.messages.empty() ? "" : prompt.messages.back());
    ASSERT_TRUE(session->openCompany(*firma));
    EXPECT_EQ(session->data().db_fin, "finansije_" + std::to_string(fid) + "_2024");
    EXPECT_EQ(session->data().MyConnection2().currentDatabase(), session->data().db_fin);
    EXPECT_EQ(session->data().MyConnection1().currentDatabase(), "prodaja_" + std::to_string(fid) + "_2024");
    EXPECT_GT(session->data().MyTable_konto().recordCount(), 100u) << "the chart of accounts is loaded";
    EXPECT_EQ(session->data().getParam("Tarvo_stavke_indexi"), "nalogid;rbr;id") << "created with its default";
    EXPECT_EQ(session->company().naziv, "Demo d.o.o.");
    EXPECT_TRUE(session->working().MyConnection1().isOpen()) << "the working database is open too";
    EXPECT_EQ(session->entry().mode(), EntryMode::Nista);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(StartupTest, UnknownCompanyStopsInsteadOfOpeningAnother) {
    auto session = start({"999999", "2024"});
    IzborFirme selection(session->catalogue());
    EXPECT_FALSE(session->autoSelect(selection).has_value());
    EXPECT_TRUE(session->terminating());
}

TEST_F(StartupTest, MissingTableStopsWithTheFourLineMessage) {
    const std::string pr = "prodaja_" + std::to_string(fid) + "_2024";
    catalogue.connection().execute("drop table " + pr + ".izvjestaj");
    auto session = start({std::to_string(fid), "2024"});
    IzborFirme selection(session->catalogue());
    auto firma = session->autoSelect(selection);
    ASSERT_TRUE(firma.has_value());
    EXPECT_FALSE(session->openCompany(*firma));
    EXPECT_TRUE(session->terminating());
    ASSERT_FALSE(prompt.messages.empty());
    EXPECT_EQ(prompt.messages.back(), Session::tableOpenFailureMessage());
    EXPECT_EQ(std::count(prompt.messages.back().begin(), prompt.messages.back().end(), '\n'), 3);
}

TEST_F(StartupTest, ClosingIsRefusedWhileAVoucherIsOpen) {
    auto session = start({});
    EXPECT_FALSE(session->FormCloseQuery(true));
    EXPECT_EQ(prompt.messages.back(), "Prvo završite tj. ažurirajte nalog!");
    EXPECT_TRUE(session->FormCloseQuery(false));
}

TEST_F(StartupTest, SelectionListsCurrentCompaniesAndResetsBadCodes) {
    auto session = start({});
    IzborFirme selection(session->catalogue());
    selection.ucitajListu();
    ASSERT_EQ(selection.companies().size(), 1u);
    EXPECT_EQ(selection.companies()[0].naziv, "Demo d.o.o.");
    for (const char* bad : {"0", "-3", "x", "999999"}) {
        EXPECT_FALSE(selection.companyCodeExit(bad)) << bad;
        EXPECT_EQ(selection.companyCode(), "1") << bad;
    }
    EXPECT_TRUE(selection.companyCodeExit(std::to_string(fid)));
    EXPECT_EQ(selection.years(), std::vector<int>{2024});
    EXPECT_EQ(selection.yearText(), "2024");
    selection.setYearText("20x4");
    EXPECT_FALSE(selection.confirm().has_value());
}

}  // namespace
