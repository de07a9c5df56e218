#pragma once
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "journal/voucher_entry.h"
#include "journal/working_database.h"
#include "test_server.h"
#include "util/user_prompt.h"

namespace tarvo::test {

// Books, partners and a working copy of the test's own, with a few voucher types, accounts and partners,
// and a voucher entry for business year 2024 whose today is 15.03.2024.
class JournalFixture : public ::testing::Test {
protected:
    static constexpr int kYear = 2024;
    static constexpr Date kToday{std::chrono::year(2024), std::chrono::month(3), std::chrono::day(15)};

    JournalFixture();

    // A new entry with these settings (the fixture's entry is replaced).
    void recreateEntry(const JournalSettings& settings);

    // A posted voucher written straight into the books; lines are {kontoid, duguje, potrazuje}.
    struct BookLine {
        std::string kontoid;
        double duguje;
        double potrazuje;
        std::string dokument = "";
    };
    void postDirectly(long long id, long long vnalid, const std::string& oznaka, const std::string& opis,
                      const std::vector<BookLine>& lines);

    // A voucher typed through the entry and left open in mode "laviranje".
    long long openVoucher(long long vnalid, const std::vector<BookLine>& lines);

    // The working lines read again after a change made behind the entry's back.
    void reloadLines();

    long long count(const std::string& sql);
    db::ResultSet rows(const std::string& sql) { return fin.query(sql); }
    std::string books() const { return finDb.name(); }
    std::string work() const { return workDb.name(); }

    ScratchDatabase finDb{"jfin"};
    ScratchDatabase prDb{"jpr"};
    ScratchDatabase workDb{"jwork"};
    db::Connection fin;
    ScriptedPrompt prompt;
    TDMlokalni working{prompt, workDb.name()};
    db::Dataset konto;
    db::Dataset partner;
    db::Dataset vrstanal;
    JournalSettings settings;
    std::unique_ptr<VoucherEntry> entry;
};

LineInput lineOf(const std::string& kontoid, double duguje, double potrazuje);

}  // namespace tarvo::test
