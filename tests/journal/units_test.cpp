// Pieces of the voucher entry that need no database.
#include <map>

#include <gtest/gtest.h>

#include "journal/balance_control.h"
#include "journal/entry_mode.h"
#include "journal/field_values.h"
#include "journal/journal_settings.h"
#include "journal/voucher_numbers.h"

namespace tarvo {
namespace {

ParameterReader readerOf(std::map<std::string, std::string> stored) {
    return [stored](const std::string& key, const std::string& defaultValue) {
        auto found = stored.find(key);
        return found == stored.end() ? defaultValue : found->second;
    };
}

TEST(JournalSettings, DefaultsComeFromTheKeyIndex) {
    const JournalSettings s = readJournalSettings(readerOf({}), readerOf({}));
    EXPECT_EQ(s.sifraNalogaBlagajne, "2");
    EXPECT_TRUE(s.kontrolaSaldaKonta);
    EXPECT_FALSE(s.brNalZavisiOdVrNal);
    EXPECT_FALSE(s.brNalogaKrozGodina);
    EXPECT_EQ(s.stavkeIndexi, "nalogid;rbr;id");
    EXPECT_FALSE(s.nalogKoristiID2);
}

TEST(JournalSettings, YesValuesAreCaseInsensitive) {
    const JournalSettings s = readJournalSettings(
        readerOf({{"brNalZavisiOdVrNal", "DA"}, {"brNalogaKrozGodina", "Da"}, {"kontrolaSaldaKonta", "ne"},
                  {"sifraNalogaBlagajne", "7"}, {"kontaSaldaNula", "2050,4320"}, {"Tarvo_stavke_indexi", ""}}),
        readerOf({{"nalogKoristiID2", "da"}, {"partnerKoristiID2", "yes"}}));
    EXPECT_TRUE(s.brNalZavisiOdVrNal);
    EXPECT_TRUE(s.brNalogaKrozGodina);
    EXPECT_FALSE(s.kontrolaSaldaKonta);
    EXPECT_EQ(s.sifraNalogaBlagajne, "7");
    EXPECT_EQ(s.kontaSaldaNula, "2050,4320");
    EXPECT_EQ(s.stavkeIndexi, "nalogid;rbr;id");
    EXPECT_TRUE(s.nalogKoristiID2);
    EXPECT_FALSE(s.partnerKoristiID2);
}

TEST(JournalNumbers, InternalNumberText) {
    const Date d2024{std::chrono::year(2024), std::chrono::month(5), std::chrono::day(1)};
    const Date d2005{std::chrono::year(2005), std::chrono::month(5), std::chrono::day(1)};
    EXPECT_EQ(internalNumberText(8, false, d2024), "8");
    EXPECT_EQ(internalNumberText(8, true, d2024), "8/24");
    EXPECT_EQ(internalNumberText(12, true, d2005), "12/ 5");
}

TEST(JournalFieldValues, Texts) {
    struct Case {
        double value;
        const char* general;
        const char* display;
    };
    for (const Case& c : {Case{100.5, "100,5", "100,50"}, Case{-20, "-20", "-20,00"}, Case{0, "0", ",00"},
                          Case{0.1 + 0.2 - 0.3, "0", ",00"}, Case{-0.5, "-0,5", "-,50"}, Case{1234.567, "1234,57", "1234,57"}}) {
        EXPECT_EQ(generalNumberText(c.value), c.general) << c.value;
        EXPECT_EQ(amountDisplayText(c.value), c.display) << c.value;
    }
    EXPECT_EQ(parseSqlDate("2024-02-29"), (Date{std::chrono::year(2024), std::chrono::month(2), std::chrono::day(29)}));
    EXPECT_FALSE(parseSqlDate("0000-00-00"));
    EXPECT_FALSE(parseSqlDate("29.02.2024"));
    EXPECT_EQ(parseWholeNumber(" 12 "), 12);
    EXPECT_FALSE(parseWholeNumber("1.5"));
    EXPECT_FALSE(parseWholeNumber(""));
}

TEST(JournalBalanceControl, ListsHoldWholeCodesOnly) {
    EXPECT_TRUE(accountInList("2050", "2050"));
    EXPECT_TRUE(accountInList("4320", "2050,4320,5201"));
    EXPECT_FALSE(accountInList("205", "2050"));
    EXPECT_FALSE(accountInList("20500", "2050"));
    EXPECT_FALSE(accountInList("4320", "2050, 4320"));
    EXPECT_FALSE(accountInList("2050", ""));
}

TEST(JournalBalanceControl, WarningsTestWholeCents) {
    JournalSettings s;
    s.kontaSaldaNula = "2050";
    s.kontaSaldaPotrazuje = "4320,2050";
    s.kontaSaldaDuguje = "2000";
    struct Case {
        const char* code;
        double balance;
        std::vector<std::string> warnings;
    };
    const std::string zero = "UPOZORENJE! Ovaj konto mora imati saldo nula, a sada je saldo=";
    const std::string noDebit = "UPOZORENJE! Ovaj konto ne smije imati dugovni(pozitivan) saldo, a sada je saldo=";
    const std::string noCredit = "UPOZORENJE! Ovaj konto ne smije imati potražni(negativan) saldo, a sada je saldo=";
    const std::vector<Case> cases = {
        {"2050", 0.1 + 0.2 - 0.3, {}},
        {"2050", 0.004, {}},
        {"2050", 12.5, {zero + "12,5", noDebit + "12,5"}},
        {"2050", -3, {zero + "-3"}},
        {"4320", -1e-12, {}},
        {"4320", 0.01, {noDebit + "0,01"}},
        {"2000", -30.5, {noCredit + "-30,5"}},
        {"2000", 30.5, {}},
        {"5201", -100, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(accountBalanceWarnings(c.code, c.balance, s), c.warnings) << c.code << " " << c.balance;
}

TEST(JournalModes, TextsAndControls) {
    EXPECT_EQ(entryModeFromText("laviranje"), EntryMode::Laviranje);
    EXPECT_EQ(entryModeFromText("ništa"), EntryMode::Nista);
    EXPECT_EQ(entryModeFromText("bilo šta"), EntryMode::Nista);
    EXPECT_EQ(entryModeText(EntryMode::Nista), "ništa");
    // "ispravi stavku" follows the voucher's lines; the type box follows "nalogKoristiID2".
    EXPECT_FALSE(entryControls(EntryMode::Laviranje, false, false).editLine);
    EXPECT_TRUE(entryControls(EntryMode::Laviranje, true, false).editLine);
    EXPECT_EQ(entryControls(EntryMode::NoviDokument, false, true).focus, EntryFocus::VoucherTypeId2);
    EXPECT_EQ(entryControls(EntryMode::Dokument, false, false).focus, EntryFocus::VoucherType);
}

}  // namespace
}  // namespace tarvo
