#include "journal/balance_control.h"

#include "data/db/connection.h"
#include "journal/field_values.h"
#include "journal/journal_settings.h"
#include "util/amounts.h"
#include "util/sqltext.h"

namespace tarvo {

bool accountInList(std::string_view code, std::string_view list) {
    const std::string wrapped = "," + std::string(list) + ",";
    return wrapped.find("," + std::string(code) + ",") != std::string::npos;
}

bool accountIsControlled(std::string_view code, const JournalSettings& settings) {
    return accountInList(code, settings.kontaSaldaNula) || accountInList(code, settings.kontaSaldaPotrazuje) ||
           accountInList(code, settings.kontaSaldaDuguje);
}

double accountBalance(db::Connection& connection, const std::string& books, const std::string& work,
                      std::string_view kontoid, long long nalogid) {
    const std::string k = escapeSqlString(kontoid);
    const std::string n = std::to_string(nalogid);
    const std::string sql = "select round(ifnull(sum(duguje-potrazuje),0),2) as saldo from ((select duguje, potrazuje from " +
                            books + ".konnal where kontoid='" + k + "' and nalogid<>" + n +
                            ") union all (select duguje, potrazuje from " + work + ".konnal where kontoid='" + k +
                            "' and nalogid=" + n + ")) as sve";
    return roundTo(connection.scalar(sql).asDouble(), 2);
}

std::vector<std::string> accountBalanceWarnings(std::string_view code, double balance, const JournalSettings& settings) {
    std::vector<std::string> warnings;
    const std::string shown = generalNumberText(balance);
    if (accountInList(code, settings.kontaSaldaNula) && !isZeroAmount(balance))
        warnings.push_back("UPOZORENJE! Ovaj konto mora imati saldo nula, a sada je saldo=" + shown);
    if (accountInList(code, settings.kontaSaldaPotrazuje) && amountSign(balance) > 0)
        warnings.push_back("UPOZORENJE! Ovaj konto ne smije imati dugovni(pozitivan) saldo, a sada je saldo=" + shown);
    if (accountInList(code, settings.kontaSaldaDuguje) && amountSign(balance) < 0)
        warnings.push_back("UPOZORENJE! Ovaj konto ne smije imati potražni(negativan) saldo, a sada je saldo=" + shown);
    return warnings;
}

}  // namespace tarvo
