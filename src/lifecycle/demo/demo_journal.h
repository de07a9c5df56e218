#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "lifecycle/demo/demo_partners.h"
#include "util/dates.h"

namespace tarvo::demo {

// Voucher types of the default rows (`vrstanal`).
namespace vrsta {
inline constexpr int PocetnoStanje = 1;
inline constexpr int Blagajna = 2;
inline constexpr int Temeljnica = 4;
inline constexpr int Izvodi = 6;
inline constexpr int Plate = 9;
inline constexpr int IzlazneFakture = 11;
inline constexpr int Amortizacija = 23;
inline constexpr int UlazneFakture = 26;
inline constexpr int ObracunPdv = 28;
}  // namespace vrsta

// A posting line with its amounts in whole cents.
struct DemoLine {
    std::string dokument;
    std::string opis;
    std::string kontoid;
    int partnerid = 0;
    long long dugujeCents = 0;
    long long potrazujeCents = 0;
    Date datum;
};

struct DemoVoucher {
    int vnalid = 0;
    std::string opis;
    Date datum;
    std::vector<DemoLine> lines;
};

struct JournalPlan {
    int godina = 0;
    std::uint32_t seed = 0;
    // Vouchers of the whole year; the opening voucher and the four month-end vouchers of every month
    // are made even when this is smaller.
    long long vouchers = 0;
};

// Returns false to stop the year early.
using VoucherSink = std::function<bool(const DemoVoucher&)>;

// One business year of a trading company, voucher by voucher in the order of their dates: the opening
// balance on 1 January; outgoing and incoming invoices, bank statements that pay them when they fall due,
// and days of the cash desk, spread over the working days; at the end of every month the cost of goods
// sold, depreciation, payroll and the VAT settlement. Every voucher balances at whole cents. The same plan
// and partners give the same vouchers.
void generateDemoJournal(const JournalPlan& plan, const std::vector<DemoPartner>& partners,
                         const VoucherSink& sink);

}  // namespace tarvo::demo
