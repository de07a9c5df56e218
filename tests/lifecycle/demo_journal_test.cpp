#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "lifecycle/demo/demo_journal.h"
#include "lifecycle/demo/demo_partners.h"
#include "util/utf8.h"

using namespace tarvo;
using namespace tarvo::demo;

namespace {

std::vector<DemoVoucher> yearOf(std::uint32_t seed, long long vouchers, int partnerCount = 40) {
    DemoRandom random(seed);
    const std::vector<DemoPartner> partners = demoPartners(random, partnerCount);
    std::vector<DemoVoucher> year;
    generateDemoJournal({2024, seed, vouchers}, partners, [&](const DemoVoucher& voucher) {
        year.push_back(voucher);
        return true;
    });
    return year;
}

bool controlDigitHolds(const std::string& jib) {
    const int weights[12] = {7, 6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 12; ++i) sum += (jib[static_cast<size_t>(i)] - '0') * weights[i];
    return (11 - sum % 11) % 11 == jib[12] - '0';
}

}  // namespace

TEST(DemoPartners, AreUniqueAndFitTheirColumns) {
    for (int count : {3, 7, 40, 1200}) {
        DemoRandom random(11);
        const std::vector<DemoPartner> partners = demoPartners(random, count);
        ASSERT_EQ(partners.size(), static_cast<size_t>(count));
        std::set<std::string> jibs, codes, names;
        int customers = 0, goods = 0;
        for (size_t i = 0; i < partners.size(); ++i) {
            const DemoPartner& p = partners[i];
            SCOPED_TRACE(p.naziv);
            EXPECT_EQ(p.id, static_cast<int>(i) + 1);
            ASSERT_EQ(p.identbroj.size(), 13u);
            EXPECT_EQ(p.identbroj.find_first_not_of("0123456789"), std::string::npos);
            EXPECT_TRUE(controlDigitHolds(p.identbroj));
            EXPECT_EQ(p.porbroj, p.identbroj.substr(1));
            EXPECT_LE(utf8Length(p.id2), 6u);
            EXPECT_LE(utf8Length(p.naziv), 80u);
            EXPECT_LE(utf8Length(p.ulica), 60u);
            jibs.insert(p.identbroj);
            codes.insert(p.id2);
            names.insert(p.naziv);
            customers += p.role == PartnerRole::Customer;
            goods += p.role == PartnerRole::GoodsSupplier;
            if (p.role == PartnerRole::ServiceSupplier) {
                EXPECT_FALSE(p.expenseKonto.empty());
                EXPECT_GT(p.minNetCents, 0);
            }
        }
        EXPECT_EQ(jibs.size(), partners.size());
        EXPECT_EQ(codes.size(), partners.size());
        EXPECT_EQ(names.size(), partners.size());
        EXPECT_GE(customers, 1);
        EXPECT_GE(goods, 1);
    }
    DemoRandom random(1);
    EXPECT_THROW(demoPartners(random, 2), std::invalid_argument);
}

TEST(DemoJournal, EveryVoucherBalancesAndStaysInTheYear) {
    for (std::uint32_t seed : {1u, 2u, 2024u, 99991u}) {
        for (long long size : {10LL, 120LL, 900LL}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", vouchers " + std::to_string(size));
            const std::vector<DemoVoucher> year = yearOf(seed, size);
            ASSERT_FALSE(year.empty());
            EXPECT_EQ(year.front().vnalid, vrsta::PocetnoStanje);
            EXPECT_LE(year.size(), static_cast<size_t>(std::max(size, 49LL)));
            Date previous = year.front().datum;
            for (const DemoVoucher& voucher : year) {
                long long debit = 0, credit = 0;
                ASSERT_GE(voucher.lines.size(), 2u) << voucher.opis;
                for (const DemoLine& line : voucher.lines) {
                    debit += line.dugujeCents;
                    credit += line.potrazujeCents;
                    EXPECT_TRUE(line.dugujeCents > 0 || line.potrazujeCents > 0) << voucher.opis;
                    EXPECT_GE(line.dugujeCents, 0);
                    EXPECT_GE(line.potrazujeCents, 0);
                    EXPECT_EQ(static_cast<int>(line.datum.year()), 2024);
                    EXPECT_LE(utf8Length(line.opis), 40u) << line.opis;
                    EXPECT_LE(utf8Length(line.dokument), 15u) << line.dokument;
                }
                EXPECT_EQ(debit, credit) << voucher.opis;
                EXPECT_LE(utf8Length(voucher.opis), 40u) << voucher.opis;
                EXPECT_FALSE(std::chrono::sys_days(voucher.datum) < std::chrono::sys_days(previous)) << voucher.opis;
                previous = voucher.datum;
            }
        }
    }
}

TEST(DemoJournal, CashDaysNumberTheirJournalsAndBalanceEachDocument) {
    const std::vector<DemoVoucher> year = yearOf(5, 600);
    long long journal = 0, lastDocument = 0;
    for (const DemoVoucher& voucher : year) {
        if (voucher.vnalid != vrsta::Blagajna) continue;
        EXPECT_EQ(voucher.opis, std::to_string(++journal));
        std::map<long long, long long> documents;  // debit less credit by document number
        bool touchesCash = false;
        for (const DemoLine& line : voucher.lines) {
            documents[std::stoll(line.dokument)] += line.dugujeCents - line.potrazujeCents;
            touchesCash |= line.kontoid == "2050";
        }
        EXPECT_TRUE(touchesCash);
        for (const auto& [document, saldo] : documents) {
            EXPECT_EQ(saldo, 0) << "document " << document;
            EXPECT_EQ(document, ++lastDocument) << "numbers run on across the cash days";
        }
    }
    EXPECT_GT(journal, 20);
}

TEST(DemoJournal, CashNeverGoesBelowZero) {
    for (std::uint32_t seed : {3u, 4u, 2024u}) {
        long long cash = 0;
        for (const DemoVoucher& voucher : yearOf(seed, 800)) {
            for (const DemoLine& line : voucher.lines) {
                if (line.kontoid != "2050") continue;
                cash += line.dugujeCents - line.potrazujeCents;
                EXPECT_GE(cash, 0) << voucher.opis;
            }
        }
    }
}

TEST(DemoJournal, BankStatementsPayTheInvoicesTheyName) {
    std::map<std::pair<int, std::string>, long long> invoiced, paid;
    for (const DemoVoucher& voucher : yearOf(8, 500)) {
        for (const DemoLine& line : voucher.lines) {
            if (line.kontoid != "2100" || line.dokument.empty()) continue;
            const auto key = std::make_pair(line.partnerid, line.dokument);
            if (voucher.vnalid == vrsta::IzlazneFakture) invoiced[key] += line.dugujeCents;
            if (voucher.vnalid == vrsta::Izvodi) paid[key] += line.potrazujeCents;
        }
    }
    ASSERT_FALSE(paid.empty());
    int settled = 0;
    for (const auto& [key, cents] : paid) {
        ASSERT_TRUE(invoiced.count(key)) << key.second;
        EXPECT_LE(cents, invoiced[key]) << key.second;
        settled += cents == invoiced[key];
    }
    EXPECT_GT(settled, static_cast<int>(invoiced.size()) / 2);
}
