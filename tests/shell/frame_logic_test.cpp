#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <unistd.h>

#include "data/catalogue/firma.h"
#include "data/db/connection.h"
#include "shell/settings/global_switches.h"
#include "shell/settings/main_window_texts.h"
#include "shell/settings/menu_model.h"
#include "shell/settings/settings_fields.h"
#include "shell/settings/sibling_programs.h"

using namespace tarvo;
using namespace tarvo::shell;

namespace {

class MapStore : public GlobalParameterStore {
public:
    std::string izGlobPar(const std::string& key) override {
        auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    }
    void uGlobPar(const std::string& key, const std::string& value) override {
        written[key] = value;
        values[key] = value;
    }
    std::string sgetParam(const std::string& key, const std::string& defaultValue) override {
        if (!values.count(key)) uGlobPar(key, defaultValue);
        return values[key];
    }
    std::map<std::string, std::string> values;
    std::map<std::string, std::string> written;
};

TFirma company() {
    TFirma firma(7, "Test", 2024);
    firma.db_pr = "prodaja_7_2024";
    return firma;
}

TEST(SetGlobPar, ScaleFactorTakesBothSeparatorsAndMendsOnlyWhatIsNotANumber) {
    struct Case {
        std::string stored;
        double factor;
        bool rewritten;
    };
    const Case cases[] = {{"", 1, true}, {"abc", 1, true}, {"1,25", 1.25, false},
                          {"1.5", 1.5, false}, {"3", 1, false}, {"0", 1, false}};
    for (const Case& c : cases) {
        MapStore store;
        store.values["vecaRezolucijaEkrana"] = c.stored;
        const GlobalSwitches switches = setGlobPar(store, company());
        EXPECT_DOUBLE_EQ(switches.scaleFactor, c.factor) << c.stored;
        EXPECT_EQ(store.written.count("vecaRezolucijaEkrana") == 1, c.rewritten) << c.stored;
        if (c.rewritten) {
            EXPECT_EQ(store.written["vecaRezolucijaEkrana"], "1");
        }
    }
}

TEST(SetGlobPar, WritesTheMissingDefaultsAndReadsTheSwitches) {
    MapStore store;
    store.values = {{"partnerKoristiID2", "DA"}, {"printToTxt", "ne"}, {"identBrojPartneraObavezan", "da"}};
    const GlobalSwitches switches = setGlobPar(store, company());
    EXPECT_TRUE(switches.partnerKoristiID2);
    EXPECT_FALSE(switches.nalogKoristiID2);
    EXPECT_FALSE(switches.printToTxt);
    EXPECT_TRUE(switches.identBrojPartneraObavezan);
    EXPECT_EQ(switches.colourScheme, ColourScheme::System);
    EXPECT_EQ(switches.konvZnakovaZaDos, "ne");
    const std::map<std::string, std::string> expected{{"KELMA_osnovnaBoja", "system"},
                                                      {"zajednickaTabelaArtikala_fid", "0"},
                                                      {"vecaRezolucijaEkrana", "1"},
                                                      {"omoguciMinimiziranje", "ne"},
                                                      {"konvZnakovaZaDos", "ne"}};
    EXPECT_EQ(store.written, expected);
}

TEST(SetGlobPar, ColourSchemeAndSharedArticles) {
    struct Case {
        std::string scheme, shared;
        bool archived;
        ColourScheme expectedScheme;
        std::string prefix;
        size_t warnings;
    };
    const Case cases[] = {
        {"PLAVA", "3", false, ColourScheme::Plava, "prodaja_3_2024.", 0},
        {"Siva", "0", false, ColourScheme::Siva, "", 0},
        {"zelena", "3", true, ColourScheme::System, "", 0},
        {"system", "tri", false, ColourScheme::System, "", 1},
    };
    for (const Case& c : cases) {
        MapStore store;
        store.values = {{"KELMA_osnovnaBoja", c.scheme}, {"zajednickaTabelaArtikala_fid", c.shared}};
        TFirma firma = company();
        firma.arhivski = c.archived;
        const GlobalSwitches switches = setGlobPar(store, firma);
        EXPECT_EQ(switches.colourScheme, c.expectedScheme) << c.scheme;
        EXPECT_EQ(switches.articlePrefix, c.prefix) << c.shared;
        EXPECT_EQ(switches.warnings.size(), c.warnings) << c.shared;
        if (c.archived) {
            EXPECT_EQ(switches.sharedArticleCompany, "0");
        }
    }
}

TEST(Siblings, CommandLineCarriesTheServerCompanyAndYear) {
    struct Case {
        std::string host;
        unsigned port;
        bool archived;
        std::vector<std::string> arguments;
        bool refused;
    };
    const Case cases[] = {
        {"localhost", 0, false, {"7", "2024"}, false},
        {"localhost", 3306, false, {"7", "2024"}, false},
        {"localhost", 3307, false, {"port_3307", "7", "2024"}, false},
        {"server2", 3306, false, {"server2", "7", "2024"}, false},
        {"localhost", 0, true, {"0", "0"}, false},
        {"server2", 3307, false, {}, true},
    };
    for (const Case& c : cases) {
        db::ConnectionParams params;
        params.host = c.host;
        params.port = c.port;
        TFirma firma = company();
        firma.arhivski = c.archived;
        const SiblingLaunch launch = siblingLaunch(SiblingProgram::Kvedo, params, firma);
        EXPECT_EQ(!launch.refusal.empty(), c.refused) << c.host << ":" << c.port;
        if (!c.refused) {
            EXPECT_EQ(launch.arguments, c.arguments) << c.host << ":" << c.port;
        }
    }
}

class SiblingFolder : public ::testing::Test {
protected:
    SiblingFolder() {
        folder = std::filesystem::temp_directory_path() / ("tarvo_kelma_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "programi");
        setenv("KELMA_HOME", folder.c_str(), 1);
    }
    ~SiblingFolder() override {
        unsetenv("KELMA_HOME");
        std::filesystem::remove_all(folder);
    }
    std::filesystem::path folder;
};

TEST_F(SiblingFolder, AMissingProgramIsSaidAndAnInstalledOneRunsWithTheArguments) {
    db::ConnectionParams params;
    params.port = 3307;
    const SiblingLaunch missing = siblingLaunch(SiblingProgram::Rulenbaro, params, company());
    EXPECT_EQ(missing.program, folder / "programi" / "rulenbaro.exe");
    const ProgramRun notRun = runSibling(missing);
    EXPECT_FALSE(notRun.started);
    EXPECT_TRUE(notRun.message.starts_with("Ne mogu da izvršim " + missing.program.string() + " port_3307 7 2024"))
        << notRun.message;

    // Installed under its Linux name, without ".exe".
    const std::filesystem::path script = folder / "programi" / "kvedo";
    const std::filesystem::path out = folder / "args.txt";
    std::ofstream(script) << "#!/bin/sh\necho \"$@\" > '" << out.string() << "'\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const SiblingLaunch launch = siblingLaunch(SiblingProgram::Kvedo, params, company());
    EXPECT_EQ(launch.program, script);
    const ProgramRun run = runSibling(launch);
    EXPECT_TRUE(run.succeeded()) << run.message;
    std::string line;
    std::getline(std::ifstream(out), line);
    EXPECT_EQ(line, "port_3307 7 2024");
}

TEST(MenuModel, HandlersAreUniqueAndShortcutsShownInTheMenuExist) {
    std::set<std::string_view> handlers;
    for (const MenuEntry* entry : allHandledEntries())
        EXPECT_TRUE(handlers.insert(entry->handler).second) << entry->handler;
    for (const MenuEntry* entry : allHandledEntries()) {
        if (entry->shortcut.empty()) continue;
        bool found = false;
        for (const ShortcutRow& row : mainShortcuts()) found |= row.handler == entry->handler && row.key == entry->shortcut;
        EXPECT_TRUE(found) << entry->handler << " shows " << entry->shortcut;
    }
    // Rows that apply without the voucher entry run menu entries, which say "U izradi" until plugged in.
    for (const ShortcutRow& row : mainShortcuts())
        if (row.panel != PanelState::Visible) {
            EXPECT_NE(findEntry(row.handler), nullptr) << row.handler;
        }
}

TEST(SettingsFields, ThirtyFiveKeysAreCreatedAndNamesMapBothWays) {
    int created = 0;
    for (const SettingsField& field : settingsFields()) {
        created += field.createdWith ? 1 : 0;
        EXPECT_EQ(keyOfFieldName(fieldNameOfKey(field.key)), field.key);
        if (!field.besideKey.empty()) {
            EXPECT_NE(findSettingsField(field.besideKey), nullptr) << field.key;
        }
    }
    EXPECT_EQ(settingsFields().size(), 49u);
    EXPECT_EQ(created, 35);
    EXPECT_EQ(fieldNameOfKey("porezNaDobit%"), "LE_porezNaDobit_charOfPercent");
    EXPECT_EQ(keyOfFieldName("Edit1"), "");
}

TEST(MainWindowTexts, CaptionAndStateMessageAreExact) {
    TFirma firma = company();
    firma.naziv = "Kelma d.o.o.";
    EXPECT_EQ(mainWindowCaption(firma), "Tarvo - Finansijsko knjigovodstvo, verzija:21.3.17.1 - FIRMA: Kelma d.o.o. "
                                        "(7) - poslovna godina:2024");
    firma.arhivski = true;
    EXPECT_EQ(mainWindowCaption(firma), "Tarvo - Finansijsko knjigovodstvo, verzija:21.3.17.1 - ARHIVSKI PODACI - "
                                        "FIRMA: Kelma d.o.o. - poslovna godina:2024");
    const DatabaseState state{"opl_7_2024", "prodaja_7_2024", "finansije_7_2024", "materijal_7_2024",
                              "prodaja_7_2024", "finansije_7_2024", "PRED"};
    EXPECT_EQ(parametriStanjaText(state),
              "db_op   =\"opl_7_2024\"\rdb_pr   =\"prodaja_7_2024\"\rdb_fin  =\"finansije_7_2024\"\r"
              "db_mat  =\"materijal_7_2024\"\rConn1.db=\"prodaja_7_2024\"\rConn2.db=\"finansije_7_2024\"\r"
              "Firma.orgTip=\"PRED\"\r");
}

}  // namespace
