#include "data/schema/table_sets.h"

#include <algorithm>
#include <array>
#include <vector>

#include "data/catalogue/firma.h"

namespace tarvo {
namespace {

constexpr bool kCarry = true;
constexpr bool kYear = false;  // the year's own transactions

constexpr std::array<TableSetEntry, 19> kTarvo{{
    {"partner", "pr", kCarry}, {"izvjestaj", "pr", kCarry}, {"defiz", "pr", kCarry}, {"parametar", "pr", kCarry},
    {"konto", "fin", kCarry}, {"vrstanal", "fin", kCarry}, {"nalog", "fin", kYear}, {"konnal", "fin", kYear},
    {"fpogidok", "fin", kCarry}, {"sfkidok", "fin", kCarry}, {"dsfkidok", "fin", kCarry},
    {"osnovnosredstvo", "fin", kCarry}, {"os_promjena", "fin", kCarry}, {"kompenzacija", "fin", kYear},
    {"povjerilac", "fin", kYear}, {"duznik", "fin", kYear}, {"finsinteza", "fin", kCarry},
    {"finsinpodaci", "fin", kYear}, {"reval_stope", "fin", kCarry},
}};

constexpr std::array<TableSetEntry, 27> kRulenbaro{{
    {"placanje", "pr", kCarry}, {"asortiman", "pr", kCarry}, {"artikal", "pr", kCarry},
    {"parametar", "pr", kCarry}, {"partner", "pr", kCarry}, {"vrstadok", "pr", kCarry},
    {"dokument", "pr", kYear}, {"artdok", "pr", kYear}, {"uplata", "pr", kYear}, {"izvod", "pr", kYear},
    {"izvjestaj", "pr", kCarry}, {"defiz", "pr", kCarry}, {"parart", "pr", kCarry}, {"parmi", "pr", kCarry},
    {"kuf", "pr", kYear}, {"vuf", "pr", kCarry}, {"akmar", "pr", kYear}, {"tipakmar", "pr", kCarry},
    {"txtsablon", "pr", kCarry}, {"otkup", "pr", kYear}, {"obracunkoop", "pr", kYear}, {"ukuf", "pr", kYear},
    {"usluga", "pr", kCarry}, {"usldok", "pr", kYear}, {"potob", "pr", kYear}, {"vif", "pr", kCarry},
    {"knjigapir", "pr", kYear},
}};

constexpr std::array<TableSetEntry, 17> kKvedo{{
    {"placanje", "pr", kCarry}, {"asortiman", "pr", kCarry}, {"artikal", "pr", kCarry},
    {"tipakmar", "pr", kCarry}, {"parametar", "pr", kCarry}, {"partner", "pr", kCarry},
    {"vrstadok", "pr", kCarry}, {"dokument", "pr", kYear}, {"artdok", "pr", kYear}, {"uplata", "pr", kYear},
    {"izvjestaj", "pr", kCarry}, {"defiz", "pr", kCarry}, {"mkonto", "mat", kCarry},
    {"vrstakalk", "mat", kCarry}, {"normativ", "mat", kCarry}, {"kalkulacija", "mat", kYear},
    {"artkalk", "mat", kYear},
}};

constexpr std::array<TableSetEntry, 15> kZelu{{
    {"izvjestaj", "pr", kCarry}, {"defiz", "pr", kCarry}, {"parametar", "pr", kCarry}, {"opcina", "op", kCarry},
    {"radnik", "op", kCarry}, {"shdopr", "op", kCarry}, {"doprinos", "op", kCarry}, {"vrstaobr", "op", kCarry},
    {"obracun", "op", kYear}, {"obrad", "op", kYear}, {"porez", "op", kCarry}, {"osnovaobr", "op", kCarry},
    {"obradosnova", "op", kYear}, {"kredist", "op", kCarry}, {"parobr", "op", kCarry},
}};

constexpr std::array<TableSetEntry, 5> kZeluVirmani{{
    {"virman", "vi", kYear}, {"avirman", "vi", kYear}, {"vrprim", "vi", kCarry}, {"opvirm", "vi", kCarry},
    {"banka", "vi", kCarry},
}};

constexpr std::array<TableSetEntry, 9> kCatalogue{{
    {"firma", "ex", kCarry}, {"vbaze", "ex", kCarry}, {"baza", "ex", kCarry}, {"gparametri", "ex", kCarry},
    {"kasa", "ex", kCarry}, {"rb", "ex", kCarry}, {"updates", "ex", kCarry}, {"prenos", "ex", kCarry},
    {"katalogarhiva", "ex", kCarry},
}};

std::vector<TableSetEntry> entriesOfRole(std::span<const TableSetEntry> list, std::string_view role) {
    std::vector<TableSetEntry> entries;
    for (const TableSetEntry& entry : list)
        if (entry.role == role) entries.push_back(entry);
    return entries;
}

bool lists(std::span<const TableSetEntry> list, std::string_view role, std::string_view table) {
    return std::any_of(list.begin(), list.end(),
                       [&](const TableSetEntry& entry) { return entry.role == role && entry.name == table; });
}

}  // namespace

std::span<const TableSetEntry> tableSet(std::string_view application) {
    if (application == "Tarvo") return kTarvo;
    if (application == "Rulenbaro") return kRulenbaro;
    if (application == "Kvedo") return kKvedo;
    if (application == "Zelu") return kZelu;
    if (application == "Zelu_virmani") return kZeluVirmani;
    return {};
}

std::span<const TableSetEntry> catalogueTableSet() { return kCatalogue; }

std::span<const TableSetEntry> tablesOfRole(std::string_view roleName) {
    static const std::vector<TableSetEntry> pr = entriesOfRole(kRulenbaro, "pr");
    static const std::vector<TableSetEntry> fin = entriesOfRole(kTarvo, "fin");
    static const std::vector<TableSetEntry> mat = entriesOfRole(kKvedo, "mat");
    static const std::vector<TableSetEntry> op = entriesOfRole(kZelu, "op");
    const std::string_view start = roleName.substr(0, std::min<size_t>(2, roleName.size()));
    if (start == "pr") return pr;
    if (start == "fi") return fin;
    if (start == "ma") return mat;
    if (start == "op") return op;
    return {};
}

std::optional<std::string> databaseOfTable(std::string_view table, const TFirma& firma) {
    if (lists(kRulenbaro, "pr", table)) return firma.db_pr;
    if (lists(kKvedo, "mat", table)) return firma.db_mat;
    if (lists(kZelu, "op", table)) return firma.db_op;
    if (lists(kTarvo, "fin", table)) return firma.db_fin;
    return std::nullopt;
}

}  // namespace tarvo
