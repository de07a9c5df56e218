#include "util/balance_query.h"

#include <algorithm>
#include <stdexcept>

#include <fmt/format.h>

#include "util/sqltext.h"

namespace tarvo {
namespace {

bool isPlainName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

}  // namespace

std::string accountPartnerBalanceQuery(std::string_view financeDb, long long partnerId, std::string_view account,
                                       bool prefix) {
    if (!isPlainName(financeDb)) throw std::invalid_argument(fmt::format("Neispravno ime baze: {}", financeDb));
    return fmt::format(
        "select if(udug-upot>0,udug-upot,null) as sdug, if(upot-udug>0,upot-udug,null) as spot from "
        "(select round(sum(duguje),2) as udug, round(sum(potrazuje),2) as upot from {}.konnal s where true "
        "and s.kontoid like \"{}{}\" and s.partnerid={} ) as t1",
        financeDb, escapeSqlString(account), prefix ? "%" : "", partnerId);
}

}  // namespace tarvo
