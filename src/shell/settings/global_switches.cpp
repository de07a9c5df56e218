#include "shell/settings/global_switches.h"

#include <stdexcept>

#include "data/catalogue/dm_firma.h"
#include "data/catalogue/firma.h"
#include "data/catalogue/substitution.h"
#include "data/params/global_settings.h"
#include "util/numbers.h"
#include "util/strings.h"
#include "util/utf8.h"

namespace tarvo::shell {
namespace {

bool isDa(const std::string& value) { return utf8Lower(trimmed(value)) == "da"; }

}  // namespace

std::string CatalogueGlobalStore::izGlobPar(const std::string& key) { return catalogue_.izGlobPar(key); }

void CatalogueGlobalStore::uGlobPar(const std::string& key, const std::string& value) {
    catalogue_.uGlobPar(key, value);
}

std::string CatalogueGlobalStore::sgetParam(const std::string& key, const std::string& defaultValue) {
    return catalogue_.sgetParam(key, defaultValue);
}

GlobalSwitches setGlobPar(GlobalParameterStore& store, const TFirma& firma) {
    GlobalSwitches switches;
    switches.colourScheme = colourSchemeOf(store.sgetParam("KELMA_osnovnaBoja", "system"));
    switches.partnerKoristiID2 = isDa(store.izGlobPar("partnerKoristiID2"));
    switches.nalogKoristiID2 = isDa(store.izGlobPar("nalogKoristiID2"));
    switches.printToTxt = isDa(store.izGlobPar("printToTxt"));

    if (!firma.arhivski) {
        std::string company = trimmed(store.izGlobPar("zajednickaTabelaArtikala_fid"));
        if (company.empty()) {
            store.uGlobPar("zajednickaTabelaArtikala_fid", "0");
            company = "0";
        }
        try {
            switches.articlePrefix = sharedTablePrefix(firma.db_pr, firma.id, company, false);
            switches.sharedArticleCompany = company;
        } catch (const std::invalid_argument&) {
            switches.warnings.push_back("Globalni parametar \"zajednickaTabelaArtikala_fid\" nije broj firme: \"" +
                                        company + "\". Koristi se šifrarnik artikala tekuće firme.");
        }
    }

    switches.identBrojPartneraObavezan = isDa(store.izGlobPar("identBrojPartneraObavezan"));

    const std::string factorText = store.izGlobPar("vecaRezolucijaEkrana");
    if (!tryParseAmount(factorText, false)) {
        store.uGlobPar("vecaRezolucijaEkrana", "1");
    } else if (auto factor = parseScaleFactor(factorText)) {
        switches.scaleFactor = *factor;
    }

    const std::string minimise = store.izGlobPar("omoguciMinimiziranje");
    switches.omoguciMinimiziranje = isDa(minimise);
    if (trimmed(minimise).empty()) store.uGlobPar("omoguciMinimiziranje", "ne");

    switches.konvZnakovaZaDos = store.izGlobPar("konvZnakovaZaDos");
    if (trimmed(switches.konvZnakovaZaDos).empty()) {
        store.uGlobPar("konvZnakovaZaDos", "ne");
        switches.konvZnakovaZaDos = "ne";
    }
    return switches;
}

}  // namespace tarvo::shell
