#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "lifecycle/demo/demo_random.h"

namespace tarvo::demo {

// What a partner of the demo company sells to it, or that it buys from the company.
enum class PartnerRole { Customer, GoodsSupplier, ServiceSupplier };

// One row of `partner` and what the demo books need to know about the partner.
struct DemoPartner {
    int id = 0;
    std::string naziv;
    std::string pttbroj;
    std::string mjesto;
    std::string ulica;
    std::string telefon;
    std::string email;
    std::string porbroj;    // the VAT number: the identification number without its leading "4"
    std::string identbroj;  // JIB, 13 digits, unique among the partners
    std::string oblast;     // "FBiH", "RS" or "DB"
    std::string racun;
    std::string id2;
    int rokpldana = 30;
    PartnerRole role = PartnerRole::Customer;
    // A service supplier's expense account, the range of its invoices (net, in cents) and the text of its
    // invoice lines.
    std::string expenseKonto;
    long long minNetCents = 0;
    long long maxNetCents = 0;
    std::string serviceText;
    // How the supplier numbers its invoices (0, 1 or 2).
    int invoicePattern = 0;
};

// `count` partners (at least 3) with ids 1 to count: about a fifth service suppliers (one per kind of
// service first), a quarter goods suppliers, the rest customers.
std::vector<DemoPartner> demoPartners(DemoRandom& random, int count);

// Lower-case ASCII letters and digits of a name, for mail addresses: "Bjelašnica Građenje" ->
// "bjelasnicagradjenje".
std::string asciiSlug(std::string_view text);

}  // namespace tarvo::demo
