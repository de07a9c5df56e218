#include <gtest/gtest.h>

#include "company_databases.h"
#include "shell/settings/applied_settings.h"
#include "shell/settings/settings_copy.h"
#include "shell/settings/settings_form.h"

using namespace tarvo;
using namespace tarvo::shell;

namespace {

class Settings : public ::testing::Test {
protected:
    test::TestCatalogue catalogue;
    test::CompanyDatabases companies{catalogue, {2024, 2024, 2023}};
    ParameterTable parameters = companies.parameters(0);
    SettingsForm form{parameters};
};

TEST_F(Settings, LoadingCreatesTheMissingKeysWithTheirDefaultsOnce) {
    companies.store(0, "kontoBlagajna", "2051");
    form.load();
    // 35 keys have a creation default; "prelazniTransRnPovratSredstavaGD" is longer than the key column
    // and would land on "prelazniTransRnPovratSredstava", so it only reads as its default.
    EXPECT_EQ(companies.rowCount(0), 34);
    EXPECT_EQ(form.text("prelazniTransRnPovratSredstavaGD"), "da");
    EXPECT_EQ(companies.stored(0, "prelazniTransRnPovratSredstava"), "20093");
    EXPECT_EQ(form.text("kontoBlagajna"), "2051") << "a stored value is kept";
    EXPECT_EQ(companies.stored(0, "kontrolaSaldaKonta"), "DA");
    EXPECT_EQ(companies.stored(0, "aktivaKontoRLike"), "^0|^1|^2|^88");
    EXPECT_EQ(companies.stored(0, "kontaSaldaNula"), "") << "empty defaults are rows too";
    EXPECT_EQ(companies.stored(0, "kontoSintetickiDobavljacGD"), "da");
    EXPECT_EQ(companies.stored(0, "porezNaDobit%"), "<nema>") << "read-only fields stay absent";
    EXPECT_EQ(companies.stored(0, "Tarvo_stavke_indexi"), "<nema>");
    EXPECT_FALSE(form.changed());

    SettingsForm again(parameters);
    again.load();
    EXPECT_EQ(companies.rowCount(0), 34);
}

TEST_F(Settings, SavesOnlyTheChangedFields) {
    form.load();
    form.setText("porezNaDobit%", "12");
    EXPECT_TRUE(form.changed());
    form.setText("porezNaDobit%", "");
    EXPECT_FALSE(form.changed()) << "typing the old value back";

    // Changed behind the window's back: an unchanged field must not overwrite it.
    companies.store(0, "kontoBlagajna", "9999");
    form.setText("porezNaDobit%", "12");
    const SettingsSaveResult result = form.save();
    EXPECT_TRUE(result.ok()) << result.message();
    EXPECT_EQ(result.writtenKeys, std::vector<std::string>{"porezNaDobit%"});
    EXPECT_EQ(companies.stored(0, "porezNaDobit%"), "12");
    EXPECT_EQ(companies.stored(0, "kontoBlagajna"), "9999");
    EXPECT_FALSE(form.changed());
}

TEST_F(Settings, RefusesNumbersThatAreNotAndWritesNothingThen) {
    form.load();
    form.setText("kontoBlagajna", "2052");
    form.setText("sifraNalogaZaIzvode", "6a");
    const SettingsSaveResult result = form.save();
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.message().find("Šifra naloga za izvode"), std::string::npos) << result.message();
    EXPECT_EQ(companies.stored(0, "kontoBlagajna"), "2050");
    EXPECT_TRUE(form.changed("kontoBlagajna"));
}

std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

TEST(SettingsText, ChecksEachKindOfField) {
    struct Case {
        const char* key;
        std::string text;
        bool accepted;
    };
    const Case cases[] = {
        {"sifraNalogaZaIzvode", "6", true},        {"sifraNalogaZaIzvode", " 12 ", true},
        {"sifraNalogaZaIzvode", "6a", false},      {"sifraNalogaZaIzvode", "", false},
        {"virmZaokDec", "1.5", false},             {"kontaFirmaBr", "", true},
        {"kontaFirmaBr", "3", true},               {"kontaFirmaBr", "0", false},
        {"kontaFirmaBr", "-3", false},             {"porezNaDobit%", "10,5", true},
        {"porezNaDobit%", "deset", false},         {"kontoBlagajna", "bilo šta", true},
        {"kontoBlagajna", repeated("č", 100), true}, {"kontoBlagajna", std::string(101, 'x'), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkSettingText(*findSettingsField(c.key), c.text).empty(), c.accepted) << c.key << " " << c.text;
}

TEST_F(Settings, ABadStoredValueFallsBackToTheDefault) {
    companies.store(0, "sifraNalogaZaIzvode", "6a");
    companies.store(0, "virmZaokDec", "");
    companies.store(0, "sifraNalogaZaUlazneFakture", "27");
    companies.store(0, "kontaFirmaBr", "abc");
    TFirma firma = companies.firma(0);
    const AppliedSettings applied = setOstalePar(parameters, firma);
    EXPECT_EQ(applied.sifraNalogaZaIzvode, 6);
    EXPECT_EQ(applied.virmZaokDec, 1);
    EXPECT_EQ(applied.sifraNalogaZaUlazneFakture, 27);
    EXPECT_EQ(applied.kontoPrefix, "");
    ASSERT_EQ(applied.warnings.size(), 3u);
    EXPECT_NE(applied.warnings[0].find("kontaFirmaBr"), std::string::npos);
    EXPECT_NE(applied.warnings[1].find("virmZaokDec"), std::string::npos);
    EXPECT_NE(applied.warnings[2].find("sifraNalogaZaIzvode"), std::string::npos);
}

TEST_F(Settings, AppliesTheOrganisationTypeAndTheBorrowedTables) {
    TFirma firma = companies.firma(0);
    AppliedSettings applied = setOstalePar(parameters, firma);
    EXPECT_EQ(firma.orgTip, "PRED");
    EXPECT_EQ(companies.stored(0, "OrganizacioniTip"), "preduzece");
    EXPECT_EQ(companies.stored(0, "ZOPreduzecaUlazniObrazac"), TFirma::kZoUlazniObrazac) << "filled when empty";
    EXPECT_TRUE(applied.kontrolaSaldaKonta);

    parameters.setParam("OrganizacioniTip", "udruzenje");
    parameters.setParam("ZOUdruzenjaIzlazniObrazac", "c:\\kelma\\zavrsni\\udr.xlsm");
    parameters.setParam("kontaFirmaBr", "3");
    parameters.setParam("partneriFirmaBr", "4");
    parameters.setParam("kontrolaSaldaKonta", "ne");
    applied = setOstalePar(parameters, firma, [](const std::string& database) {
        return database.starts_with("finansije_3_");
    });
    EXPECT_EQ(firma.orgTip, "UDR");
    EXPECT_EQ(firma.zoIzlazniObrazac, "c:\\kelma\\zavrsni\\udr.xlsm");
    EXPECT_EQ(applied.kontoPrefix, "finansije_3_2024.");
    EXPECT_EQ(applied.partnerPrefix, "") << "a company without a database keeps the own partners";
    EXPECT_FALSE(applied.kontrolaSaldaKonta);
    ASSERT_EQ(applied.warnings.size(), 1u);
    EXPECT_NE(applied.warnings[0].find("prodaja_4_2024"), std::string::npos) << applied.warnings[0];
}

class SettingsCopy : public Settings {
protected:
    SettingsCopyContext context() { return {catalogue.connection(), catalogue.names, companies.companies[0].pr, catalogue.prompt}; }
};

TEST_F(SettingsCopy, CtrlSSavesFirstThenCopiesTheStoredRow) {
    form.load();
    form.setText("kontoBlagajna", "2051");
    catalogue.prompt.answers = {true, true};
    const auto result = copySavedSetting(form, "kontoBlagajna", context());
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(catalogue.prompt.questions.front(),
              "Da li želite da ovaj parametar kopirate u tekuće godine svih ostalih firmi?");
    EXPECT_EQ(result->failures(), 0u);
    EXPECT_EQ(companies.stored(0, "kontoBlagajna"), "2051");
    EXPECT_EQ(companies.stored(1, "kontoBlagajna"), "2051");
    EXPECT_EQ(companies.stored(2, "kontoBlagajna"), "2051");
    EXPECT_EQ(companies.stored(1, "kontrolaSaldaKonta"), "<nema>") << "only the one key";
    EXPECT_FALSE(form.changed());
}

TEST_F(SettingsCopy, CtrlSAnsweredNoSavesNothing) {
    form.load();
    form.setText("kontoBlagajna", "2051");
    catalogue.prompt.answers = {false};
    EXPECT_FALSE(copySavedSetting(form, "kontoBlagajna", context()).has_value());
    EXPECT_EQ(companies.stored(0, "kontoBlagajna"), "2050");
    EXPECT_TRUE(form.changed());
}

TEST_F(SettingsCopy, CtrlSOnAReadOnlyFieldNeverSavedIsRefused) {
    form.load();
    companies.store(1, "porezNaDobit%", "17");
    catalogue.prompt.answers = {true, true};
    EXPECT_FALSE(copySavedSetting(form, "porezNaDobit%", context()).has_value());
    EXPECT_EQ(companies.stored(1, "porezNaDobit%"), "17") << "the other companies keep their row";
}

class WriteEverywhere : public ::testing::Test {
protected:
    test::TestCatalogue catalogue;
    test::CompanyDatabases companies{catalogue, {2024, 2023, 2022}, true};
    ParameterTable parameters = companies.parameters(0);
    SettingsForm form{parameters};
};

TEST_F(WriteEverywhere, WritesTheUnsavedValueIntoEveryCompanyAndGoesOnAfterAFailure) {
    form.load();
    form.setText("porezNaDobit%", "15");
    std::vector<std::string> status;
    const SettingsCopyContext context{catalogue.connection(), catalogue.names, companies.companies[0].pr,
                                      catalogue.prompt};
    const CopyToAllResult result = writeSettingIntoAllCompanies(
        form, "porezNaDobit%", "15", context, [&](const std::string& line) { status.push_back(line); });

    EXPECT_EQ(companies.stored(0, "porezNaDobit%"), "15") << "the open company too";
    EXPECT_EQ(companies.stored(1, "porezNaDobit%"), "15");
    EXPECT_EQ(result.failures(), 1u);
    ASSERT_EQ(status.size(), 3u);
    const auto& c = companies.companies;
    EXPECT_EQ(status[0], "FIRMA:" + std::to_string(c[0].id) + " GODINA:2024 BAZA:" + c[0].pr + "...OK!");
    EXPECT_EQ(status[2], "FIRMA:" + std::to_string(c[2].id) + " GODINA:2022 BAZA:" + c[2].pr + "...GREŠKA!");
    ASSERT_FALSE(catalogue.prompt.messages.empty());
    EXPECT_TRUE(catalogue.prompt.messages.back().starts_with("PRENOS PARAMETRA ZAVRŠEN!"));

    EXPECT_EQ(parameters.getParam("porezNaDobit%"), "15") << "the loaded parameters are read again";
    EXPECT_TRUE(form.changed("porezNaDobit%")) << "the window still shows it unsaved";
}

}  // namespace
