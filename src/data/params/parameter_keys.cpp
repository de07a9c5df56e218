#include "data/params/parameter_keys.h"

#include <array>

#include "data/db/dataset.h"

namespace tarvo {
namespace {

constexpr ParamScope G = ParamScope::Global;
constexpr ParamScope L = ParamScope::Local;

constexpr std::array kKeys{
    // Global keys.
    ParameterKey{"firmeSortPo", G, "naziv"},
    ParameterKey{"radijeBirajFirmuKucanjemSifre", G, ""},
    ParameterKey{"maksimizirajIzbFirme", G, ""},
    ParameterKey{"skloniStareFirme", G, ""},
    ParameterKey{"staraFirmaAkoJeTekGod", G, "0"},
    ParameterKey{"partnerKoristiID2", G, ""},
    ParameterKey{"nalogKoristiID2", G, ""},
    ParameterKey{"printToTxt", G, ""},
    ParameterKey{"zajednickaTabelaArtikala_fid", G, "0"},
    ParameterKey{"identBrojPartneraObavezan", G, "ne"},
    ParameterKey{"vecaRezolucijaEkrana", G, "1"},
    ParameterKey{"omoguciMinimiziranje", G, "ne"},
    ParameterKey{"konvZnakovaZaDos", G, "ne"},
    ParameterKey{"KELMA_osnovnaBoja", G, "system"},
    ParameterKey{"Kvedo_vidiUkupneTroskove", G, "ne"},
    ParameterKey{"Kvedo_vidiUkupno", G, "da"},
    ParameterKey{"dodatniAlijasiZaVirmane", G, "", false, true},
    ParameterKey{"komandaArhive", G, R"(c:\\wamp\\bin\\mysql\\mysql5.1.36\\bin\\asve.bat)"},
    ParameterKey{"dirArhive", G, ""},
    ParameterKey{"idZadnjeRaspakovaneArhive", G, ""},
    ParameterKey{"ImeDBIzvoraTarvo", G, ""},
    ParameterKey{"ImeDBIzvoraKvedo", G, ""},
    ParameterKey{"ImeDBIzvoraRulenbaro", G, ""},
    ParameterKey{"ImeDBIzvoraZelu", G, ""},
    ParameterKey{"DefVr_", G, "", true},

    // Start-up and the main window.
    ParameterKey{"Tarvo_stavke_indexi", L, "nalogid;rbr;id"},
    ParameterKey{"OrganizacioniTip", L, "preduzece"},
    ParameterKey{"ZOPreduzecaUlazniObrazac", L, R"(c:\kelma\zavrsni\f%s\ZO_%s_%s.xlsx)"},
    ParameterKey{"ZOPreduzecaIzlazniObrazac", L, R"(c:\kelma\zavrsni\f%s\ZO_%s_%s.xlsm)"},
    ParameterKey{"ZOUdruzenjaUlazniObrazac", L, R"(c:\kelma\zavrsni\f%s\ZO_%s_%s.xlsx)"},
    ParameterKey{"ZOUdruzenjaIzlazniObrazac", L, R"(c:\kelma\zavrsni\f%s\ZO_%s_%s.xlsm)"},
    // Settings: numbering and checks.
    ParameterKey{"brNalZavisiOdVrNal", L, "ne"},
    ParameterKey{"brNalogaKrozGodina", L, "ne"},
    ParameterKey{"kontaSaldaPotrazuje", L, ""},
    ParameterKey{"kontaSaldaDuguje", L, ""},
    ParameterKey{"kontaSaldaNula", L, ""},
    ParameterKey{"kontrolaSaldaKonta", L, "DA"},
    ParameterKey{"datumsAutoSel", L, "ne"},
    ParameterKey{"kontaFirmaBr", L, ""},
    ParameterKey{"partneriFirmaBr", L, ""},
    // Ledger reports.
    ParameterKey{"finKartica_vPoretka", L, ""},
    ParameterKey{"aktivaKontoRLike", L, "^0|^1|^2|^88"},
    ParameterKey{"pasivaKontoRLike", L, "^3|^4|^89"},
    ParameterKey{"rashodKontoRLike", L, "^5"},
    ParameterKey{"prihodKontoRLike", L, "^6"},
    // Automatic posting.
    ParameterKey{"sifraNalogaZaUlazneFakture", L, "26"},
    ParameterKey{"sifraNalogaZaIzlazneFakture", L, "11"},
    ParameterKey{"sifraNalogaZaIzvode", L, "6"},
    ParameterKey{"virmZaokDec", L, "1"},
    ParameterKey{"virmZaokNavise", L, "da"},
    ParameterKey{"automatskiKontiraj", L, "ne"},
    ParameterKey{"AK_uslovJok_brPraznihSt_", L, "0", true},
    // Cash desk.
    ParameterKey{"sifraNalogaBlagajne", L, "2"},
    ParameterKey{"zatvBlagIdVrsteNaloga", L, "2"},
    ParameterKey{"kontoBlagajna", L, "2050"},
    ParameterKey{"prelazniTransRnPologPazara", L, "20091"},
    ParameterKey{"prelazniTransRnCek", L, "20092"},
    ParameterKey{"prelazniTransRnPovratSredstava", L, "20093"},
    ParameterKey{"kontoSintetickiKupac", L, "21"},
    ParameterKey{"kontoSintetickiDobavljac", L, "43"},
    ParameterKey{"gotovinskiPartneri", L, "1GOT"},
    ParameterKey{"blagajnickiLimit", L, "1000"},
    ParameterKey{"kontoBlagajnaGD", L, "da"},
    ParameterKey{"prelazniTransRnPologPazaraGD", L, "da"},
    ParameterKey{"prelazniTransRnCekGD", L, "da"},
    ParameterKey{"prelazniTransRnPovratSredstavaGD", L, "da"},
    ParameterKey{"kontoSintetickiKupacGD", L, "da"},
    ParameterKey{"kontoSintetickiDobavljacGD", L, "da"},
    ParameterKey{"zatBlagOdDatuma", L, ""},
    ParameterKey{"zatBlagZadBrDnevnika", L, ""},
    // Closing entries.
    ParameterKey{"prenosPrihoda", L, "699"},
    ParameterKey{"prenosRashoda", L, "599"},
    ParameterKey{"ukupniPrihodi", L, "710"},
    ParameterKey{"ukupniRashodi", L, "711"},
    ParameterKey{"obavezePorNaDobit", L, "4810"},
    ParameterKey{"nerasporedjenaDobit", L, "3410"},
    ParameterKey{"gubitak", L, "351"},
    ParameterKey{"porezNaDobit%", L, "10"},
    ParameterKey{"zatvaranjePDV_potraz1", L, "270"},
    ParameterKey{"zatvaranjePDV_obaveza1", L, "470"},
    ParameterKey{"zatvaranjePDV_potraz2", L, ""},
    ParameterKey{"zatvaranjePDV_obaveza2", L, ""},
    // Report query dialog, report engine, text print.
    ParameterKey{"izv_datumOd", L, ""},
    ParameterKey{"izv_datumDo", L, ""},
    ParameterKey{"finKartica_ob", L, ""},
    ParameterKey{"putDoLoga", L, ""},
    ParameterKey{"dosPrinterPort", L, "LPT1"},
    // Payment-order print positions: "VTP" + field + "R" (row) and + "K" (column).
    ParameterKey{"VTPuplacuje1R", L, "2"}, ParameterKey{"VTPuplacuje1K", L, "2"},
    ParameterKey{"VTPuplacuje2R", L, "3"}, ParameterKey{"VTPuplacuje2K", L, "2"},
    ParameterKey{"VTPsvrha_doznake1R", L, "5"}, ParameterKey{"VTPsvrha_doznake1K", L, "2"},
    ParameterKey{"VTPsvrha_doznake2R", L, "6"}, ParameterKey{"VTPsvrha_doznake2K", L, "2"},
    ParameterKey{"VTPprimalac1R", L, "8"}, ParameterKey{"VTPprimalac1K", L, "2"},
    ParameterKey{"VTPprimalac2R", L, "9"}, ParameterKey{"VTPprimalac2K", L, "2"},
    ParameterKey{"VTPrn_uplatiocaR", L, "3"}, ParameterKey{"VTPrn_uplatiocaK", L, "37"},
    ParameterKey{"VTPrn_primaocaR", L, "5"}, ParameterKey{"VTPrn_primaocaK", L, "37"},
    ParameterKey{"VTPiznosR", L, "7"}, ParameterKey{"VTPiznosK", L, "40"},
    ParameterKey{"VTPhitnostR", L, "7"}, ParameterKey{"VTPhitnostK", L, "60"},
    ParameterKey{"VTPpor_brojR", L, "10"}, ParameterKey{"VTPpor_brojK", L, "36"},
    ParameterKey{"VTPvrsta_uplateR", L, "10"}, ParameterKey{"VTPvrsta_uplateK", L, "63"},
    ParameterKey{"VTPmjestoR", L, "11"}, ParameterKey{"VTPmjestoK", L, "13"},
    ParameterKey{"VTPpor_p_odR", L, "12"}, ParameterKey{"VTPpor_p_odK", L, "53"},
    ParameterKey{"VTPdatumR", L, "12"}, ParameterKey{"VTPdatumK", L, "13"},
    ParameterKey{"VTPvrsta_prihodaR", L, "13"}, ParameterKey{"VTPvrsta_prihodaK", L, "36"},
    ParameterKey{"VTPpor_p_doR", L, "13"}, ParameterKey{"VTPpor_p_doK", L, "53"},
    ParameterKey{"VTPopstinaR", L, "16"}, ParameterKey{"VTPopstinaK", L, "36"},
    ParameterKey{"VTPbudz_orgR", L, "16"}, ParameterKey{"VTPbudz_orgK", L, "51"},
    ParameterKey{"VTPpoziv_na_brR", L, "18"}, ParameterKey{"VTPpoziv_na_brK", L, "36"},
    // Statements of open items, fixed assets.
    ParameterKey{"IOS_tolerancija", L, "0,10"},
    ParameterKey{"OS_am_datum", L, ""},
    ParameterKey{"OS_rev_datum", L, ""},
    // Company details.
    ParameterKey{"imeFirme", L, ""},
    ParameterKey{"ulica", L, ""},
    ParameterKey{"ostatakAdrese", L, ""},
    ParameterKey{"JIB_JMB", L, ""},
    ParameterKey{"porBroj", L, ""},
    ParameterKey{"opcina", L, "1"},
    ParameterKey{"telefonFirme", L, ""},
    ParameterKey{"emailFirme", L, ""},
    ParameterKey{"vrstaDjelatnosti", L, ""},
    ParameterKey{"vrstaDjelatnosti_novaSifra", L, ""},
    ParameterKey{"vrstaDjelatnosti_staraSifra", L, ""},
    ParameterKey{"preteznaDjelatnost", L, ""},
    ParameterKey{"nazivBanka1", L, ""},
    ParameterKey{"racunBanka1", L, ""},
    ParameterKey{"nazivBanka2", L, ""},
    ParameterKey{"racunBanka2", L, ""},
    ParameterKey{"nazivBanka3", L, ""},
    ParameterKey{"racunBanka3", L, ""},
    ParameterKey{"racunovodja_ime", L, ""},
    ParameterKey{"racunovodja_brDozvole", L, ""},
    ParameterKey{"racunovodja_brTelefona", L, ""},
    ParameterKey{"racunovodja_adresa", L, ""},
    ParameterKey{"racunovodja_JMB", L, ""},
    ParameterKey{"racunovodja_email", L, ""},
    ParameterKey{"firma_kanton", L, ""},
    ParameterKey{"firma_vecinskiVlasnik", L, ""},
    ParameterKey{"firma_procenatVV", L, ""},
    ParameterKey{"firma_direktor", L, ""},
    ParameterKey{"firma_kantUredPU", L, ""},
    ParameterKey{"firma_ispostavaPU", L, ""},
    ParameterKey{"firma_brPoslJed", L, ""},
    ParameterKey{"firma_uPDVsistemu", L, ""},
    // Working period of the sibling programs.
    ParameterKey{"godinaRada", L, ""},
    ParameterKey{"mjesecRada", L, "1"},
};

}  // namespace

std::span<const ParameterKey> parameterKeys() { return kKeys; }

const ParameterKey* findParameterKey(std::string_view key, ParamScope scope) {
    const ParameterKey* familyMatch = nullptr;
    for (const ParameterKey& entry : kKeys) {
        if (entry.scope != scope) continue;
        if (!entry.family && db::sameText(entry.key, key)) return &entry;
        if (entry.family && key.size() > entry.key.size() && db::sameText(key.substr(0, entry.key.size()), entry.key))
            familyMatch = &entry;
    }
    return familyMatch;
}

std::string parameterDefault(std::string_view key, ParamScope scope) {
    const ParameterKey* entry = findParameterKey(key, scope);
    return entry ? std::string(entry->defaultValue) : std::string();
}

}  // namespace tarvo
