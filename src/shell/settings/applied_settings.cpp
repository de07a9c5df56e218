#include "shell/settings/applied_settings.h"

#include <charconv>
#include <stdexcept>

#include "data/catalogue/firma.h"
#include "data/catalogue/substitution.h"
#include "data/params/parameter_table.h"
#include "shell/settings/settings_form.h"
#include "util/strings.h"
#include "util/utf8.h"

namespace tarvo::shell {
namespace {

class Reader {
public:
    Reader(const SettingsForm& form, AppliedSettings& applied) : form_(form), applied_(applied) {}

    const std::string& text(std::string_view key) const { return form_.text(key); }
    std::string lower(std::string_view key) const { return utf8Lower(text(key)); }
    bool da(std::string_view key) const { return utf8Lower(trimmed(text(key))) == "da"; }

    // A whole number; a stored value that is not one gives the field's default.
    int number(std::string_view key) {
        const std::string value = trimmed(text(key));
        int result = 0;
        auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
        if (error == std::errc() && end == value.data() + value.size() && !value.empty()) return result;
        const std::string fallback(findSettingsField(key)->createdWith.value_or("0"));
        applied_.warnings.push_back("Postavka \"" + std::string(key) + "\" nije cijeli broj: \"" + text(key) +
                                    "\". Koristi se \"" + fallback + "\".");
        return std::stoi(fallback);
    }

    // The prefix of a table taken from another company, or "" (with a warning) when it cannot be used.
    std::string borrowed(std::string_view key, const std::string& ownDatabase, const TFirma& firma,
                         const DatabaseCheck& databaseExists) {
        std::string prefix;
        try {
            prefix = sharedTablePrefix(ownDatabase, firma.id, text(key), firma.arhivski);
        } catch (const std::invalid_argument&) {
            warn(key, "nije broj firme");
            return {};
        }
        if (!prefix.empty() && databaseExists && !databaseExists(prefix.substr(0, prefix.size() - 1))) {
            warn(key, "navodi firmu bez baze " + prefix.substr(0, prefix.size() - 1));
            return {};
        }
        return prefix;
    }

private:
    void warn(std::string_view key, const std::string& why) {
        applied_.warnings.push_back("Postavka \"" + std::string(key) + "\" (\"" + text(key) + "\") " + why +
                                    ". Koriste se tabele tekuće firme.");
    }

    const SettingsForm& form_;
    AppliedSettings& applied_;
};

// The organisation type and, for it, the year-end workbook paths of the company.
void applyOrganisationType(ParameterTable& parameters, TFirma& firma) {
    std::string type = parameters.getParam("OrganizacioniTip");
    if (trimmed(type).empty()) {
        parameters.setParam("OrganizacioniTip", "preduzece");
        type = "preduzece";
    }
    firma.orgTip = trimmed(type) == "preduzece" ? "PRED" : "UDR";
    const bool pred = firma.orgTip == "PRED";
    const std::string inputKey = pred ? "ZOPreduzecaUlazniObrazac" : "ZOUdruzenjaUlazniObrazac";
    const std::string outputKey = pred ? "ZOPreduzecaIzlazniObrazac" : "ZOUdruzenjaIzlazniObrazac";
    auto takePath = [&](const std::string& key, std::string& path) {
        const std::string stored = parameters.getParam(key);
        if (trimmed(stored).empty()) parameters.setParam(key, path);
        else path = stored;
    };
    takePath(inputKey, firma.zoUlazniObrazac);
    takePath(outputKey, firma.zoIzlazniObrazac);
}

}  // namespace

AppliedSettings ucitajPostavkeAplikacije(const SettingsForm& form, ParameterTable& parameters, TFirma& firma,
                                         const DatabaseCheck& databaseExists) {
    AppliedSettings applied;
    Reader read(form, applied);
    applied.datumsAutoSel = read.da("datumsAutoSel");
    applied.aktivaKontoRLike = read.text("aktivaKontoRLike");
    applied.pasivaKontoRLike = read.text("pasivaKontoRLike");
    applied.rashodKontoRLike = read.text("rashodKontoRLike");
    applied.prihodKontoRLike = read.text("prihodKontoRLike");
    applied.kontaSaldaPotrazuje = read.text("kontaSaldaPotrazuje");
    applied.kontaSaldaDuguje = read.text("kontaSaldaDuguje");
    applied.kontaSaldaNula = read.text("kontaSaldaNula");
    applied.kontrolaSaldaKonta = utf8Upper(trimmed(read.text("kontrolaSaldaKonta"))) == "DA";
    applyOrganisationType(parameters, firma);
    applied.brNalZavisiOdVrNal = read.lower("brNalZavisiOdVrNal");
    applied.brNalogaKrozGodina = read.lower("brNalogaKrozGodina");
    applied.kontoPrefix = read.borrowed("kontaFirmaBr", firma.db_fin, firma, databaseExists);
    applied.partnerPrefix = read.borrowed("partneriFirmaBr", firma.db_pr, firma, databaseExists);
    applied.sifraNalogaBlagajne = read.text("sifraNalogaBlagajne");
    applied.virmZaokNavise = read.da("virmZaokNavise");
    applied.virmZaokDec = read.number("virmZaokDec");
    applied.automatskiKontiraj = read.da("automatskiKontiraj");
    applied.sifraNalogaZaIzvode = read.number("sifraNalogaZaIzvode");
    applied.sifraNalogaZaIzlazneFakture = read.number("sifraNalogaZaIzlazneFakture");
    applied.sifraNalogaZaUlazneFakture = read.number("sifraNalogaZaUlazneFakture");
    return applied;
}

AppliedSettings setOstalePar(ParameterTable& parameters, TFirma& firma, const DatabaseCheck& databaseExists) {
    SettingsForm form(parameters);
    form.load();
    return ucitajPostavkeAplikacije(form, parameters, firma, databaseExists);
}

}  // namespace tarvo::shell
