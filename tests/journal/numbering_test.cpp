// The numbers the entry assigns: internal voucher numbers, cash-journal and cash-document numbers.
#include <gtest/gtest.h>

#include "journal_fixture.h"

namespace tarvo::test {
namespace {

class Numbering : public JournalFixture {
protected:
    // Starts a new voucher of the type and leaves the type box; the header stays in input.
    void newVoucherOfType(long long vnalid) {
        ASSERT_TRUE(entry->Novi1Click().ok());
        ASSERT_TRUE(entry->setHeaderField("vnalid", db::Value(std::to_string(vnalid))));
        ASSERT_TRUE(entry->DBLookupComboBox1Exit().ok());
    }
    void workingCashLine(long long nalogid, const std::string& dokument) {
        fin.execute("insert into " + work() + ".nalog (id,vnalid) values (" + std::to_string(nalogid) +
                    ",2) on duplicate key update vnalid=2");
        fin.execute("insert into " + work() + ".konnal (nalogid,rbr,dokument,kontoid,partnerid,v1) values (" +
                    std::to_string(nalogid) + ",1,'" + dokument + "','2050',0,'')");
    }
};

TEST_F(Numbering, InternalVoucherNumber) {
    struct Posted {
        long long vnalid;
        const char* oznaka;
    };
    struct Case {
        const char* name;
        std::vector<Posted> books;
        bool perType;
        bool withYear;
        Date today;
        long long vnalid;
        const char* expected;
    };
    const Date y2005{std::chrono::year(2005), std::chrono::month(1), std::chrono::day(3)};
    const std::vector<Posted> mixed = {{11, "7/24"}, {11, "abc"}, {6, "3"}, {6, "12x/23"}, {2, " 4 /24"}};
    const std::vector<Case> cases = {
        {"empty books", {}, false, false, kToday, 11, "1"},
        {"empty books with year", {}, false, true, kToday, 11, "1/24"},
        {"one sequence", mixed, false, false, kToday, 11, "13"},
        {"per type", mixed, true, false, kToday, 11, "8"},
        {"per type, digits before junk", mixed, true, false, kToday, 6, "13"},
        {"per type, blanks trimmed", mixed, true, false, kToday, 2, "5"},
        {"per type, type without vouchers", mixed, true, false, kToday, 1, "1"},
        {"year of today, one digit", {{11, "7/24"}}, false, true, y2005, 11, "8/ 5"},
        {"only junk", {{11, "abc"}, {11, "/24"}}, false, false, kToday, 11, "1"},
    };
    long long id = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fin.execute("delete from nalog");
        for (const Posted& p : c.books) postDirectly(++id, p.vnalid, p.oznaka, "", {});
        JournalSettings s;
        s.brNalZavisiOdVrNal = c.perType;
        s.brNalogaKrozGodina = c.withYear;
        recreateEntry(s);
        const Date today = c.today;
        entry->setToday([today] { return today; });
        newVoucherOfType(c.vnalid);
        EXPECT_EQ(entry->headerValue("oznaka").asString(), c.expected);
        entry->BitBtn8Click();
    }
}

TEST_F(Numbering, InternalNumberIgnoresVouchersInPreparationAndKeepsATypedOne) {
    postDirectly(1, 11, "7", "", {});
    fin.execute("insert into " + work() + ".nalog (id,vnalid,oznaka) values (50,11,'40')");
    newVoucherOfType(11);
    EXPECT_EQ(entry->headerValue("oznaka").asString(), "8");

    ASSERT_TRUE(entry->setHeaderField("oznaka", db::Value("99")));
    ASSERT_TRUE(entry->DBLookupComboBox1Exit().ok());
    EXPECT_EQ(entry->headerValue("oznaka").asString(), "99");
    ASSERT_TRUE(entry->DajNoviInterniBroj(true).ok());
    EXPECT_EQ(entry->headerValue("oznaka").asString(), "8");
}

TEST_F(Numbering, CashJournalNumber) {
    postDirectly(1, 2, "1", "3/2024", {});
    postDirectly(2, 2, "2", "12", {});
    postDirectly(3, 11, "3", "99", {});
    newVoucherOfType(2);
    EXPECT_TRUE(entry->isCashVoucher());
    EXPECT_EQ(entry->descriptionLabel(), "Dnevnik blagajne br.");
    EXPECT_EQ(entry->descriptionWidth(), 424);
    EXPECT_EQ(entry->headerValue("opis").asString(), "13");
    entry->BitBtn8Click();

    newVoucherOfType(11);
    EXPECT_FALSE(entry->isCashVoucher());
    EXPECT_EQ(entry->descriptionLabel(), "Opis");
    EXPECT_EQ(entry->descriptionWidth(), 524);
    EXPECT_TRUE(entry->headerValue("opis").asString().empty());
    entry->BitBtn8Click();

    fin.execute("delete from nalog");
    newVoucherOfType(2);
    EXPECT_EQ(entry->headerValue("opis").asString(), "1");
}

// Cash documents are numbered across the posted cash vouchers and those in preparation; a new number
// starts when the voucher is balanced.
TEST_F(Numbering, CashDocumentNumbers) {
    postDirectly(1, 2, "1", "1", {{"2050", 10, 0, "5"}, {"2000", 0, 10, "7"}});
    postDirectly(2, 11, "1", "", {{"2000", 10, 0, "100"}, {"6000", 0, 10, "100"}});
    workingCashLine(700, "9");
    const std::string next = "Naredni broj temeljnice upisan u dokument br.";

    openVoucher(2, {});
    prompt.messages.clear();
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    EXPECT_EQ(entry->lineValue("dokument").asString(), "10");
    EXPECT_EQ(prompt.messages, std::vector<std::string>{next});
    ASSERT_TRUE(entry->setLineField("kontoid", db::Value("2050")));
    ASSERT_TRUE(entry->setLineField("duguje", db::Value("100")));
    ASSERT_TRUE(entry->BitBtn2Click().ok());

    prompt.messages.clear();
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    EXPECT_EQ(entry->lineValue("dokument").asString(), "10") << "an unbalanced document keeps its number";
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_TRUE(entry->setLineField("kontoid", db::Value("6000")));
    ASSERT_TRUE(entry->setLineField("potrazuje", db::Value("100")));
    ASSERT_TRUE(entry->BitBtn2Click().ok());

    ASSERT_TRUE(entry->BitBtn3Click().ok());
    EXPECT_EQ(entry->lineValue("dokument").asString(), "11");
    entry->BitBtn7Click();

    entry->setSkipCashDocNumbering(true);
    prompt.messages.clear();
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    EXPECT_EQ(entry->lineValue("dokument").asString(), "10");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Numbering, NonCashVouchersGetNoCashDocumentNumber) {
    openVoucher(11, {});
    prompt.messages.clear();
    ASSERT_TRUE(entry->BitBtn3Click().ok());
    EXPECT_TRUE(entry->lineValue("dokument").asString().empty());
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace tarvo::test
