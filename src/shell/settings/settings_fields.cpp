#include "shell/settings/settings_fields.h"

#include <array>

#include "data/catalogue/substitution.h"

namespace tarvo::shell {
namespace {

using C = FieldCheck;
constexpr std::optional<std::string_view> kReadOnly = std::nullopt;

constexpr std::string_view kNalog = "Nalog";
constexpr std::string_view kIzvjestaji = "Izvještaji";
constexpr std::string_view kOstalo = "Ostalo";
constexpr std::string_view kKontiranje = "Kontiranje";
constexpr std::string_view kZavrsna = "ZAVRŠNA KNJIŽENJA PRIHODA I RASHODA";
constexpr std::string_view kPdv = "ZATVARANJE POTRAŽIVANJA I OBAVEZA ZA PDV";
constexpr std::string_view kBlagajna = "Zatvaranje kartica po dnevnoj shemi za blagajnu";
constexpr std::string_view kGenerisati = "Generisati po defaultu?";

constexpr std::string_view kFieldPrefix = "LE_";
constexpr std::string_view kPercentWord = "_charOfPercent";

const std::array kFields{
    SettingsField{kNalog, "", "Brojač naloga zaseban za svaku vrstu naloga", "brNalZavisiOdVrNal", "ne"},
    SettingsField{kNalog, "", "Sortiranje stavki  u dnevniku knjiženja", "Tarvo_stavke_indexi", kReadOnly},
    SettingsField{kNalog, "", "Konta sa isključivo potražnim saldom", "kontaSaldaPotrazuje", ""},
    SettingsField{kNalog, "", "Konta sa isključivo dugovnim saldom", "kontaSaldaDuguje", ""},
    SettingsField{kNalog, "", "Konta koja imaju isključivo saldo nula", "kontaSaldaNula", ""},
    SettingsField{kNalog, "", "Uključena kontrola salda konta", "kontrolaSaldaKonta", "DA"},
    SettingsField{kNalog, "", "Format broja naloga tipa \"br.naloga/godina\"", "brNalogaKrozGodina", "ne"},
    SettingsField{kNalog, "", "Datum stavke u fokusu automatski selektovati", "datumsAutoSel", "ne"},

    SettingsField{kIzvjestaji, "Bilansi", "Regularni izraz za obuhvatanje konta aktive", "aktivaKontoRLike",
                  "^0|^1|^2|^88"},
    SettingsField{kIzvjestaji, "Bilansi", "Regularni izraz za obuhvatanje konta pasive", "pasivaKontoRLike",
                  "^3|^4|^89"},
    SettingsField{kIzvjestaji, "Bilansi", "Regularni izraz za obuhvatanje konta rashoda", "rashodKontoRLike", "^5"},
    SettingsField{kIzvjestaji, "Bilansi", "Regularni izraz za obuhvatanje konta prihoda", "prihodKontoRLike", "^6"},
    SettingsField{kIzvjestaji, "Kartice", "Način sortiranja stavki na finansijskoj kartici", "finKartica_vPoretka",
                  kReadOnly},

    SettingsField{kOstalo, kZavrsna, "Konto za prenos prihoda pri zaključnim knjiženjima", "prenosPrihoda", kReadOnly},
    SettingsField{kOstalo, kZavrsna, "Konto za prenos rashoda pri zaključnim knjiženjima", "prenosRashoda", kReadOnly},
    SettingsField{kOstalo, kZavrsna, "Konto za ukupne prihode pri zaključnim knjiženjima", "ukupniPrihodi", kReadOnly},
    SettingsField{kOstalo, kZavrsna, "Konto za ukupne rashode pri zaključnim knjiženjima", "ukupniRashodi", kReadOnly},
    SettingsField{kOstalo, kZavrsna, "Konto za obaveze za porez na dobit", "obavezePorNaDobit", kReadOnly},
    SettingsField{kOstalo, kZavrsna, "Konto za neraspoređenu dobit", "nerasporedjenaDobit", kReadOnly},
    SettingsField{kOstalo, kZavrsna, "Konto za gubitak", "gubitak", kReadOnly},
    SettingsField{kOstalo, kZavrsna, "Procenat poreza na dobit", "porezNaDobit%", kReadOnly, C::Number},
    SettingsField{kOstalo, kPdv, "1. Konto potraživanja PDV-a", "zatvaranjePDV_potraz1", kReadOnly},
    SettingsField{kOstalo, kPdv, "1. Konto obaveza za PDV", "zatvaranjePDV_obaveza1", kReadOnly},
    SettingsField{kOstalo, kPdv, "2. Konto potraživanja PDV-a", "zatvaranjePDV_potraz2", kReadOnly},
    SettingsField{kOstalo, kPdv, "2. Konto obaveza za PDV", "zatvaranjePDV_obaveza2", kReadOnly},
    SettingsField{kOstalo, "", "ako se koriste konta iz druge firme, to je firma br.", "kontaFirmaBr", "",
                  C::CompanyNumber},
    SettingsField{kOstalo, "", "ako se koriste partneri iz druge firme, to je firma br.", "partneriFirmaBr", "",
                  C::CompanyNumber},
    SettingsField{kOstalo, kBlagajna, "Blagajna", "kontoBlagajna", "2050"},
    SettingsField{kOstalo, kBlagajna, "Prelazni transakcioni račun - polog pazara", "prelazniTransRnPologPazara",
                  "20091"},
    SettingsField{kOstalo, kBlagajna, "Prelazni transakcioni račun - ček", "prelazniTransRnCek", "20092"},
    SettingsField{kOstalo, kBlagajna, "Prelazni transakcioni račun - povrat sredstava",
                  "prelazniTransRnPovratSredstava", "20093"},
    SettingsField{kOstalo, kBlagajna, "Sintetički kupci", "kontoSintetickiKupac", "21"},
    SettingsField{kOstalo, kBlagajna, "Sintetički dobavljači", "kontoSintetickiDobavljac", "43"},
    SettingsField{kOstalo, kBlagajna, "ID vrste naloga", "zatvBlagIdVrsteNaloga", "2", C::WholeNumber},
    SettingsField{kOstalo, kBlagajna, "Gotovinski partneri (ID2) sintetički", "gotovinskiPartneri", "1GOT"},
    SettingsField{kOstalo, kBlagajna, "Blagajnički limit", "blagajnickiLimit", "1000", C::Number},
    SettingsField{kOstalo, kBlagajna, kGenerisati, "kontoBlagajnaGD", "da", C::Text, "kontoBlagajna"},
    SettingsField{kOstalo, kBlagajna, kGenerisati, "prelazniTransRnPologPazaraGD", "da", C::Text,
                  "prelazniTransRnPologPazara"},
    SettingsField{kOstalo, kBlagajna, kGenerisati, "prelazniTransRnCekGD", "da", C::Text, "prelazniTransRnCek"},
    SettingsField{kOstalo, kBlagajna, kGenerisati, "prelazniTransRnPovratSredstavaGD", "da", C::Text,
                  "prelazniTransRnPovratSredstava"},
    SettingsField{kOstalo, kBlagajna, kGenerisati, "kontoSintetickiKupacGD", "da", C::Text, "kontoSintetickiKupac"},
    SettingsField{kOstalo, kBlagajna, kGenerisati, "kontoSintetickiDobavljacGD", "da", C::Text,
                  "kontoSintetickiDobavljac"},

    SettingsField{kKontiranje, "", "Šifra naloga za ulazne fakture", "sifraNalogaZaUlazneFakture", "26",
                  C::WholeNumber},
    SettingsField{kKontiranje, "", "Šifra naloga za izlazne fakture", "sifraNalogaZaIzlazneFakture", "11",
                  C::WholeNumber},
    SettingsField{kKontiranje, "", "Šifra naloga blagajne", "sifraNalogaBlagajne", "2"},
    SettingsField{kKontiranje, "", "Br.decimale na kojoj se zaokr.iznos na virmanu", "virmZaokDec", "1",
                  C::WholeNumber},
    SettingsField{kKontiranje, "", "Iznos na virmanu uvijek zaokruživati naviše?", "virmZaokNavise", "da"},
    SettingsField{kKontiranje, "", "Automatski kontiraj?", "automatskiKontiraj", "ne"},
    SettingsField{kKontiranje, "", "Šifra naloga za izvode", "sifraNalogaZaIzvode", "6", C::WholeNumber},
};

}  // namespace

std::span<const SettingsField> settingsFields() { return kFields; }

const SettingsField* findSettingsField(std::string_view key) {
    for (const SettingsField& field : kFields)
        if (field.key == key) return &field;
    return nullptr;
}

std::string fieldNameOfKey(std::string_view key) {
    return std::string(kFieldPrefix) + replaceAll(key, "%", kPercentWord);
}

std::string keyOfFieldName(std::string_view name) {
    if (!name.starts_with(kFieldPrefix)) return {};
    return replaceAll(name.substr(kFieldPrefix.size()), kPercentWord, "%");
}

}  // namespace tarvo::shell
