#pragma once

// The account balance control after a confirmed line: accounts listed in the settings must keep a zero,
// a credit or a debit balance; a violation is a warning, never a refusal.

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

namespace db {
class Connection;
}
struct JournalSettings;

// Whole codes only: "," + code + "," occurs in "," + list + ",".
bool accountInList(std::string_view code, std::string_view list);
bool accountIsControlled(std::string_view code, const JournalSettings& settings);

// The account's balance rounded to cents: every posted line of the year except the posted copy of voucher
// `nalogid`, plus that voucher's lines in the working copy.
double accountBalance(db::Connection& connection, const std::string& books, const std::string& work,
                      std::string_view kontoid, long long nalogid);

// The warnings the balance earns, in the order zero, no debit, no credit.
std::vector<std::string> accountBalanceWarnings(std::string_view code, double balance, const JournalSettings& settings);

}  // namespace tarvo
