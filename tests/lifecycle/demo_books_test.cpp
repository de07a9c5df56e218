#include <gtest/gtest.h>

#include <string>

#include "data/db/connection.h"
#include "data/schema/creation.h"
#include "lifecycle/demo/demo_books.h"
#include "test_catalogue.h"
#include "test_server.h"

using namespace tarvo;

namespace {

constexpr int kYear = 2024;

long long count(db::Connection& connection, const std::string& sql) { return connection.scalar(sql).asInt(); }

DemoOptions demoOptions(std::uint32_t seed = 2024) {
    DemoOptions options;
    options.fid = test::uniqueCompanyId();
    options.godina = kYear;
    options.seed = seed;
    return options;
}

// Every check of the books that holds for any seed and size: whole cents, balanced vouchers, header totals
// equal to their lines, `v1` "", dates in the year, known accounts.
void expectSoundBooks(db::Connection& connection, const std::string& fin, int godina) {
    const std::string perVoucher = "(select nalogid, sum(round(duguje*100)) d, sum(round(potrazuje*100)) p from " +
                                   fin + ".konnal group by nalogid)";
    EXPECT_EQ(count(connection, "select count(*) from " + fin + ".konnal where round(duguje*100)<>duguje*100 or "
                                "round(potrazuje*100)<>potrazuje*100"), 0) << "amounts at whole cents";
    EXPECT_EQ(count(connection, "select count(*) from " + perVoucher + " s where d<>p"), 0) << "balanced vouchers";
    EXPECT_EQ(count(connection, "select count(*) from " + fin + ".nalog n left join " + perVoucher +
                                " s on s.nalogid=n.id where s.nalogid is null or round(n.ukdug*100)<>s.d or "
                                "round(n.ukpot*100)<>s.p"), 0) << "header totals equal the lines";
    EXPECT_EQ(count(connection, "select sum(round(duguje*100))-sum(round(potrazuje*100)) from " + fin + ".konnal"), 0);
    EXPECT_EQ(count(connection, "select count(*) from " + fin + ".konnal where ifnull(v1,'x')<>''"), 0);
    EXPECT_EQ(count(connection, "select count(*) from " + fin + ".konnal where year(datum)<>" +
                                std::to_string(godina) + " or datum is null"), 0);
    EXPECT_EQ(count(connection, "select count(*) from " + fin + ".konnal k left join " + fin +
                                ".konto c on c.id=k.kontoid where c.id is null"), 0) << "accounts of the chart";
    EXPECT_EQ(count(connection, "select count(*) from " + fin + ".konnal k left join " + fin +
                                ".nalog n on n.id=k.nalogid where n.id is null"), 0);
}

std::string checksum(db::Connection& connection, const std::string& table) {
    return connection.query("checksum table " + table).at(0, 1).asString();
}

struct BooksChecksums {
    std::string nalog, konnal, partner;
    bool operator==(const BooksChecksums&) const = default;
};

BooksChecksums demoChecksums(std::uint32_t seed) {
    test::TestCatalogue catalogue;
    const DemoCompanyReport demo = createDemoCompany(catalogue.dm, demoOptions(seed));
    EXPECT_TRUE(demo.ok()) << (demo.report.failures.empty() ? "" : demo.report.failures.front());
    db::Connection& c = catalogue.connection();
    return {checksum(c, demo.finDatabase + ".nalog"), checksum(c, demo.finDatabase + ".konnal"),
            checksum(c, demo.prDatabase + ".partner")};
}

TEST(DemoCompany, HasPartnersDetailsAndAYearOfBalancedBooks) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    const DemoOptions options = demoOptions();
    const DemoCompanyReport demo = createDemoCompany(catalogue.dm, options);
    for (const std::string& failure : demo.report.failures) ADD_FAILURE() << failure;
    ASSERT_TRUE(demo.ok());
    db::Connection& c = catalogue.connection();
    const std::string& fin = demo.finDatabase;
    const std::string& pr = demo.prDatabase;

    expectSoundBooks(c, fin, kYear);
    EXPECT_EQ(count(c, "select count(*) from " + fin + ".nalog"), demo.books.vouchers);
    EXPECT_EQ(count(c, "select count(*) from " + fin + ".konnal"), demo.books.lines);
    EXPECT_EQ(demo.books.debitCents, demo.books.creditCents);
    EXPECT_GE(demo.books.vouchers, options.vouchers - 5);
    EXPECT_LE(demo.books.vouchers, options.vouchers);

    // The opening balance first, then numbered as the voucher entry numbers: 1, 2, ... in date order.
    const db::ResultSet opening = c.query("select id, oznaka, datum, opis from " + fin + ".nalog where vnalid=1");
    ASSERT_EQ(opening.size(), 1u);
    EXPECT_EQ(opening.at(0, 0).asInt(), 1);
    EXPECT_EQ(opening.at(0, 1).asString(), "1");
    EXPECT_EQ(opening.at(0, 2).asString(), "2024-01-01");
    EXPECT_EQ(opening.at(0, 3).asString(), "nalog prenosa početnog stanja");
    EXPECT_EQ(count(c, "select count(*) from " + fin + ".nalog where oznaka<>cast(id as char)"), 0);
    EXPECT_EQ(count(c, "select count(*) from " + fin + ".nalog a join " + fin +
                       ".nalog b on b.id=a.id+1 where b.datum<a.datum"), 0);
    for (int vnalid : {2, 4, 6, 9, 11, 23, 26, 28})
        EXPECT_GT(count(c, "select count(*) from " + fin + ".nalog where vnalid=" + std::to_string(vnalid)), 0)
            << "voucher type " << vnalid;
    EXPECT_EQ(count(c, "select count(*) from " + fin + ".nalog where vnalid=9"), 12);

    // Cash vouchers: the cash-journal number in the description, cash documents in `dokument`.
    EXPECT_EQ(count(c, "select max(1*opis)-count(*) from " + fin + ".nalog where vnalid=2"), 0);
    EXPECT_EQ(count(c, "select count(*) from (select a.dokument from " + fin + ".konnal a join " + fin +
                       ".nalog b on b.id=a.nalogid where b.vnalid=2 group by a.dokument "
                       "having sum(round(a.duguje*100))<>sum(round(a.potrazuje*100)) or a.dokument='') x"), 0);

    // Partners: 40 with unique identification numbers and codes; every partner line names one of them.
    EXPECT_EQ(count(c, "select count(*) from " + pr + ".partner"), 40);
    EXPECT_EQ(count(c, "select count(distinct identbroj) from " + pr + ".partner where identbroj regexp "
                       "'^4[0-9]{12}$'"), 40);
    EXPECT_EQ(count(c, "select count(distinct id2) from " + pr + ".partner"), 40);
    EXPECT_EQ(count(c, "select count(*) from " + fin + ".konnal k left join " + pr +
                       ".partner p on p.id=k.partnerid where k.partnerid<>0 and p.id is null"), 0);
    EXPECT_GT(count(c, "select count(distinct partnerid) from " + fin + ".konnal where partnerid<>0"), 20);

    EXPECT_EQ(c.scalar("select value from " + pr + ".parametar where id='imeFirme'").asString(), "Demo d.o.o.");
    EXPECT_EQ(c.scalar("select value from " + pr + ".parametar where id='godinaRada'").asString(), "2024");
    EXPECT_EQ(c.scalar("select value from " + pr + ".parametar where id='OrganizacioniTip'").asString(), "preduzece");

    EXPECT_EQ(count(c, "select count(*) from " + catalogue.names.work + ".nalog"), 0);
    EXPECT_EQ(count(c, "select count(*) from " + catalogue.names.work + ".konnal"), 0);
}

TEST(DemoCompany, TheSeedDecidesTheBooks) {
    const BooksChecksums first = demoChecksums(2024);
    const BooksChecksums second = demoChecksums(2024);
    const BooksChecksums other = demoChecksums(77);
    EXPECT_FALSE(first.konnal.empty());
    EXPECT_EQ(first, second);
    EXPECT_NE(first.nalog, other.nalog);
    EXPECT_NE(first.konnal, other.konnal);
    EXPECT_NE(first.partner, other.partner);
}

TEST(DemoCompany, LeavesACompanyYearWithBooksAlone) {
    test::TestCatalogue catalogue;
    ASSERT_TRUE(catalogue.connected);
    DemoOptions options = demoOptions();
    options.vouchers = 60;
    const DemoCompanyReport first = createDemoCompany(catalogue.dm, options);
    ASSERT_TRUE(first.ok());
    options.seed = 5;
    const DemoCompanyReport again = createDemoCompany(catalogue.dm, options);
    EXPECT_FALSE(again.ok());
    EXPECT_EQ(count(catalogue.connection(), "select count(*) from " + first.finDatabase + ".konnal"),
              first.books.lines);
    EXPECT_EQ(count(catalogue.connection(), "select count(*) from " + first.prDatabase + ".partner"), 40);
}

TEST(LargeBooks, ReachTheLineCountOverTheWholeYear) {
    test::ScratchDatabase scratch("large");
    db::Connection connection = scratch.connect();
    CreationReport created;
    createDatabaseWithTables(connection, scratch.name(), "finansije", std::string("PRED"), created);
    ASSERT_TRUE(created.ok()) << created.message();

    const BooksTotals totals = generateLargeBooks(connection, scratch.name(), 30000, 9, 2023);
    EXPECT_GE(totals.lines, 30000);
    EXPECT_LT(totals.lines, 30000 + 200) << "stops with the voucher that reaches the count";
    EXPECT_EQ(totals.debitCents, totals.creditCents);
    EXPECT_EQ(connection.currentDatabase(), scratch.name());
    expectSoundBooks(connection, scratch.name(), 2023);
    EXPECT_EQ(connection.scalar("select month(max(datum)) from konnal").asInt(), 12) << "spread over the year";

    // More books go after the ones there.
    const BooksTotals more = generateLargeBooks(connection, scratch.name(), 500, 10, 2023);
    EXPECT_EQ(count(connection, "select count(*) from konnal"), totals.lines + more.lines);
    EXPECT_EQ(count(connection, "select max(1*oznaka) from nalog"), totals.vouchers + more.vouchers);
    expectSoundBooks(connection, scratch.name(), 2023);
}

}  // namespace
