#pragma once
#include <functional>
#include <string>
#include <vector>

namespace tarvo {
class ParameterTable;
class TFirma;
}  // namespace tarvo

namespace tarvo::shell {

class SettingsForm;

// The application settings as the main window and the voucher entry use them.
struct AppliedSettings {
    bool datumsAutoSel = false;
    std::string aktivaKontoRLike, pasivaKontoRLike, rashodKontoRLike, prihodKontoRLike;
    std::string kontaSaldaPotrazuje, kontaSaldaDuguje, kontaSaldaNula;
    bool kontrolaSaldaKonta = true;
    std::string brNalZavisiOdVrNal, brNalogaKrozGodina;  // lower case
    // Database prefixes ("finansije_3_2024.") of the chart of accounts and the partners when they are
    // taken from another company; "" for the own tables.
    std::string kontoPrefix, partnerPrefix;
    std::string sifraNalogaBlagajne;
    bool virmZaokNavise = false;
    int virmZaokDec = 1;
    bool automatskiKontiraj = false;
    int sifraNalogaZaIzvode = 6;
    int sifraNalogaZaIzlazneFakture = 11;
    int sifraNalogaZaUlazneFakture = 26;
    // Stored values that could not be used (the default or the own table is used instead), one message each.
    std::vector<std::string> warnings;
};

// Whether a database exists, for the tables borrowed from another company; none: not checked.
using DatabaseCheck = std::function<bool(const std::string& database)>;

// ucitajPostavkeAplikacije: the settings of a loaded form applied. Also sets the company's organisation
// type from `OrganizacioniTip` (writing "preduzece" when empty) and its year-end workbook paths from the
// keys of that type (writing the company's paths into empty keys).
AppliedSettings ucitajPostavkeAplikacije(const SettingsForm& form, ParameterTable& parameters, TFirma& firma,
                                         const DatabaseCheck& databaseExists = {});
// setOstalePar: loads the settings as the settings window does (creating the missing keys) and applies them.
AppliedSettings setOstalePar(ParameterTable& parameters, TFirma& firma, const DatabaseCheck& databaseExists = {});

}  // namespace tarvo::shell
