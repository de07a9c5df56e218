#pragma once

// The balance of one partner on one account (or account prefix) in the books.

#include <string>
#include <string_view>

namespace tarvo {

// Returns sdug (debit balance) and spot (credit balance), at most one of them not null.
// `financeDb` must be a plain database name (letters, digits, "_"; std::invalid_argument
// otherwise); the account text is escaped. The sums are rounded to cents so that a settled
// account gives two nulls.
std::string accountPartnerBalanceQuery(std::string_view financeDb, long long partnerId, std::string_view account,
                                       bool prefix);

}  // namespace tarvo
