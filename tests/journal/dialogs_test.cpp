// The search dialog and the pick list of posted vouchers.
#include <gtest/gtest.h>

#include "journal_fixture.h"

namespace tarvo::test {
namespace {

class Search : public JournalFixture {
protected:
    void SetUp() override {
        fin.execute("insert into " + prDb.name() + ".partner (id, naziv, id2, mjesto) values "
                    "(10,'A.B','AB1','Mostar'),(11,'AxB','AB2','Tuzla'),(12,'(x) d.o.o.','X1','Zenica'),"
                    "(13,'Mirko [M]','M1',null),(14,'C\\\\D','C1','Bihać'),(15,' razmak','R1','Goražde')");
    }
    std::vector<std::string> names(TFPretraga& search) {
        std::vector<std::string> found;
        for (size_t row = 0; search.choose(row); ++row) found.push_back(search.naziv());
        return found;
    }
};

TEST_F(Search, TypedTextIsFoundLiterally) {
    struct Case {
        std::string text;
        int attribute;
        int mode;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"A.B", 2, TFPretraga::BiloGdje, {"A.B"}},
        {"(x", 2, TFPretraga::BiloGdje, {"(x) d.o.o."}},
        {"[m]", 2, TFPretraga::BiloGdje, {"Mirko [M]"}},
        {"C\\D", 2, TFPretraga::PocinjeSa, {"C\\D"}},
        {"a", 2, TFPretraga::PocinjeSa, {"A.B", "Alfa d.o.o.", "AxB"}},
        {"b", 2, TFPretraga::BiloGdje, {"A.B", "AxB", "Beta"}},
        {"d.o.o.", 2, TFPretraga::PocinjeSa, {}},
        {"", 2, TFPretraga::PocinjeSa, {" razmak"}},
        {"AB", 1, TFPretraga::PocinjeSa, {"A.B", "AxB"}},
        {"", 1, TFPretraga::PocinjeSa, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        TFPretraga search = entry->traziPartnera(c.text, c.attribute, c.mode);
        search.FormActivate();
        EXPECT_EQ(names(search), c.expected);
        EXPECT_EQ(search.resultsVisible(), !c.expected.empty());
    }
}

TEST_F(Search, ResultLinesAndChoice) {
    TFPretraga search = entry->traziPartnera("A.", 2, TFPretraga::PocinjeSa);
    EXPECT_EQ(search.captions(), (std::vector<std::string>{"Šifra (ID)", "Šifra (ID2)", "Naziv", "Poreski broj",
                                                          "Identifikacioni broj"}));
    search.FormActivate();
    ASSERT_EQ(search.resultLines().size(), 1u);
    EXPECT_EQ(search.resultLines()[0], "10;AB1;A.B;;;Mostar");
    ASSERT_TRUE(search.choose(0));
    EXPECT_EQ(search.id(), "10");
    EXPECT_FALSE(search.choose(1));

    search.setSearchText("*");
    EXPECT_EQ(search.resultLines().size(), 1u) << "\"*\" alone does not search";
    search.setSearchText("Mirko");
    ASSERT_EQ(search.resultLines().size(), 1u);
    EXPECT_EQ(search.resultLines()[0], "13;M1;Mirko [M];;;");
}

TEST_F(Search, ChartOfAccountsByCode) {
    TFPretraga search = entry->traikonto1Click();
    search.setSearchText("20");
    EXPECT_EQ(names(search), (std::vector<std::string>{"Žiro račun", "Blagajna"}));
    EXPECT_EQ(search.id(), "2050");
    search.setAttribute(1);
    EXPECT_TRUE(search.resultLines().empty());
}

TEST_F(Search, AFailingStatementKeepsThePreviousResult) {
    TFPretraga search;
    search.setPartner(fin, prDb.name() + ".partner", 2, TFPretraga::PocinjeSa);
    search.setSearchText("Beta");
    ASSERT_EQ(search.resultLines().size(), 1u);
    fin.execute("drop table " + prDb.name() + ".partner");
    search.setSearchText("Alfa");
    EXPECT_EQ(search.resultLines(), std::vector<std::string>{"2;B2;Beta;;;"});
    EXPECT_THROW(search.setPartner(fin, "partner; drop table x", 0, 0), std::invalid_argument);
}

class Picker : public JournalFixture {
protected:
    void SetUp() override {
        postDirectly(21, 11, "1", "fakture januar", {{"2000", 1, 0}, {"6000", 0, 1}});
        postDirectly(22, 6, "2", "izvod 1", {{"2000", 2, 0}, {"4320", 0, 2}});
        postDirectly(23, 6, "3", "izvod 2", {{"2000", 3, 0}, {"4320", 0, 3}});
        fin.execute("update nalog set datum='2024-01-05' where id=21");
        fin.execute("update nalog set datum='2024-03-01' where id=22");
        fin.execute("update nalog set datum='2024-03-02' where id=23");
    }
    std::vector<long long> ids(const TForm8& picker) {
        std::vector<long long> found;
        for (size_t row = 0; row < picker.rows().size(); ++row) found.push_back(picker.rows().at(row, "id").asInt());
        return found;
    }
};

TEST_F(Picker, NewestFirstAndFilteredByTypeId) {
    TForm8 picker = entry->voucherPicker();
    picker.FormActivate();
    EXPECT_EQ(ids(picker), (std::vector<long long>{23, 22, 21}));
    EXPECT_EQ(picker.rows().at(0, "vrstaNaloga").asString(), "izvodi");
    EXPECT_EQ(picker.selectedRow(), 0u);

    // Two types may share a name; the filter goes by the type's id.
    fin.execute("update vrstanal set opis='izvodi' where id=11");
    picker.setIzdvoji(true, 6);
    EXPECT_EQ(picker.uslov(), "d.vnalid=6");
    EXPECT_EQ(ids(picker), (std::vector<long long>{23, 22}));
    picker.setIzdvoji(false, 6);
    EXPECT_EQ(ids(picker), (std::vector<long long>{23, 22, 21}));
}

TEST_F(Picker, ReturnsAVoucherOnlyWithAChosenRow) {
    TForm8 picker = entry->voucherPicker();
    picker.FormActivate();
    picker.setIzdvoji(true, 2);
    EXPECT_TRUE(picker.rows().empty());
    EXPECT_FALSE(picker.selectedRow());
    EXPECT_FALSE(picker.accept());
    EXPECT_FALSE(picker.chosenId());

    picker.setIzdvoji(false, std::nullopt);
    picker.selectRow(7);
    EXPECT_FALSE(picker.accept());
    picker.selectRow(1);
    EXPECT_EQ(picker.accept(), 22);
    picker.cancel();
    EXPECT_FALSE(picker.chosenId());
}

TEST_F(Picker, CorrectionOpensExactlyThePickedVoucher) {
    const EntryResult result = entry->Ispravi1Click([this] {
        TForm8 picker = entry->voucherPicker();
        picker.FormActivate();
        picker.setIzdvoji(true, 6);
        picker.selectRow(1);
        return picker.accept();
    });
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(entry->voucherId(), 22);
    EXPECT_EQ(entry->headerValue("id").asInt(), 22);
    EXPECT_EQ(entry->headerValue("opis").asString(), "izvod 1");
    EXPECT_EQ(entry->headerValue("nazivVrsteNaloga").asString(), "izvodi");
    ASSERT_EQ(entry->lines().recordCount(), 2u);
    EXPECT_EQ(entry->lines().asString("nazivKonta"), "Žiro račun");
    EXPECT_EQ(count("select count(*) from " + work() + ".nalog"), 1);
}

}  // namespace
}  // namespace tarvo::test
