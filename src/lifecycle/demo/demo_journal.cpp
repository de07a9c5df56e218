#include "lifecycle/demo/demo_journal.h"

#include <algorithm>
#include <map>
#include <queue>
#include <span>
#include <stdexcept>
#include <string_view>
#include <tuple>
#include <utility>

#include "util/numbers.h"

namespace tarvo::demo {

namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr long long kVatBasisPoints = 1700;       // 17 %
constexpr long long kCashLimitCents = 100000;     // "blagajnickiLimit" 1000
constexpr long long kEquipmentCents = 3840000;    // office equipment, 20 % a year
constexpr long long kVehiclesCents = 5200000;     // vehicles, 15.5 % a year
constexpr long long kPersonalAllowanceCents = 30000;

// Share of an amount in basis points (1 % = 100), rounded half up to whole cents.
long long share(long long cents, long long basisPoints) { return (cents * basisPoints + 5000) / 10000; }

Date addDays(Date date, long long count) { return Date(sys_days(date) + days(count)); }
bool before(Date a, Date b) { return sys_days(a) < sys_days(b); }

bool isWorkday(Date date) {
    const std::chrono::weekday day(sys_days{date});
    return day != std::chrono::Saturday && day != std::chrono::Sunday;
}

Date dayOf(int godina, int month, int day) {
    return Date(std::chrono::year(godina), std::chrono::month(static_cast<unsigned>(month)),
                std::chrono::day(static_cast<unsigned>(day)));
}

Date lastDayOfMonth(int godina, int month) {
    return Date(std::chrono::year_month_day_last(
        std::chrono::year(godina), std::chrono::month_day_last(std::chrono::month(static_cast<unsigned>(month)))));
}

// "03/2024": the period of a month-end voucher.
std::string period(int godina, int month) { return zeroPadded(month, 2) + "/" + std::to_string(godina); }

DemoLine debit(std::string konto, long long cents, std::string opis, std::string dokument, Date datum,
               int partnerid = 0) {
    return {std::move(dokument), std::move(opis), std::move(konto), partnerid, cents, 0, datum};
}

DemoLine credit(std::string konto, long long cents, std::string opis, std::string dokument, Date datum,
                int partnerid = 0) {
    return {std::move(dokument), std::move(opis), std::move(konto), partnerid, 0, cents, datum};
}

struct CashExpense {
    std::string_view konto;
    std::string_view opis;
    long long minCents;
    long long maxCents;
};

constexpr CashExpense kCashExpenses[] = {
    {"5110", "Kancelarijski materijal", 1000, 12000},
    {"5311", "Poštanske usluge", 500, 6000},
    {"551", "Reprezentacija", 2000, 15000},
    {"5111", "Sredstva za čišćenje", 1000, 8000},
    {"5215", "Dnevnica za službeni put", 3000, 12000},
};

struct Payroll {
    long long net = 0;
    long long pioIz = 0, zdravstvoIz = 0, nezaposlenostIz = 0;
    long long porez = 0;
    long long pioNa = 0, zdravstvoNa = 0, nezaposlenostNa = 0;

    long long doprinosiIz() const { return pioIz + zdravstvoIz + nezaposlenostIz; }
    long long doprinosiNa() const { return pioNa + zdravstvoNa + nezaposlenostNa; }
};

// The Federation's rates: 31 % contributions from and 10.5 % on the gross salary, 10 % income tax on what
// is left after the contributions and the personal allowance. Each employee is rounded on their own.
Payroll payrollOf(const std::vector<long long>& grossSalaries) {
    Payroll total;
    for (long long gross : grossSalaries) {
        const long long pio = share(gross, 1700), zdravstvo = share(gross, 1250), nezaposlenost = share(gross, 150);
        const long long base = std::max(0LL, gross - pio - zdravstvo - nezaposlenost - kPersonalAllowanceCents);
        const long long porez = share(base, 1000);
        total.pioIz += pio;
        total.zdravstvoIz += zdravstvo;
        total.nezaposlenostIz += nezaposlenost;
        total.porez += porez;
        total.net += gross - pio - zdravstvo - nezaposlenost - porez;
        total.pioNa += share(gross, 600);
        total.zdravstvoNa += share(gross, 400);
        total.nezaposlenostNa += share(gross, 50);
    }
    return total;
}

// An invoice or part of one waiting for its payment through the bank.
struct OpenItem {
    Date payDate;
    long long sequence = 0;  // makes the order total, whatever the heap does with equal dates
    int partnerid = 0;
    std::string dokument;
    long long cents = 0;
};

struct PaysLater {
    bool operator()(const OpenItem& a, const OpenItem& b) const {
        return std::make_tuple(sys_days(a.payDate), a.sequence) > std::make_tuple(sys_days(b.payDate), b.sequence);
    }
};

using OpenItems = std::priority_queue<OpenItem, std::vector<OpenItem>, PaysLater>;

// Lines a later bank statement carries on the other side of the bank account.
struct BankOrder {
    Date due;
    std::vector<DemoLine> lines;
};

enum class Slot { Incoming, Outgoing, Cash, Bank };  // the order of one day's vouchers

class JournalBuilder {
public:
    JournalBuilder(const JournalPlan& plan, const std::vector<DemoPartner>& partners)
        : plan_(plan), random_(plan.seed * 2654435761u + 1u), yy_(zeroPadded(plan.godina % 100, 2)) {
        for (const DemoPartner& partner : partners) {
            switch (partner.role) {
                case PartnerRole::Customer: customers_.push_back(&partner); break;
                case PartnerRole::GoodsSupplier: goodsSuppliers_.push_back(&partner); break;
                case PartnerRole::ServiceSupplier: serviceSuppliers_.push_back(&partner); break;
            }
            supplierNumbers_[partner.id] = random_.between(1, 300);
        }
        if (customers_.empty() || goodsSuppliers_.empty())
            throw std::invalid_argument("Demo knjige trebaju bar jednog kupca i jednog dobavljača robe");
        for (int i = 0; i < 6; ++i) employees_.push_back(random_.between(140, 380) * 1000);
    }

    void run(const VoucherSink& sink) {
        if (!emit(sink, openingBalance())) return;
        const long long flexible = std::max(0LL, plan_.vouchers - 1 - 4 * 12);
        for (int month = 1; month <= 12; ++month) {
            const long long slots = flexible * month / 12 - flexible * (month - 1) / 12;
            for (const auto& [date, slot] : monthSlots(month, slots)) {
                if (!emit(sink, voucherFor(slot, date))) return;
            }
            for (const DemoVoucher& voucher : monthEnd(month)) {
                if (!emit(sink, voucher)) return;
            }
        }
    }

private:
    static bool emit(const VoucherSink& sink, const DemoVoucher& voucher) {
        return voucher.lines.empty() || sink(voucher);
    }

    std::vector<std::pair<Date, Slot>> monthSlots(int month, long long count) {
        std::vector<Date> workdays;
        for (Date day = dayOf(plan_.godina, month, 1); !before(lastDayOfMonth(plan_.godina, month), day);
             day = addDays(day, 1)) {
            if (isWorkday(day)) workdays.push_back(day);
        }
        std::vector<std::pair<Date, Slot>> slots;
        for (long long i = 0; i < count; ++i) {
            const long long draw = random_.between(1, 100);
            const Slot slot = draw <= 34 ? Slot::Outgoing : draw <= 58 ? Slot::Incoming : draw <= 82 ? Slot::Bank
                                                                                                     : Slot::Cash;
            slots.emplace_back(random_.pick(std::span<const Date>(workdays)), slot);
        }
        std::stable_sort(slots.begin(), slots.end(), [](const auto& a, const auto& b) {
            return std::make_tuple(sys_days(a.first), a.second) < std::make_tuple(sys_days(b.first), b.second);
        });
        return slots;
    }

    DemoVoucher voucherFor(Slot slot, Date date) {
        switch (slot) {
            case Slot::Outgoing: return outgoingInvoices(date);
            case Slot::Incoming: return incomingInvoices(date);
            case Slot::Cash: return cashDay(date);
            case Slot::Bank: return bankStatement(date);
        }
        return {};
    }

    const DemoPartner& pick(const std::vector<const DemoPartner*>& partners) {
        return *random_.pick(std::span<const DemoPartner* const>(partners));
    }

    // Most invoices are paid in full around their due date, some in two parts, a few not in this year.
    void expectPayment(OpenItems& items, const DemoPartner& partner, const std::string& dokument,
                       long long cents, Date date, int neverPercent) {
        if (random_.chance(neverPercent)) return;
        Date payDate = addDays(date, std::max(1LL, partner.rokpldana + random_.between(-5, 15)));
        if (random_.chance(10)) {
            const long long first = share(cents, random_.between(3000, 7000));
            items.push({payDate, ++sequence_, partner.id, dokument, first});
            cents -= first;
            payDate = addDays(payDate, random_.between(15, 40));
        }
        items.push({payDate, ++sequence_, partner.id, dokument, cents});
    }

    DemoVoucher openingBalance() {
        const Date date = dayOf(plan_.godina, 1, 1);
        std::map<std::pair<std::string, int>, long long> balances;  // debit positive
        balances[{"0222", 0}] = kEquipmentCents;
        balances[{"0223", 0}] = kVehiclesCents;
        balances[{"0292", 0}] = -random_.between(2000000, 3000000);
        openingStockCents_ = stockCents_ = random_.between(7000000, 9500000);
        balances[{"1310", 0}] = stockCents_;
        balances[{"2000", 0}] = random_.between(10000000, 16000000);
        cashBalance_ = random_.between(30000, 90000);
        balances[{"2050", 0}] = cashBalance_;
        for (const DemoPartner* customer : customers_) {
            if (!random_.chance(60)) continue;
            const long long cents = random_.between(50000, 900000);
            balances[{"2100", customer->id}] += cents;
            expectPayment(receivables_, *customer, "", cents, addDays(date, random_.between(-40, 10)), 5);
        }
        for (const DemoPartner* supplier : goodsSuppliers_) {
            if (!random_.chance(70)) continue;
            const long long cents = random_.between(100000, 1200000);
            balances[{"4320", supplier->id}] -= cents;
            expectPayment(payables_, *supplier, "", cents, addDays(date, random_.between(-30, 0)), 0);
        }
        // December's payroll and VAT of the year before are paid in January.
        const Payroll december = payrollOf(employees_);
        balances[{"4510", 0}] = -december.net;
        balances[{"4520", 0}] = -december.pioIz;
        balances[{"4521", 0}] = -december.pioNa;
        balances[{"4522", 0}] = -december.zdravstvoIz;
        balances[{"4523", 0}] = -december.zdravstvoNa;
        balances[{"4524", 0}] = -december.nezaposlenostIz;
        balances[{"4525", 0}] = -december.nezaposlenostNa;
        balances[{"4530", 0}] = -december.porez;
        payrollPayment(december, period(plan_.godina - 1, 12), dayOf(plan_.godina, 1, 1));
        const long long vat = random_.between(200000, 600000);
        balances[{"4730", 0}] = -vat;
        vatPayment(vat, period(plan_.godina - 1, 12), dayOf(plan_.godina, 1, 1));
        balances[{"301", 0}] = -5000000;

        long long sum = 0;
        for (const auto& [key, cents] : balances) sum += cents;
        balances[{sum > 0 ? "3400" : "350", 0}] -= sum;

        DemoVoucher voucher{vrsta::PocetnoStanje, "nalog prenosa početnog stanja", date, {}};
        for (const auto& [key, cents] : balances) {
            if (cents > 0) voucher.lines.push_back(debit(key.first, cents, "početno stanje", "", date, key.second));
            if (cents < 0) voucher.lines.push_back(credit(key.first, -cents, "početno stanje", "", date, key.second));
        }
        return voucher;
    }

    DemoVoucher outgoingInvoices(Date date) {
        DemoVoucher voucher{vrsta::IzlazneFakture, "", date, {}};
        const long long count = random_.between(1, 3);
        std::string first, last;
        for (long long i = 0; i < count; ++i) {
            const DemoPartner& customer = pick(customers_);
            const std::string number = std::to_string(++invoiceNumber_) + "/" + yy_;
            const long long goods = random_.between(30000, 1200000);
            const long long services = random_.chance(20) ? random_.between(5000, 150000) : 0;
            const long long vat = share(goods + services, kVatBasisPoints);
            const long long total = goods + services + vat;
            voucher.lines.push_back(debit("2100", total, "Izlazna faktura", number, date, customer.id));
            voucher.lines.push_back(credit("6000", goods, "Prihod od prodaje robe", number, date));
            if (services) voucher.lines.push_back(credit("6101", services, "Prihod od prodaje usluga", number, date));
            voucher.lines.push_back(credit("4700", vat, "Izlazni PDV", number, date));
            wholesaleRevenue_ += goods;
            outputVat_ += vat;
            expectPayment(receivables_, customer, number, total, date, 5);
            if (first.empty()) first = number;
            last = number;
        }
        voucher.opis = count == 1 ? "Izlazna faktura " + first : "Izlazne fakture " + first + " - " + last;
        return voucher;
    }

    // Goods are bought in larger lots while the stock, less what this month's sales will take from it,
    // is below the opening stock.
    long long goodsPurchase() {
        const long long projected = stockCents_ - share(wholesaleRevenue_ + retailRevenue_, 7500);
        return projected < openingStockCents_ ? random_.between(1000000, 2500000) : random_.between(200000, 800000);
    }

    std::string supplierInvoiceNumber(const DemoPartner& supplier) {
        const long long n = ++supplierNumbers_[supplier.id];
        switch (supplier.invoicePattern) {
            case 1: return "F-" + std::to_string(plan_.godina) + "-" + zeroPadded(n, 4);
            case 2: return zeroPadded(n, 6);
            default: return std::to_string(n) + "/" + yy_;
        }
    }

    DemoVoucher incomingInvoices(Date date) {
        DemoVoucher voucher{vrsta::UlazneFakture, "", date, {}};
        const long long count = random_.between(1, 3);
        std::string number;
        for (long long i = 0; i < count; ++i) {
            const bool service = !serviceSuppliers_.empty() && random_.chance(30);
            const DemoPartner& supplier = pick(service ? serviceSuppliers_ : goodsSuppliers_);
            number = supplierInvoiceNumber(supplier);
            const long long net =
                service ? random_.between(supplier.minNetCents, supplier.maxNetCents) : goodsPurchase();
            const long long vat = share(net, kVatBasisPoints);
            voucher.lines.push_back(credit("4320", net + vat, "Ulazna faktura", number, date, supplier.id));
            voucher.lines.push_back(service ? debit(supplier.expenseKonto, net, supplier.serviceText, number, date)
                                            : debit("1310", net, "Nabavka robe", number, date));
            voucher.lines.push_back(debit("2700", vat, "Ulazni PDV", number, date));
            inputVat_ += vat;
            if (!service) stockCents_ += net;
            expectPayment(payables_, supplier, number, net + vat, date, 4);
        }
        voucher.opis = count == 1 ? "Ulazna faktura " + number : "Ulazne fakture";
        return voucher;
    }

    DemoVoucher cashDay(Date date) {
        DemoVoucher voucher{vrsta::Blagajna, std::to_string(++cashJournal_), date, {}};
        const long long sales = random_.between(1, 3);
        for (long long i = 0; i < sales; ++i) {
            const std::string document = std::to_string(++cashDocument_);
            const long long net = random_.between(5000, 90000);
            const long long vat = share(net, kVatBasisPoints);
            voucher.lines.push_back(debit("2050", net + vat, "Gotovinska prodaja", document, date));
            voucher.lines.push_back(credit("6001", net, "Prihod od gotovinske prodaje", document, date));
            voucher.lines.push_back(credit("4701", vat, "PDV gotovinska prodaja", document, date));
            cashBalance_ += net + vat;
            retailRevenue_ += net;
            outputRetailVat_ += vat;
        }
        const long long expenses = random_.between(0, 2);
        for (long long i = 0; i < expenses; ++i) {
            const CashExpense& expense = random_.pick(std::span<const CashExpense>(kCashExpenses));
            const long long cents = random_.between(expense.minCents, expense.maxCents);
            if (cents > cashBalance_) continue;
            const std::string document = std::to_string(++cashDocument_);
            voucher.lines.push_back(credit("2050", cents, std::string(expense.opis), document, date));
            voucher.lines.push_back(
                debit(std::string(expense.konto), cents, std::string(expense.opis), document, date));
            cashBalance_ -= cents;
        }
        if (cashBalance_ > kCashLimitCents) {
            const long long deposit = cashBalance_ - random_.between(150, 400) * 100;
            const std::string document = std::to_string(++cashDocument_);
            voucher.lines.push_back(credit("2050", deposit, "Polog pazara na račun", document, date));
            voucher.lines.push_back(debit("20091", deposit, "Polog pazara na račun", document, date));
            cashBalance_ -= deposit;
            bankOrders_.push_back({addDays(date, 1), {credit("20091", deposit, "Polog pazara", document, date)}});
        }
        return voucher;
    }

    DemoVoucher bankStatement(Date date) {
        const std::string number = std::to_string(++statementNumber_);
        DemoVoucher voucher{vrsta::Izvodi, "Izvod br. " + number, date, {}};
        std::vector<DemoLine> counter;
        while (!receivables_.empty() && !before(date, receivables_.top().payDate)) {
            const OpenItem& item = receivables_.top();
            counter.push_back(credit("2100", item.cents, "Uplata kupca", item.dokument, date, item.partnerid));
            receivables_.pop();
        }
        while (!payables_.empty() && !before(date, payables_.top().payDate)) {
            const OpenItem& item = payables_.top();
            counter.push_back(debit("4320", item.cents, "Plaćanje dobavljaču", item.dokument, date, item.partnerid));
            payables_.pop();
        }
        std::vector<BankOrder> later;
        for (BankOrder& order : bankOrders_) {
            if (before(date, order.due)) {
                later.push_back(std::move(order));
                continue;
            }
            for (DemoLine& line : order.lines) {
                line.datum = date;
                counter.push_back(std::move(line));
            }
        }
        bankOrders_ = std::move(later);
        counter.push_back(debit("553", random_.between(100, 1200), "Naknada banke", number, date));

        long long in = 0, out = 0;
        for (const DemoLine& line : counter) {
            in += line.potrazujeCents;
            out += line.dugujeCents;
        }
        // The bank account first, as the statement posting writes it.
        if (in) voucher.lines.push_back(debit("2000", in, voucher.opis, number, date));
        if (out) voucher.lines.push_back(credit("2000", out, voucher.opis, number, date));
        for (DemoLine& line : counter) voucher.lines.push_back(std::move(line));
        return voucher;
    }

    void payrollPayment(const Payroll& payroll, const std::string& dokument, Date monthAfter) {
        const Date due = addDays(monthAfter, random_.between(4, 9));
        bankOrders_.push_back({due,
                               {debit("4510", payroll.net, "Isplata neto plata", dokument, due),
                                debit("4520", payroll.pioIz, "Uplata doprinosa", dokument, due),
                                debit("4522", payroll.zdravstvoIz, "Uplata doprinosa", dokument, due),
                                debit("4524", payroll.nezaposlenostIz, "Uplata doprinosa", dokument, due),
                                debit("4521", payroll.pioNa, "Uplata doprinosa", dokument, due),
                                debit("4523", payroll.zdravstvoNa, "Uplata doprinosa", dokument, due),
                                debit("4525", payroll.nezaposlenostNa, "Uplata doprinosa", dokument, due),
                                debit("4530", payroll.porez, "Uplata poreza na dohodak", dokument, due)}});
    }

    void vatPayment(long long cents, const std::string& dokument, Date monthAfter) {
        const Date due = addDays(monthAfter, 9);
        bankOrders_.push_back({due, {debit("4730", cents, "Uplata PDV-a", dokument, due)}});
    }

    std::vector<DemoVoucher> monthEnd(int month) {
        const Date date = lastDayOfMonth(plan_.godina, month);
        const Date nextMonth = addDays(date, 1);
        const std::string dokument = period(plan_.godina, month);
        std::vector<DemoVoucher> vouchers;

        DemoVoucher cogs{vrsta::Temeljnica, "Nabavna vrijednost prodate robe " + dokument, date, {}};
        // Never more than the stock holds.
        const long long retail = std::min(stockCents_, share(retailRevenue_, random_.between(7200, 7800)));
        const long long wholesale =
            std::min(stockCents_ - retail, share(wholesaleRevenue_, random_.between(7200, 7800)));
        if (wholesale) cogs.lines.push_back(debit("5000", wholesale, "NV prodate robe - veleprodaja", dokument, date));
        if (retail) cogs.lines.push_back(debit("5001", retail, "NV prodate robe - maloprodaja", dokument, date));
        if (wholesale + retail)
            cogs.lines.push_back(credit("1310", wholesale + retail, "Razduženje zalihe robe", dokument, date));
        stockCents_ -= wholesale + retail;
        vouchers.push_back(std::move(cogs));

        const long long depreciation = (share(kEquipmentCents, 2000) + share(kVehiclesCents, 1550)) / 12;
        vouchers.push_back({vrsta::Amortizacija, "Amortizacija za " + dokument, date,
                            {debit("5402", depreciation, "Amortizacija opreme", dokument, date),
                             credit("0292", depreciation, "Ispravka vrijednosti opreme", dokument, date)}});

        const Payroll payroll = payrollOf(employees_);
        vouchers.push_back({vrsta::Plate, "Obračun plata za " + dokument, date,
                            {debit("5201", payroll.net, "Troškovi neto plata", dokument, date),
                             debit("5202", payroll.doprinosiIz(), "Troškovi doprinosa iz plate", dokument, date),
                             debit("5204", payroll.porez, "Troškovi poreza na dohodak", dokument, date),
                             debit("5203", payroll.doprinosiNa(), "Troškovi doprinosa na platu", dokument, date),
                             credit("4510", payroll.net, "Obaveze za neto plate", dokument, date),
                             credit("4520", payroll.pioIz, "Doprinos za PIO iz plate", dokument, date),
                             credit("4522", payroll.zdravstvoIz, "Doprinos za zdravstvo iz plate", dokument, date),
                             credit("4524", payroll.nezaposlenostIz, "Doprinos za nezaposl. iz plate", dokument, date),
                             credit("4530", payroll.porez, "Porez na dohodak", dokument, date),
                             credit("4521", payroll.pioNa, "Doprinos za PIO na platu", dokument, date),
                             credit("4523", payroll.zdravstvoNa, "Doprinos za zdravstvo na platu", dokument, date),
                             credit("4525", payroll.nezaposlenostNa, "Doprinos za nezaposl. na platu", dokument, date)}});
        payrollPayment(payroll, dokument, nextMonth);

        DemoVoucher vat{vrsta::ObracunPdv, "Obračun PDV-a za " + dokument, date, {}};
        if (outputVat_) vat.lines.push_back(debit("4700", outputVat_, "Zatvaranje izlaznog PDV-a", dokument, date));
        if (outputRetailVat_)
            vat.lines.push_back(debit("4701", outputRetailVat_, "Zatvaranje izlaznog PDV-a", dokument, date));
        if (inputVat_) vat.lines.push_back(credit("2700", inputVat_, "Zatvaranje ulaznog PDV-a", dokument, date));
        const long long due = outputVat_ + outputRetailVat_ - inputVat_;
        if (due > 0) {
            vat.lines.push_back(credit("4730", due, "Obaveza za uplatu PDV-a", dokument, date));
            vatPayment(due, dokument, nextMonth);
        } else if (due < 0) {
            vat.lines.push_back(debit("2730", -due, "Potraživanje za povrat PDV-a", dokument, date));
        }
        vouchers.push_back(std::move(vat));

        wholesaleRevenue_ = retailRevenue_ = outputVat_ = outputRetailVat_ = inputVat_ = 0;
        return vouchers;
    }

    JournalPlan plan_;
    DemoRandom random_;
    std::string yy_;
    std::vector<const DemoPartner*> customers_, goodsSuppliers_, serviceSuppliers_;
    std::map<int, long long> supplierNumbers_;
    std::vector<long long> employees_;  // gross salaries in cents
    OpenItems receivables_, payables_;
    std::vector<BankOrder> bankOrders_;
    long long sequence_ = 0;
    long long invoiceNumber_ = 0, statementNumber_ = 0, cashJournal_ = 0, cashDocument_ = 0;
    long long cashBalance_ = 0;
    long long stockCents_ = 0, openingStockCents_ = 0;
    long long wholesaleRevenue_ = 0, retailRevenue_ = 0, outputVat_ = 0, outputRetailVat_ = 0, inputVat_ = 0;
};

}  // namespace

void generateDemoJournal(const JournalPlan& plan, const std::vector<DemoPartner>& partners,
                         const VoucherSink& sink) {
    JournalBuilder(plan, partners).run(sink);
}

}  // namespace tarvo::demo
