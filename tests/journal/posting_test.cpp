// Posting, correction and deleting of vouchers between the working copy and the books.
#include <gtest/gtest.h>

#include "journal_fixture.h"

namespace tarvo::test {
namespace {

constexpr const char* kLineColumns =
    "nalogid,rbr,dokument,datum,opis,kontoid,partnerid,duguje,potrazuje,fpogidokid,idokid,v1,v2,v3";
constexpr const char* kUnbalanced = "Nalog nije u ravnoteži! Ažuriranje nije dopušteno";

class Posting : public JournalFixture {
protected:
    db::ResultSet headerIn(const std::string& database, long long id) {
        return rows("select id,vnalid,oznaka,opis,datum,ukdug,ukpot from " + database + ".nalog where id=" +
                    std::to_string(id));
    }
    db::ResultSet linesIn(const std::string& database, long long id) {
        return rows(std::string("select ") + kLineColumns + " from " + database + ".konnal where nalogid=" +
                    std::to_string(id) + " order by id");
    }
    EntryResult correct(long long id) {
        return entry->Ispravi1Click([id] { return std::optional<long long>(id); });
    }
};

TEST_F(Posting, BalancedVoucherMovesWholeIntoTheBooks) {
    postDirectly(3, 6, "1", "drugi", {{"2000", 10, 0}, {"6000", 0, 10}});
    NewVoucher voucher{11, kToday, "fakture mart", std::nullopt};
    ASSERT_TRUE(entry->startVoucher(voucher).ok());
    LineInput first = lineOf("2000", 100, 0);
    first.partnerid = 2;
    first.dokument = "F-1/24";
    first.fpogidokid = 4;
    first.idokid = 77;
    first.v2 = "ab";
    first.v3 = "xyz";
    ASSERT_TRUE(entry->addLine(first).ok());
    ASSERT_TRUE(entry->addLine(lineOf("6000", 0, 60.25)).ok());
    ASSERT_TRUE(entry->addLine(lineOf("6000", 0, 39.75)).ok());
    const long long id = *entry->voucherId();
    const db::ResultSet header = headerIn(work(), id);
    const db::ResultSet lines = linesIn(work(), id);
    ASSERT_EQ(lines.size(), 3u);

    const EntryResult posted = entry->Auriraj1Click();

    ASSERT_TRUE(posted.ok()) << posted.message;
    EXPECT_EQ(entry->mode(), EntryMode::Nista);
    EXPECT_FALSE(entry->isVoucherOpen());
    EXPECT_EQ(headerIn(books(), id).rows(), header.rows());
    EXPECT_EQ(headerIn(books(), id).at(0, "ukdug").asDouble(), 100.0);
    EXPECT_EQ(linesIn(books(), id).rows(), lines.rows());
    EXPECT_EQ(count("select count(*) from " + work() + ".nalog where id=" + std::to_string(id)), 0);
    EXPECT_EQ(count("select count(*) from " + work() + ".konnal where nalogid=" + std::to_string(id)), 0);
    EXPECT_EQ(count("select count(*) from " + books() + ".konnal where nalogid=3"), 2);
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(Posting, CorrectionReplacesThePostedVoucher) {
    postDirectly(5, 11, "3", "faktura", {{"2000", 100, 0}, {"6000", 0, 100}});
    const long long oldLineIds = count("select max(id) from " + books() + ".konnal where nalogid=5");

    ASSERT_TRUE(correct(5).ok());
    EXPECT_EQ(entry->mode(), EntryMode::Dokument);
    EXPECT_EQ(entry->title(), "ISPRAVKA NALOGA ZA KNJIŽENJE");
    EXPECT_EQ(entry->voucherId(), 5);
    EXPECT_EQ(entry->lines().recordCount(), 2u);
    ASSERT_TRUE(entry->setHeaderField("opis", db::Value("faktura ispravljena")));
    ASSERT_TRUE(entry->BitBtn4Click().ok());
    entry->lines().first();
    ASSERT_TRUE(entry->BitBtn6Click().ok());
    ASSERT_TRUE(entry->setLineField("duguje", db::Value("150")));
    ASSERT_TRUE(entry->BitBtn2Click().ok());
    ASSERT_TRUE(entry->addLine(lineOf("6000", 0, 50)).ok());
    ASSERT_TRUE(entry->Auriraj1Click().ok());

    EXPECT_EQ(count("select count(*) from " + books() + ".nalog where id=5"), 1);
    const db::ResultSet header = headerIn(books(), 5);
    EXPECT_EQ(header.at(0, "opis").asString(), "faktura ispravljena");
    EXPECT_EQ(header.at(0, "ukdug").asDouble(), 150.0);
    EXPECT_EQ(header.at(0, "ukpot").asDouble(), 150.0);
    const db::ResultSet lines = linesIn(books(), 5);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines.at(0, "duguje").asDouble(), 150.0);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(lines.at(i, "rbr").asInt(), static_cast<long long>(i + 1));
    EXPECT_GT(count("select min(id) from " + books() + ".konnal where nalogid=5"), oldLineIds);
}

// An interrupted correction is continued from the working copy on Yes and started over on No.
TEST_F(Posting, CorrectionOfAVoucherStillInTheWorkingCopy) {
    for (const bool continueIt : {true, false}) {
        SCOPED_TRACE(continueIt);
        fin.execute("delete from nalog; delete from konnal; delete from " + work() + ".nalog; delete from " + work() +
                    ".konnal");
        recreateEntry(settings);
        postDirectly(5, 11, "3", "faktura", {{"2000", 100, 0}, {"6000", 0, 100}});
        ASSERT_TRUE(correct(5).ok());
        ASSERT_TRUE(entry->BitBtn4Click().ok());
        ASSERT_TRUE(entry->addLine(lineOf("5201", 7, 0)).ok());
        recreateEntry(settings);  // the program ended with the correction open
        prompt.answers = {continueIt};
        prompt.questions.clear();

        ASSERT_TRUE(correct(5).ok());

        EXPECT_EQ(prompt.questions,
                  std::vector<std::string>{"Izabrani nalog postoji u pomoćnoj tabeli. Da li želite nastaviti njegovu obradu?"});
        EXPECT_EQ(entry->lines().recordCount(), continueIt ? 3u : 2u);
        EXPECT_EQ(count("select count(*) from " + work() + ".konnal where nalogid=5"), continueIt ? 3 : 2);
    }
}

TEST_F(Posting, UnbalancedVoucherOffersTheBalancingLine) {
    struct Case {
        double duguje;
        double potrazuje;
        bool onCreditSide;
        const char* field;
        double amount;
    };
    const Case cases[] = {
        {100, 40, true, "potrazuje", 60},
        {100, 40, false, "duguje", -60},
        {40, 100, true, "potrazuje", -60},
        {40, 100, false, "duguje", 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + std::to_string(c.amount));
        recreateEntry(settings);
        const long long id = openVoucher(11, {{"2000", c.duguje, 0}, {"6000", 0, c.potrazuje}});
        prompt.messages.clear();
        prompt.questions.clear();
        prompt.answers = {true, c.onCreditSide};

        const EntryResult result = entry->Auriraj1Click();

        EXPECT_EQ(result.kind, EntryResult::Kind::Refused);
        EXPECT_EQ(prompt.messages, std::vector<std::string>{kUnbalanced});
        EXPECT_EQ(prompt.questions, (std::vector<std::string>{"Želite li dodati jednu novu stavku radi uravnoteženja?",
                                                              "Da li ćete razliku staviti na potražnu stranu?"}));
        EXPECT_EQ(entry->mode(), EntryMode::Stavke);
        EXPECT_DOUBLE_EQ(entry->lineValue(c.field).asDouble(), c.amount);
        EXPECT_EQ(entry->lineValue("nalogid").asInt(), id);
        EXPECT_EQ(count("select count(*) from " + books() + ".nalog where id=" + std::to_string(id)), 0);

        ASSERT_TRUE(entry->setLineField("kontoid", db::Value("5201")));
        ASSERT_TRUE(entry->BitBtn2Click().ok());
        EXPECT_TRUE(entry->Auriraj1Click().ok());
        EXPECT_EQ(count("select count(*) from " + books() + ".konnal where nalogid=" + std::to_string(id)), 3);
    }
}

TEST_F(Posting, UnbalancedVoucherWithoutBalancingLineStaysOpen) {
    openVoucher(11, {{"2000", 0.1, 0}, {"2000", 0.2, 0}, {"6000", 0, 0.31}});
    prompt.answers = {false};
    EXPECT_EQ(entry->Auriraj1Click().kind, EntryResult::Kind::Refused);
    EXPECT_EQ(entry->mode(), EntryMode::Laviranje);
    EXPECT_TRUE(entry->isVoucherOpen());
    EXPECT_DOUBLE_EQ(entry->setSaldoNaloga(), -0.01);
    EXPECT_TRUE(entry->saldo().rightHighlighted);
    EXPECT_EQ(entry->saldo().right, "          0,01");
}

TEST_F(Posting, TotalsAreRecomputedBeforeTheBalanceCheck) {
    const long long id = openVoucher(11, {{"2000", 0.1, 0}, {"2000", 0.2, 0}, {"6000", 0, 0.3}});
    // Another workstation adds a line behind the entry's back: the stored totals are stale.
    fin.execute("insert into " + work() + ".konnal (nalogid,rbr,kontoid,partnerid,duguje,potrazuje,v1) values (" +
                std::to_string(id) + ",9,'5201',0,5,0,'')");
    prompt.answers = {false};
    EXPECT_EQ(entry->Auriraj1Click().kind, EntryResult::Kind::Refused);
    EXPECT_EQ(entry->ukdugText(), "5,30");
    EXPECT_EQ(count("select count(*) from " + books() + ".nalog"), 0);
}

TEST_F(Posting, AFailureInTheMiddleLeavesBothCopiesAsTheyWere) {
    postDirectly(7, 11, "4", "staro", {{"2000", 100, 0}, {"6000", 0, 100}});
    ASSERT_TRUE(correct(7).ok());
    ASSERT_TRUE(entry->setHeaderField("opis", db::Value("novo")));
    ASSERT_TRUE(entry->BitBtn4Click().ok());
    ASSERT_TRUE(entry->addLine(lineOf("5201", 20, 0)).ok());
    ASSERT_TRUE(entry->addLine(lineOf("2000", 0, 20)).ok());
    const db::ResultSet booksBefore = linesIn(books(), 7);
    const db::ResultSet workBefore = linesIn(work(), 7);
    // The lines cannot be written after the header was already replaced.
    fin.execute("create trigger " + books() +
                ".refuse_lines before insert on konnal for each row signal sqlstate '45000' set message_text='ubačena greška'");
    prompt.messages.clear();

    const EntryResult result = entry->Auriraj1Click();

    EXPECT_EQ(result.kind, EntryResult::Kind::Failed);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].find("ubačena greška"), std::string::npos);
    EXPECT_EQ(headerIn(books(), 7).at(0, "opis").asString(), "staro");
    EXPECT_EQ(linesIn(books(), 7).rows(), booksBefore.rows());
    EXPECT_EQ(linesIn(work(), 7).rows(), workBefore.rows());
    EXPECT_EQ(headerIn(work(), 7).at(0, "opis").asString(), "novo");
    EXPECT_EQ(entry->mode(), EntryMode::Laviranje);
    EXPECT_TRUE(entry->isVoucherOpen());

    fin.execute("drop trigger " + books() + ".refuse_lines");
    ASSERT_TRUE(entry->Auriraj1Click().ok());
    EXPECT_EQ(linesIn(books(), 7).rows(), workBefore.rows());
}

TEST_F(Posting, PostingIsRefusedWhenTheWorkingHeaderIsGone) {
    postDirectly(9, 11, "5", "posted", {{"2000", 50, 0}, {"6000", 0, 50}});
    ASSERT_TRUE(correct(9).ok());
    ASSERT_TRUE(entry->BitBtn4Click().ok());
    // Another workstation emptied the working copy's header.
    fin.execute("delete from " + work() + ".nalog where id=9");
    prompt.messages.clear();

    const EntryResult result = entry->Auriraj1Click();

    EXPECT_EQ(result.kind, EntryResult::Kind::Refused);
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{"Nalog (id=9) više ne postoji u pomoćnoj tabeli! Ažuriranje nije izvršeno."});
    EXPECT_EQ(count("select count(*) from " + books() + ".konnal where nalogid=9"), 2);
    EXPECT_EQ(count("select count(*) from " + books() + ".nalog where id=9"), 1);
    EXPECT_FALSE(entry->isVoucherOpen());
}

TEST_F(Posting, NewVoucherIdsLieAboveTheBooks) {
    struct Case {
        long long booksHighest;
        long long otherWorkingVoucher;  // 0: none
        long long expected;
    };
    for (const Case& c : {Case{500, 0, 501}, Case{500, 800, 801}, Case{0, 0, 1}}) {
        SCOPED_TRACE(c.expected);
        fin.execute("delete from nalog; delete from " + work() + ".nalog");
        fin.execute("alter table " + work() + ".nalog auto_increment=1");
        if (c.booksHighest) postDirectly(c.booksHighest, 6, "1", "", {});
        if (c.otherWorkingVoucher)
            fin.execute("insert into " + work() + ".nalog (id,vnalid) values (" + std::to_string(c.otherWorkingVoucher) + ",6)");
        recreateEntry(settings);
        EXPECT_EQ(openVoucher(11, {}), c.expected);
        entry->brisiNalog();
    }
}

TEST_F(Posting, TotalsOfAVoucherWithoutLinesAreZero) {
    const long long id = openVoucher(11, {{"2000", 100, 0}});
    prompt.answers = {true};
    ASSERT_TRUE(entry->briistavku1Click().ok());
    const db::ResultSet header = headerIn(work(), id);
    EXPECT_FALSE(header.at(0, "ukdug").isNull());
    EXPECT_EQ(header.at(0, "ukdug").asDouble(), 0.0);
    EXPECT_EQ(entry->setSaldoNaloga(), 0.0);
    EXPECT_FALSE(entry->saldo().leftHighlighted);
    EXPECT_FALSE(entry->saldo().rightHighlighted);
    EXPECT_EQ(entry->saldo().left, "          0,00");
    ASSERT_TRUE(entry->Auriraj1Click().ok());
    EXPECT_EQ(headerIn(books(), id).at(0, "ukpot").asDouble(), 0.0);
}

TEST_F(Posting, DeletingRemovesTheVoucherFromBothCopies) {
    postDirectly(4, 11, "2", "briši me", {{"2000", 1, 0}, {"6000", 0, 1}});
    postDirectly(8, 11, "3", "ostaje", {{"2000", 2, 0}, {"6000", 0, 2}});
    ASSERT_TRUE(correct(4).ok());
    ASSERT_TRUE(entry->BitBtn4Click().ok());

    prompt.answers = {false};
    EXPECT_EQ(entry->Brii1Click().kind, EntryResult::Kind::Cancelled);
    EXPECT_EQ(count("select count(*) from " + books() + ".nalog where id=4"), 1);

    prompt.answers = {true};
    ASSERT_TRUE(entry->Brii1Click().ok());
    EXPECT_EQ(prompt.questions.back(), "Zaista želite obrisati prikazani nalog?");
    EXPECT_EQ(count("select count(*) from " + books() + ".nalog where id=4"), 0);
    EXPECT_EQ(count("select count(*) from " + books() + ".konnal where nalogid=4"), 0);
    EXPECT_EQ(count("select count(*) from " + work() + ".konnal where nalogid=4"), 0);
    EXPECT_EQ(count("select count(*) from " + books() + ".konnal where nalogid=8"), 2);
    EXPECT_EQ(entry->mode(), EntryMode::Nista);
}

TEST_F(Posting, CancelledNewHeaderLeavesNothing) {
    ASSERT_TRUE(entry->Novi1Click().ok());
    EXPECT_EQ(entry->mode(), EntryMode::NoviDokument);
    EXPECT_EQ(entry->headerValue("vnalid").asInt(), 1);
    EXPECT_EQ(entry->headerValue("datum").asString(), "2024-03-15");
    entry->BitBtn8Click();
    EXPECT_EQ(entry->mode(), EntryMode::Nista);
    EXPECT_FALSE(entry->isVoucherOpen());
    EXPECT_EQ(count("select count(*) from " + work() + ".nalog"), 0);
}

TEST_F(Posting, HeaderDateOutsideTheYearIsOnlyAWarning) {
    NewVoucher voucher{11, Date{std::chrono::year(2023), std::chrono::month(12), std::chrono::day(31)}, "x", {}};
    const EntryResult result = entry->startVoucher(voucher);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"UPOZORENJE: Datum naloga je izvan poslovne godine!"});
    EXPECT_EQ(entry->mode(), EntryMode::Laviranje);
}

TEST_F(Posting, EmptyingTheWorkingCopyIsRefusedWhileAVoucherIsOpen) {
    fin.execute("insert into " + work() + ".nalog (id,vnalid) values (900,6)");
    openVoucher(11, {{"2000", 1, 0}});
    EXPECT_EQ(entry->N4Click().kind, EntryResult::Kind::Refused);
    EXPECT_EQ(prompt.messages.back(), "Prvo završite tj. ažurirajte nalog!");
    EXPECT_FALSE(entry->FormCloseQuery());
    EXPECT_EQ(count("select count(*) from " + work() + ".nalog"), 2);

    ASSERT_TRUE(entry->brisiNalog().ok());
    EXPECT_TRUE(entry->FormCloseQuery());
    prompt.answers = {true};
    ASSERT_TRUE(entry->N4Click().ok());
    EXPECT_EQ(prompt.questions.back(), "Da li ste sigurni da želite izbrisati sve stavke iz pripreme naloga?");
    EXPECT_EQ(count("select count(*) from " + work() + ".nalog"), 0);
}

TEST_F(Posting, CorrectionNeedsPostedVouchers) {
    bool asked = false;
    const EntryResult result = entry->Ispravi1Click([&] {
        asked = true;
        return std::optional<long long>();
    });
    EXPECT_EQ(result.kind, EntryResult::Kind::Refused);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Nema ažuriranih naloga !"});
    EXPECT_FALSE(asked);

    postDirectly(2, 11, "1", "", {});
    EXPECT_EQ(entry->Ispravi1Click([] { return std::optional<long long>(); }).kind, EntryResult::Kind::Cancelled);
    EXPECT_FALSE(entry->isVoucherOpen());
}

}  // namespace
}  // namespace tarvo::test
