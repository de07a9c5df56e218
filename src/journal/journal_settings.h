#pragma once

#include <functional>
#include <string>

namespace tarvo {

// The parameters the voucher entry reads. Yes/no keys are on when their value in lower case is "da";
// the balance control is on when `kontrolaSaldaKonta` in upper case is "DA".
struct JournalSettings {
    // Local parameters of the company year.
    std::string sifraNalogaBlagajne = "2";  // voucher type of cash vouchers
    bool brNalZavisiOdVrNal = false;        // one internal-number sequence per voucher type
    bool brNalogaKrozGodina = false;        // internal numbers carry "/yy"
    bool kontrolaSaldaKonta = true;
    std::string kontaSaldaPotrazuje;        // comma-separated account codes
    std::string kontaSaldaDuguje;
    std::string kontaSaldaNula;
    bool datumsAutoSel = false;
    std::string stavkeIndexi = "nalogid;rbr;id";  // ordering of the posting lines (`Tarvo_stavke_indexi`)
    // Global parameters.
    bool nalogKoristiID2 = false;
    bool partnerKoristiID2 = false;
};

// Reads a key; the second argument is the key's default.
using ParameterReader = std::function<std::string(const std::string& key, const std::string& defaultValue)>;

// The settings from the local and the global parameter stores, each key with its default of the key index.
JournalSettings readJournalSettings(const ParameterReader& local, const ParameterReader& global);

}  // namespace tarvo
