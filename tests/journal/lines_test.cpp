// Posting-line entry: numbering, stored defaults, the year check, the balance control, fill and replace.
#include <gtest/gtest.h>

#include "journal_fixture.h"

namespace tarvo::test {
namespace {

class Lines : public JournalFixture {
protected:
    db::ResultSet workingLines(long long id, const std::string& columns) {
        return rows("select " + columns + " from " + work() + ".konnal where nalogid=" + std::to_string(id) +
                    " order by id");
    }
};

TEST_F(Lines, FirstLineAndCarryOver) {
    const long long id = openVoucher(11, {});
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    EXPECT_EQ(entry->mode(), EntryMode::Stavke);
    EXPECT_EQ(entry->controls().focus, EntryFocus::LineDescription);
    EXPECT_EQ(entry->lineValue("rbr").asInt(), 1);
    EXPECT_EQ(entry->lineValue("datum").asString(), "2024-03-15");
    EXPECT_TRUE(entry->lineValue("dokument").asString().empty());
    EXPECT_TRUE(entry->lineValue("opis").asString().empty());
    ASSERT_TRUE(entry->setLineField("dokument", db::Value("UF-12")));
    ASSERT_TRUE(entry->setLineField("opis", db::Value("nabavka")));
    ASSERT_TRUE(entry->setLineField("datum", db::Value("2024-01-20")));
    ASSERT_TRUE(entry->BitBtn2Click().ok());
    EXPECT_FALSE(entry->controls().lineConfirm);
    EXPECT_TRUE(entry->controls().editLine);

    ASSERT_TRUE(entry->BitBtn3Click().ok());
    EXPECT_EQ(entry->lineValue("rbr").asInt(), 2);
    EXPECT_EQ(entry->lineValue("dokument").asString(), "UF-12");
    EXPECT_EQ(entry->lineValue("opis").asString(), "nabavka");
    EXPECT_EQ(entry->lineValue("datum").asString(), "2024-01-20");
    entry->BitBtn7Click();
    EXPECT_EQ(entry->mode(), EntryMode::Laviranje);
    EXPECT_EQ(workingLines(id, "count(*)").at(0, 0).asInt(), 1);
}

// A line without partner, account or amounts is stored with explicit values, also after the partner is
// cleared; every new line gets an empty open-item mark.
TEST_F(Lines, LinesWithoutPartnerOrAccountAreStored) {
    const long long id = openVoucher(11, {});
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    ASSERT_TRUE(entry->BitBtn2Click().ok());
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    ASSERT_TRUE(entry->setLineField("partnerid", db::Value::null()));
    ASSERT_TRUE(entry->setLineField("kontoid", db::Value::null()));
    ASSERT_TRUE(entry->setLineField("duguje", db::Value("")));
    ASSERT_TRUE(entry->BitBtn2Click().ok());
    const db::ResultSet stored = workingLines(id, "partnerid, kontoid, v1, duguje, potrazuje");
    ASSERT_EQ(stored.size(), 2u);
    for (const db::Row& row : stored.rows()) {
        EXPECT_EQ(row[0].asString(), "0");
        EXPECT_EQ(row[1], db::Value(""));
        EXPECT_EQ(row[2], db::Value(""));
        EXPECT_EQ(row[3].asDouble(), 0.0);
        EXPECT_EQ(row[4].asDouble(), 0.0);
    }
    EXPECT_TRUE(entry->Auriraj1Click().ok());
    EXPECT_EQ(count("select count(*) from " + books() + ".konnal where v1='' and partnerid=0 and nalogid=" +
                    std::to_string(id)),
              2);
}

// The next line number is the highest one plus one, whatever the lines' ordering and gaps.
TEST_F(Lines, NextLineNumberIsTheHighestPlusOne) {
    JournalSettings s;
    s.stavkeIndexi = "nalogid;kontoid";
    recreateEntry(s);
    const long long id = openVoucher(11, {{"6000", 0, 1}, {"2000", 1, 0}, {"5201", 2, 0}, {"4320", 0, 2}});
    entry->lines().last();
    EXPECT_EQ(entry->lineValue("kontoid").asString(), "6000");

    entry->lines().locate("kontoid", "5201");
    prompt.answers = {true};
    ASSERT_TRUE(entry->briistavku1Click().ok());
    entry->lines().last();
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    EXPECT_EQ(entry->lineValue("rbr").asInt(), 5);
    ASSERT_TRUE(entry->BitBtn2Click().ok());
    const db::ResultSet numbers = workingLines(id, "rbr");
    std::vector<long long> rbr;
    for (const db::Row& row : numbers.rows()) rbr.push_back(row[0].asInt());
    EXPECT_EQ(rbr, (std::vector<long long>{1, 2, 4, 5}));
}

TEST_F(Lines, AnOrderingWithAnUnknownColumnGivesWayToTheDefault) {
    JournalSettings s;
    s.stavkeIndexi = "nalogid;nema";
    for (const bool reopen : {false, true}) {
        recreateEntry(s);
        if (reopen) {
            working.zatvoriTabele();
            working.MyTable_konnal().setIndexFields(s.stavkeIndexi);
            working.otvoriTabele();
        }
        EXPECT_EQ(working.stavkeIndexi(), "nalogid;rbr;id");
        openVoucher(11, {{"6000", 0, 1}, {"2000", 1, 0}});
        entry->lines().last();
        EXPECT_EQ(entry->lineValue("rbr").asInt(), 2);
        entry->brisiNalog();
    }
}

TEST_F(Lines, YearCheck) {
    struct Case {
        bool check;
        const char* datum;  // nullptr: no date
        bool accepted;
    };
    const std::string refusal = "Datum stavke neprihvatljiv - ne pripada tekućoj poslovnoj godini!";
    openVoucher(11, {});
    for (const Case& c : {Case{true, "2023-12-31", false}, Case{true, nullptr, false}, Case{true, "2024-12-31", true},
                          Case{false, "2023-12-31", true}, Case{false, nullptr, true}}) {
        SCOPED_TRACE(std::string(c.datum ? c.datum : "null") + (c.check ? " check" : " no check"));
        entry->setLineYearCheck(c.check);
        prompt.messages.clear();
        ASSERT_TRUE(entry->BitBtn3Click().ok());
        ASSERT_TRUE(entry->setLineField("datum", c.datum ? db::Value(c.datum) : db::Value::null()));
        const EntryResult result = entry->BitBtn2Click();
        EXPECT_EQ(result.ok(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(entry->mode(), EntryMode::Laviranje);
        } else {
            EXPECT_EQ(prompt.messages, std::vector<std::string>{refusal});
            EXPECT_EQ(entry->mode(), EntryMode::Stavke);
            EXPECT_EQ(entry->lineValue("datum"), c.datum ? db::Value(c.datum) : db::Value::null());
            entry->BitBtn7Click();
        }
    }
    entry->setSettings(settings);
    EXPECT_TRUE(entry->lineYearCheck()) << "loading the settings switches the check on again";
}

TEST_F(Lines, BalanceWarnings) {
    JournalSettings s;
    s.kontaSaldaNula = "2050,20'1";
    s.kontaSaldaPotrazuje = "4320";
    s.kontaSaldaDuguje = "2000";
    postDirectly(1, 11, "1", "", {{"4320", 0, 100}, {"2000", 100, 0}});
    const std::string zero = "UPOZORENJE! Ovaj konto mora imati saldo nula, a sada je saldo=";
    struct Step {
        const char* kontoid;
        double duguje;
        double potrazuje;
        std::vector<std::string> warnings;
    };
    const std::vector<Step> steps = {
        {"2050", 0.1, 0, {zero + "0,1"}},
        {"2050", 0.2, 0, {zero + "0,3"}},
        {"2050", 0, 0.3, {}},  // 0.1 + 0.2 - 0.3 is not exactly 0 in doubles
        {"4320", 60, 0, {}},
        {"4320", 40.5, 0, {"UPOZORENJE! Ovaj konto ne smije imati dugovni(pozitivan) saldo, a sada je saldo=0,5"}},
        {"2000", 0, 130.25, {"UPOZORENJE! Ovaj konto ne smije imati potražni(negativan) saldo, a sada je saldo=-30,25"}},
        {"20501", 5, 0, {}},
        {"20'1", 10, 0, {zero + "10"}},
    };
    recreateEntry(s);
    openVoucher(11, {});
    for (const Step& step : steps) {
        SCOPED_TRACE(step.kontoid);
        prompt.messages.clear();
        const EntryResult result = entry->addLine(lineOf(step.kontoid, step.duguje, step.potrazuje));
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(prompt.messages, step.warnings);
    }

    s.kontrolaSaldaKonta = false;
    entry->setSettings(s);
    prompt.messages.clear();
    ASSERT_TRUE(entry->addLine(lineOf("2050", 1, 0)).ok());
    EXPECT_TRUE(prompt.messages.empty());
}

// The posted copy of the voucher being corrected does not count: its working copy stands for it.
TEST_F(Lines, BalanceOfACorrectedVoucherCountsItsWorkingCopyOnly) {
    JournalSettings s;
    s.kontaSaldaNula = "2050";
    recreateEntry(s);
    postDirectly(5, 11, "1", "1", {{"2050", 100, 0}, {"2000", 0, 100}});
    ASSERT_TRUE(entry->Ispravi1Click([] { return std::optional<long long>(5); }).ok());
    ASSERT_TRUE(entry->BitBtn4Click().ok());
    prompt.messages.clear();
    ASSERT_TRUE(entry->addLine(lineOf("2050", 0, 100)).ok());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Lines, CopyOfThePreviousAmount) {
    const long long id = openVoucher(11, {});
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    ASSERT_TRUE(entry->kopirajiznosprethodnestavkesapotranestrane1Click(false).ok());
    EXPECT_EQ(entry->lineValue("potrazuje").asDouble(), 0.0);
    entry->BitBtn7Click();
    ASSERT_TRUE(entry->addLine(lineOf("2000", 12.5, 0)).ok());
    ASSERT_TRUE(entry->addLine(lineOf("6000", 0, 7.25)).ok());
    // Another voucher's later line is not "the previous line".
    fin.execute("insert into " + work() + ".konnal (nalogid,rbr,kontoid,partnerid,duguje,potrazuje,v1) values (" +
                std::to_string(id + 1) + ",1,'2000',0,999,999,'')");
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    ASSERT_TRUE(entry->kopirajiznosprethodnestavkesapotranestrane1Click(true).ok());
    EXPECT_EQ(entry->lineValue("duguje").asDouble(), 7.25);
    ASSERT_TRUE(entry->kopirajiznosprethodnestavkesadugovnestrane1Click(false).ok());
    EXPECT_EQ(entry->lineValue("potrazuje").asDouble(), 0.0);
}

class FillAndReplace : public Lines {
protected:
    // Voucher A is open in the entry; voucher B of another company lies in the same working copy.
    void SetUp() override {
        fin.execute("insert into " + work() + ".nalog (id,vnalid,ukdug,ukpot) values (9000,11,300,0)");
        fin.execute("insert into " + work() + ".konnal (nalogid,rbr,opis,kontoid,partnerid,duguje,potrazuje,v1) values "
                    "(9000,1,'tuđe','5201',0,100,0,''),(9000,2,'tuđe','2000',0,200,0,'')");
        a = openVoucher(11, {{"5201", 100, 0}, {"2000", 100, 0}, {"5201", 100, 0}, {"6000", 0, 300}});
        entry->lines().first();
    }
    db::ResultSet otherVoucher() {
        return rows("select rbr,opis,kontoid,duguje,fpogidokid from " + work() + ".konnal where nalogid=9000 order by id");
    }
    long long a = 0;
};

TEST_F(FillAndReplace, FillChangesEveryLineOfTheVoucherOnly) {
    const db::ResultSet before = otherVoucher();
    std::optional<TFFillAndReplace> dialog = entry->popuniilizamijenivrijednostukoloni1Click("opis");
    ASSERT_TRUE(dialog);
    dialog->FormActivate(kToday);
    EXPECT_EQ(dialog->groupCaption(), "TEKST");
    EXPECT_EQ(dialog->conditionColumn(), "kontoid");
    dialog->setMode(TFFillAndReplace::Mode::Fill);
    EXPECT_EQ(dialog->replaceLabel(), "popuni sa");
    EXPECT_FALSE(dialog->findEnabled());
    dialog->setReplaceText("zajedničko");

    EXPECT_EQ(dialog->izvrsiPromjenu(), 4u);

    EXPECT_EQ(count("select count(*) from " + work() + ".konnal where nalogid=" + std::to_string(a) +
                    " and opis='zajedničko'"),
              4);
    EXPECT_EQ(otherVoucher().rows(), before.rows());
    EXPECT_EQ(entry->lineValue("opis").asString(), "zajedničko");
}

TEST_F(FillAndReplace, ReplaceWithTheSpecialConditionAndRecomputedTotals) {
    std::optional<TFFillAndReplace> dialog = entry->popuniilizamijenivrijednostukoloni1Click("duguje");
    ASSERT_TRUE(dialog);
    dialog->FormActivate(kToday);
    EXPECT_EQ(dialog->groupCaption(), "DECIMALNI BROJ");
    EXPECT_EQ(dialog->findText(), "100");
    EXPECT_EQ(dialog->findLabel(), "traži");
    EXPECT_EQ(dialog->replaceLabel(), "zamijeni sa");
    dialog->setConditionValue("5201");
    dialog->setReplaceText("150,5");

    EXPECT_EQ(dialog->izvrsiPromjenu(), 2u);

    EXPECT_EQ(count("select count(*) from " + work() + ".konnal where nalogid=" + std::to_string(a) +
                    " and duguje=150.5"),
              2);
    EXPECT_EQ(count("select count(*) from " + work() + ".konnal where nalogid=9000 and duguje=150.5"), 0);
    EXPECT_EQ(entry->ukdugText(), "401,00");
    EXPECT_DOUBLE_EQ(entry->setSaldoNaloga(), 101);
    EXPECT_DOUBLE_EQ(rows("select ukdug from " + work() + ".nalog where id=9000").at(0, 0).asDouble(), 300);
}

TEST_F(FillAndReplace, ReplaceANullValue) {
    std::optional<TFFillAndReplace> dialog = entry->popuniilizamijenivrijednostukoloni1Click("fpogidokid");
    ASSERT_TRUE(dialog);
    dialog->FormActivate(kToday);
    EXPECT_EQ(dialog->groupCaption(), "CIJELI BROJ");
    EXPECT_FALSE(dialog->findVisible());
    EXPECT_EQ(dialog->findLabel(), "traži NULL vrijednost");
    EXPECT_EQ(dialog->replaceText(), "0");
    dialog->setReplaceText("3");
    EXPECT_EQ(dialog->izvrsiPromjenu(), 4u);
    EXPECT_EQ(count("select count(*) from " + work() + ".konnal where fpogidokid=3"), 4);

    dialog->setReplaceText("x");
    EXPECT_FALSE(dialog->izvrsiPromjenu());
    EXPECT_EQ(prompt.messages.back(), "Neispravna vrijednost \"x\" za kolonu fpogidokid!");
}

TEST_F(FillAndReplace, DateColumnStartsFromToday) {
    fin.execute("update " + work() + ".konnal set datum=null where nalogid=" + std::to_string(a));
    reloadLines();
    std::optional<TFFillAndReplace> dialog = entry->popuniilizamijenivrijednostukoloni1Click("datum");
    ASSERT_TRUE(dialog);
    dialog->FormActivate(kToday);
    EXPECT_EQ(dialog->groupCaption(), "DATUM");
    EXPECT_EQ(dialog->replaceText(), "15.03.2024");
    EXPECT_EQ(dialog->izvrsiPromjenu(), 4u);
    EXPECT_EQ(count("select count(*) from " + work() + ".konnal where datum='2024-03-15' and nalogid=" +
                    std::to_string(a)),
              4);
}

TEST_F(FillAndReplace, KeysAndLookupColumnsAreRefused) {
    for (const char* column : {"id", "nalogid", "nazivKonta", "nazivPartnera", "partnerid2", "nema"}) {
        SCOPED_TRACE(column);
        prompt.messages.clear();
        EXPECT_FALSE(entry->popuniilizamijenivrijednostukoloni1Click(column));
        EXPECT_EQ(prompt.messages, std::vector<std::string>{"Pomoćne kolone ne možete mijenjati ovom opcijom!"});
    }
}

}  // namespace
}  // namespace tarvo::test
