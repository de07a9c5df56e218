#include "lifecycle/demo/demo_partners.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string_view>

#include "util/utf8.h"

namespace tarvo::demo {

namespace {

struct City {
    std::string_view naziv;
    std::string_view pttbroj;
    std::string_view oblast;
    std::string_view pozivni;
};

// Sarajevo twice: most partners of a Sarajevo company are near it.
constexpr City kCities[] = {
    {"Sarajevo", "71000", "FBiH", "033"},     {"Sarajevo", "71000", "FBiH", "033"},
    {"Tuzla", "75000", "FBiH", "035"},        {"Zenica", "72000", "FBiH", "032"},
    {"Mostar", "88000", "FBiH", "036"},       {"Banja Luka", "78000", "RS", "051"},
    {"Bijeljina", "76300", "RS", "055"},      {"Brčko", "76100", "DB", "049"},
    {"Bihać", "77000", "FBiH", "037"},        {"Travnik", "72270", "FBiH", "030"},
    {"Goražde", "73000", "FBiH", "038"},      {"Doboj", "74000", "RS", "053"},
    {"Trebinje", "89101", "RS", "059"},       {"Livno", "80101", "FBiH", "034"},
    {"Konjic", "88400", "FBiH", "036"},       {"Visoko", "71300", "FBiH", "032"},
    {"Gračanica", "75320", "FBiH", "035"},    {"Cazin", "77220", "FBiH", "037"},
    {"Prijedor", "79101", "RS", "052"},       {"Široki Brijeg", "88220", "FBiH", "039"},
    {"Kakanj", "72240", "FBiH", "032"},       {"Ilidža", "71210", "FBiH", "033"},
};

constexpr std::string_view kStreets[] = {
    "Zmaja od Bosne", "Maršala Tita", "Ferhadija", "Kralja Tvrtka", "Bulevar Meše Selimovića", "Alipašina",
    "Branilaca grada", "Turalibegova", "Kralja Petra I", "Vidovdanska", "Bulevar cara Dušana", "Mostarska",
    "Sarajevska", "Travnička", "Safvet-bega Bašagića", "Džemala Bijedića", "Put života", "Industrijska zona",
    "Hasana Kikića", "Braće Fejića", "Stjepana Radića", "Musala", "Rudarska", "Mehmedalije Maka Dizdara"};

constexpr std::string_view kNamePlaces[] = {
    "Alfa",  "Bosna",     "Drina",  "Neretva", "Una",    "Sana",   "Vrbas",  "Igman", "Bjelašnica", "Trebević",
    "Jahorina", "Vlašić", "Kozara", "Majevica", "Zelengora", "Prenj", "Romanija", "Bistrik", "Behar", "Sloga",
    "Zenit", "Orion",     "Vektor", "Delta",   "Omega",  "Sirius", "Lipa",   "Jela",  "Hrast",      "Bor"};

constexpr std::string_view kTradeWords[] = {
    "Trade", "Promet", "Commerce", "Komerc", "Export-Import", "Građenje", "Tekstil", "Metal", "Drvo", "Agrar",
    "Market", "Distribucija", "Gradnja", "Mljekara", "Pekara", "Print", "Kompjuteri", "Tehnika", "Namještaj",
    "Farmacija"};

constexpr std::string_view kLegalForms[] = {"d.o.o.", "d.o.o.", "d.o.o.", "d.d.", "o.d."};

constexpr std::string_view kBankPrefixes[] = {"161", "199", "338", "154", "134", "141", "132", "187"};

struct ServiceKind {
    std::string_view konto;
    std::string_view text;
    long long minNetCents;
    long long maxNetCents;
    std::string_view nameWord;
};

constexpr ServiceKind kServices[] = {
    {"5120", "Električna energija", 15000, 45000, "Elektro"},
    {"5312", "Telefon i internet", 8000, 22000, "Telekom"},
    {"5330", "Zakup poslovnog prostora", 120000, 120000, "Nekretnine"},
    {"5310", "Usluge prevoza", 15000, 90000, "Transport"},
    {"5500", "Računovodstvene usluge", 50000, 50000, "Konsalting"},
    {"5390", "Komunalne usluge", 6000, 18000, "Komunalac"},
    {"5121", "Gorivo", 20000, 70000, "Petrol"},
    {"5391", "Usluge održavanja", 10000, 150000, "Servis"},
};

constexpr int kCustomerTerms[] = {15, 30, 30, 45, 60};
constexpr int kSupplierTerms[] = {15, 30, 45};
constexpr int kServiceTerms[] = {8, 15};

std::string digits(DemoRandom& random, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += static_cast<char>('0' + random.between(0, 9));
    return out;
}

// A legal entity's identification number: "4", eleven digits and the mod-11 control digit.
std::string identificationNumber(DemoRandom& random) {
    constexpr int kWeights[] = {7, 6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    for (;;) {
        const std::string body = "4" + digits(random, 11);
        int sum = 0;
        for (size_t i = 0; i < body.size(); ++i) sum += (body[i] - '0') * kWeights[i];
        const int control = 11 - sum % 11;
        if (control == 10) continue;
        return body + static_cast<char>('0' + control % 11);
    }
}

std::string upperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Three letters of the name and the id in three digits ("DRI007"); six digits once ids grow longer.
std::string partnerCode(std::string_view place, int id) {
    const std::string number = std::to_string(id);
    if (number.size() > 3) return std::string(6 - std::min<size_t>(6, number.size()), '0') + number;
    return upperAscii(asciiSlug(place).substr(0, 3)) + std::string(3 - number.size(), '0') + number;
}

std::vector<PartnerRole> shuffledRoles(DemoRandom& random, int count) {
    const int services = count / 5;
    const int goods = std::max(1, count / 4);
    std::vector<PartnerRole> roles;
    for (int i = 0; i < count; ++i)
        roles.push_back(i < services ? PartnerRole::ServiceSupplier
                        : i < services + goods ? PartnerRole::GoodsSupplier
                                               : PartnerRole::Customer);
    for (size_t i = roles.size(); i > 1; --i) {
        const size_t j = static_cast<size_t>(random.between(0, static_cast<long long>(i) - 1));
        std::swap(roles[i - 1], roles[j]);
    }
    return roles;
}

}  // namespace

std::string asciiSlug(std::string_view text) {
    std::string out;
    for (size_t pos = 0; pos < text.size();) {
        const Utf8Char c = decodeUtf8(text, pos);
        pos += c.size;
        const char32_t lower = lowerCodePoint(c.codePoint);
        switch (lower) {
            case U'č': case U'ć': out += 'c'; break;
            case U'đ': out += "dj"; break;
            case U'š': out += 's'; break;
            case U'ž': out += 'z'; break;
            default:
                if ((lower >= U'a' && lower <= U'z') || (lower >= U'0' && lower <= U'9'))
                    out += static_cast<char>(lower);
        }
    }
    return out;
}

std::vector<DemoPartner> demoPartners(DemoRandom& random, int count) {
    if (count < 3) throw std::invalid_argument("Demo firma treba bar tri partnera");
    const std::vector<PartnerRole> roles = shuffledRoles(random, count);
    std::vector<DemoPartner> partners;
    std::set<std::string> names;
    std::set<std::string> identifiers;
    int services = 0;
    for (int i = 0; i < count; ++i) {
        DemoPartner p;
        p.id = i + 1;
        p.role = roles[static_cast<size_t>(i)];
        std::string_view word;
        if (p.role == PartnerRole::ServiceSupplier) {
            const ServiceKind& kind = kServices[static_cast<size_t>(services++) % std::size(kServices)];
            p.expenseKonto = kind.konto;
            p.serviceText = kind.text;
            p.minNetCents = kind.minNetCents;
            p.maxNetCents = kind.maxNetCents;
            word = kind.nameWord;
            p.rokpldana = random.pick(std::span<const int>(kServiceTerms));
        } else {
            word = random.pick(std::span<const std::string_view>(kTradeWords));
            p.rokpldana = p.role == PartnerRole::Customer ? random.pick(std::span<const int>(kCustomerTerms))
                                                          : random.pick(std::span<const int>(kSupplierTerms));
        }
        std::string place;
        std::string base;
        for (int attempt = 0; attempt < 10 && (base.empty() || names.count(base)); ++attempt) {
            place = random.pick(std::span<const std::string_view>(kNamePlaces));
            base = place + " " + std::string(word);
        }
        if (!names.insert(base).second) base += " " + std::to_string(p.id);
        p.naziv = base + " " + std::string(random.pick(std::span<const std::string_view>(kLegalForms)));

        const City& city = random.pick(std::span<const City>(kCities));
        p.mjesto = city.naziv;
        p.pttbroj = city.pttbroj;
        p.oblast = city.oblast;
        p.ulica = std::string(random.pick(std::span<const std::string_view>(kStreets))) + " " +
                  (random.chance(10) ? std::string("bb") : std::to_string(random.between(1, 120)));
        p.telefon = std::string(city.pozivni) + "/" + digits(random, 3) + "-" + digits(random, 3);
        p.email = "info@" + asciiSlug(place) + asciiSlug(word) + ".ba";
        do {
            p.identbroj = identificationNumber(random);
        } while (!identifiers.insert(p.identbroj).second);
        p.porbroj = p.identbroj.substr(1);
        p.racun = std::string(random.pick(std::span<const std::string_view>(kBankPrefixes))) + digits(random, 13);
        p.id2 = partnerCode(place, p.id);
        p.invoicePattern = static_cast<int>(random.between(0, 2));
        partners.push_back(std::move(p));
    }
    return partners;
}

}  // namespace tarvo::demo
