#include "journal/journal_settings.h"

#include "data/params/parameter_keys.h"
#include "util/utf8.h"

namespace tarvo {
namespace {

std::string read(const ParameterReader& reader, const char* key, ParamScope scope) {
    return reader(key, parameterDefault(key, scope));
}

bool isYes(const std::string& value) { return utf8Lower(value) == "da"; }

}  // namespace

JournalSettings readJournalSettings(const ParameterReader& local, const ParameterReader& global) {
    constexpr ParamScope L = ParamScope::Local;
    constexpr ParamScope G = ParamScope::Global;
    JournalSettings s;
    s.sifraNalogaBlagajne = read(local, "sifraNalogaBlagajne", L);
    s.brNalZavisiOdVrNal = isYes(read(local, "brNalZavisiOdVrNal", L));
    s.brNalogaKrozGodina = isYes(read(local, "brNalogaKrozGodina", L));
    s.kontrolaSaldaKonta = utf8Upper(read(local, "kontrolaSaldaKonta", L)) == "DA";
    s.kontaSaldaPotrazuje = read(local, "kontaSaldaPotrazuje", L);
    s.kontaSaldaDuguje = read(local, "kontaSaldaDuguje", L);
    s.kontaSaldaNula = read(local, "kontaSaldaNula", L);
    s.datumsAutoSel = isYes(read(local, "datumsAutoSel", L));
    s.stavkeIndexi = read(local, "Tarvo_stavke_indexi", L);
    if (s.stavkeIndexi.empty()) s.stavkeIndexi = parameterDefault("Tarvo_stavke_indexi", L);
    s.nalogKoristiID2 = isYes(read(global, "nalogKoristiID2", G));
    s.partnerKoristiID2 = isYes(read(global, "partnerKoristiID2", G));
    return s;
}

}  // namespace tarvo
