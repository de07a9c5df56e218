#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "test_catalogue.h"
#include "data/db/error.h"
#include "data/params/distributer.h"
#include "data/params/global_settings.h"
#include "data/params/parameter_keys.h"
#include "data/params/parameter_table.h"
#include "data/schema/table_definitions.h"
#include "test_server.h"
#include "util/utf8.h"

using namespace tarvo;

namespace {

const std::string kAwkward = "C:\\kelma\\\"navodnici\" i 'apostrofi' \\\\ kraj\\";

// About `length` characters of short words, none repeated, so that order mistakes show.
std::string wordsOfLength(size_t length) {
    std::string text;
    for (int i = 0; text.size() < length; ++i) text += (text.empty() ? "" : " ") + ("rijec" + std::to_string(i));
    return text;
}

std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

class LocalParameters : public ::testing::Test {
protected:
    LocalParameters() : connection(scratch.connect()) { connection.execute(tableDefinition("parametar")); }
    long long rows(const std::string& key) {
        return connection.scalar("select count(*) from parametar where id='" + key + "'").asInt();
    }

    test::ScratchDatabase scratch{"pr"};
    db::Connection connection;
};

TEST_F(LocalParameters, MissingKeyReadsEmptyAndIsCreatedOnlyOnRequest) {
    ParameterTable parameters = localParameters(connection, scratch.name());
    EXPECT_EQ(parameters.getParam("sifraNalogaBlagajne"), "");
    EXPECT_EQ(rows("sifraNalogaBlagajne"), 0) << "getParam creates nothing";

    EXPECT_EQ(parameters.sgetParam("sifraNalogaBlagajne", "2"), "2");
    EXPECT_EQ(rows("sifraNalogaBlagajne"), 1);
    EXPECT_EQ(parameters.getParam("sifraNalogaBlagajne"), "2");
    EXPECT_EQ(parameters.sgetParam("sifraNalogaBlagajne", "7"), "2") << "an existing value wins over the default";
    EXPECT_EQ(parameters.getParam("SIFRANALOGABLAGAJNE  "), "2") << "keys compare as the server compares them";
}

TEST_F(LocalParameters, WritesAndReadsBackAwkwardValues) {
    ParameterTable parameters = localParameters(connection, scratch.name());
    EXPECT_TRUE(parameters.setParam("putDoLoga", kAwkward));
    EXPECT_EQ(parameters.getParam("putDoLoga"), kAwkward);
    EXPECT_TRUE(parameters.setParam("putDoLoga", "drugi"));
    EXPECT_EQ(rows("putDoLoga"), 1);

    ParameterTable fresh = localParameters(connection, scratch.name());
    EXPECT_EQ(fresh.getParam("putDoLoga"), "drugi");
    EXPECT_TRUE(fresh.setParam("kontoBlagajna", kAwkward));
    EXPECT_EQ(connection.scalar("select value from parametar where id='kontoBlagajna'").asString(), kAwkward);

    // A key the column cannot hold would be cut onto another key: it is never written.
    EXPECT_TRUE(fresh.setParam("prelazniTransRnPovratSredstava", "20093"));
    EXPECT_FALSE(fresh.setParam("prelazniTransRnPovratSredstavaGD", "ne"));
    EXPECT_EQ(fresh.sgetParam("prelazniTransRnPovratSredstavaGD", "da"), "da");
    EXPECT_EQ(connection.scalar("select value from parametar where id='prelazniTransRnPovratSredstava'").asString(),
              "20093");

    connection.execute("drop table parametar");
    EXPECT_FALSE(fresh.setParam("kontoBlagajna", "2050"));
}

TEST_F(LocalParameters, CreateOnReadReturnsWhatAnotherProgramJustStored) {
    ParameterTable parameters = localParameters(connection, scratch.name());
    parameters.load();
    db::Connection other = scratch.connect();
    other.execute("insert into parametar (id, value) values ('IOS_tolerancija', '0,50')");
    EXPECT_EQ(parameters.sgetParam("IOS_tolerancija", "0,10"), "0,50");
    EXPECT_EQ(parameters.getParam("IOS_tolerancija"), "0,50");
}

TEST(GlobalParameters, ReadWriteAndCreateOnRead) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    TDM_firma& dm = catalogue.dm;
    const std::string gparametri = catalogue.names.ex + ".gparametri";

    EXPECT_EQ(dm.izGlobPar("firmeSortPo"), "");
    dm.uGlobPar("firmeSortPo", "id");
    EXPECT_EQ(dm.izGlobPar("firmeSortPo"), "id");
    dm.uGlobPar("firmeSortPo", "naziv");
    EXPECT_EQ(dm.izGlobPar("firmeSortPo"), "naziv");
    dm.uGlobPar("dirArhive", kAwkward);
    EXPECT_EQ(dm.izGlobPar("dirArhive"), kAwkward);

    EXPECT_EQ(dm.sgetParam("KELMA_osnovnaBoja", "system"), "system");
    EXPECT_EQ(dm.izGlobPar("KELMA_osnovnaBoja"), "system") << "created with the default";
    EXPECT_EQ(dm.sgetParam("KELMA_osnovnaBoja", "plava"), "system");

    EXPECT_EQ(catalogue.connection().scalar("select count(*) from " + gparametri).asInt(), 3);
}

TEST(GlobalParameters, PortModeWritesNothing) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    catalogue.dm.uGlobPar("printToTxt", "ne");

    ScriptedPrompt prompt;
    TDM_firma port(prompt, HostArgument::parse("port_" + std::to_string(test::serverParams().port)),
                   db::ConnectionParams{}, catalogue.names);
    ASSERT_TRUE(port.srediKonekciju());
    port.uGlobPar("printToTxt", "da");
    port.uGlobPar("radijeBirajFirmuKucanjemSifre", "da");
    port.uGlobParVL("dodatniAlijasiZaVirmane", "a as b");
    EXPECT_EQ(port.sgetParam("omoguciMinimiziranje", "ne"), "ne");
    EXPECT_EQ(port.izGlobPar("printToTxt"), "ne");
    EXPECT_EQ(catalogue.connection().scalar("select group_concat(id) from " + catalogue.names.ex + ".gparametri")
                  .asString(),
              "printToTxt");

    port.distributer().writeGlobal("idZadnjeRaspakovaneArhive", "42");
    EXPECT_EQ(catalogue.dm.izGlobPar("idZadnjeRaspakovaneArhive"), "42") << "the distributer's own write still works";
}

TEST(GlobalParameters, MultiRowValuesComeBackWholeAndInOrder) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    TDM_firma& dm = catalogue.dm;
    db::Connection& connection = catalogue.connection();
    const std::string gparametri = catalogue.names.ex + ".gparametri";
    // Neighbours that a "like key%" would take, and one that "_" as a wildcard would take.
    for (const char* key : {"al_as", "al_asX", "al_as_1", "alXas0", "al_asy5"}) dm.uGlobPar(key, "susjed");

    const std::string text = wordsOfLength(1150);
    dm.uGlobParVL("al_as", text);
    const db::ResultSet rows = connection.query("select id, value from " + gparametri +
                                                " where id regexp '^al_as[0-9]+$' order by length(id), id");
    ASSERT_GE(rows.size(), 12u) << "rows 10 and 11 come after 9, not after 1";
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows.at(i, 0).asString(), "al_as" + std::to_string(i));
        EXPECT_LE(utf8Length(rows.at(i, 1).asString()), 100u);
    }
    EXPECT_EQ(dm.izGlobParVL("al_as"), text + " ") << "each row followed by one blank";

    dm.uGlobParVL("al_as", "kratko");
    EXPECT_EQ(dm.izGlobParVL("al_as"), "kratko ");
    dm.uGlobParVL("al_as", "");
    EXPECT_EQ(dm.izGlobParVL("al_as"), "");
    EXPECT_EQ(connection.scalar("select count(*) from " + gparametri + " where value='susjed'").asInt(), 5)
        << "rows of other keys stay";

    // Rows break after "." too, and come back joined by blanks: "s.dosnovica" returns as "s. dosnovica".
    dm.uGlobParVL("dodatniAlijasiZaVirmane", std::string(kStandardniAlijasiZaVirmane));
    const std::string aliases = dm.izGlobParVL("dodatniAlijasiZaVirmane");
    EXPECT_NE(aliases.find("sum(s. dosnovica*#ustDON#"), std::string::npos) << aliases;
    EXPECT_EQ(withoutBlanks(aliases), withoutBlanks(kStandardniAlijasiZaVirmane));
    EXPECT_THROW(dm.uGlobParVL(std::string(29, 'k'), text), std::invalid_argument)
        << "the keys of rows 10 and on would not fit into 30 characters";
    EXPECT_NO_THROW(dm.uGlobParVL(std::string(29, 'k'), "kratko"));
}

TEST(GlobalParameters, ListsEveryGlobalKeyWithItsValue) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    catalogue.dm.uGlobPar("konvZnakovaZaDos", "8to7");
    catalogue.dm.uGlobParVL("dodatniAlijasiZaVirmane", "x as y");
    const std::vector<GlobalParameterValue> values = readGlobalParameters(catalogue.dm.distributer());
    auto find = [&](const std::string& key) {
        return std::find_if(values.begin(), values.end(), [&](const GlobalParameterValue& v) { return v.key == key; });
    };
    ASSERT_NE(find("konvZnakovaZaDos"), values.end());
    EXPECT_EQ(find("konvZnakovaZaDos")->value, "8to7");
    EXPECT_TRUE(find("konvZnakovaZaDos")->stored);
    EXPECT_EQ(find("dodatniAlijasiZaVirmane")->value, "x as y ");
    ASSERT_NE(find("vecaRezolucijaEkrana"), values.end());
    EXPECT_FALSE(find("vecaRezolucijaEkrana")->stored);
    EXPECT_EQ(find("vecaRezolucijaEkrana")->defaultValue, "1");
    EXPECT_EQ(find("DefVr_"), values.end()) << "families are no keys of their own";
}

TEST(GlobalParameters, CatalogueKeyValueTableAndOtherDatabases) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    TDM_firma& dm = catalogue.dm;
    EXPECT_EQ(dm.getParamRB("zadnjiBroj"), "");
    EXPECT_EQ(dm.sgetParamRB("zadnjiBroj", "100"), "100");
    const std::string longValue = wordsOfLength(1500);
    EXPECT_TRUE(dm.setParamRB("tekst", longValue));
    EXPECT_EQ(catalogue.connection().scalar("select vr from " + catalogue.names.ex + ".rb where id='tekst'").asString(),
              longValue);

    test::ScratchDatabase other("pr");
    db::Connection connection = other.connect();
    connection.execute(tableDefinition("parametar"));
    dm.distributer().writeIntoDatabase(other.name(), "imeFirme", kAwkward);
    dm.distributer().writeIntoDatabase(other.name(), "imeFirme", "Kelma");
    dm.distributer().setLocalConnection(&connection);
    EXPECT_EQ(dm.distributer().readLocal("imeFirme"), "Kelma");
    EXPECT_THROW(dm.distributer().writeIntoDatabase("x; drop database ex", "k", "v"), std::invalid_argument);
}

TEST(ParameterKeys, HoldEveryDefaultOnce) {
    EXPECT_EQ(parameterDefault("sifraNalogaBlagajne", ParamScope::Local), "2");
    EXPECT_EQ(parameterDefault("sifraNalogaBlagajne", ParamScope::Global), "");
    EXPECT_EQ(parameterDefault("Tarvo_stavke_indexi", ParamScope::Local), "nalogid;rbr;id");
    EXPECT_EQ(parameterDefault("AK_uslovJok_brPraznihSt_kif_tip=1", ParamScope::Local), "0");
    EXPECT_EQ(parameterDefault("VTPpoziv_na_brK", ParamScope::Local), "36");
    ASSERT_NE(findParameterKey("DefVr_dokument", ParamScope::Global), nullptr);
    EXPECT_TRUE(findParameterKey("DefVr_dokument", ParamScope::Global)->family);
    EXPECT_EQ(findParameterKey("nepoznat", ParamScope::Local), nullptr);

    std::set<std::pair<std::string_view, ParamScope>> seen;
    std::vector<std::string_view> tooLong;
    for (const ParameterKey& key : parameterKeys()) {
        EXPECT_TRUE(seen.insert({key.key, key.scope}).second) << key.key;
        if (key.key.size() > 30) tooLong.push_back(key.key);
    }
    // Longer than the key column: the server would store it as "prelazniTransRnPovratSredstava".
    EXPECT_EQ(tooLong, (std::vector<std::string_view>{"prelazniTransRnPovratSredstavaGD"}));
}

TEST(GlobalSettings, ScaleFactorStepsStayWithinOneAndTwo) {
    double factor = 1.0;
    EXPECT_EQ(stepScaleFactor(factor, false), 1.0);
    for (int i = 0; i < 20; ++i) factor = stepScaleFactor(factor, true);
    EXPECT_EQ(factor, 2.0);
    EXPECT_EQ(stepScaleFactor(factor, true), 2.0);
    EXPECT_EQ(stepScaleFactor(1.3, false), 1.25);

    EXPECT_EQ(parseScaleFactor("1,25"), 1.25);
    EXPECT_EQ(parseScaleFactor(" 2 "), 2.0);
    EXPECT_EQ(parseScaleFactor("0"), std::nullopt);
    EXPECT_EQ(parseScaleFactor("2.05"), std::nullopt);
    EXPECT_EQ(parseScaleFactor("veliko"), std::nullopt);
    EXPECT_EQ(parseScaleFactor(""), std::nullopt);

    EXPECT_EQ(colourSchemeIndex("PLAVA"), 2);
    EXPECT_EQ(colourSchemeIndex("system"), 0);
    EXPECT_EQ(colourSchemeIndex("zelena"), 0);
    EXPECT_EQ(colourSchemeValue(1), "siva");
    EXPECT_EQ(colourSchemeValue(0), "system");
}

}  // namespace
