#include "lifecycle/demo/demo_books.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "data/catalogue/dm_firma.h"
#include "data/catalogue/identifiers.h"
#include "data/catalogue/server_setup.h"
#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "data/params/parameter_table.h"
#include "lifecycle/demo/demo_journal.h"
#include "lifecycle/demo/demo_partners.h"

namespace tarvo {

namespace {

constexpr int kLargeBooksPartners = 40;
constexpr int kRoleProdaja = 1;
constexpr int kRoleFinansije = 2;

void writePartners(db::Connection& connection, const std::vector<demo::DemoPartner>& partners) {
    db::BulkLoader loader(connection, "partner",
                          {"id", "naziv", "pttbroj", "mjesto", "ulica", "telefon", "fax", "email", "porbroj",
                           "identbroj", "popust", "rokpldana", "oblast", "drzava", "racun", "id2", "dob_kuf"});
    for (const demo::DemoPartner& p : partners) {
        loader.add({std::to_string(p.id), p.naziv, p.pttbroj, p.mjesto, p.ulica, p.telefon, "", p.email, p.porbroj,
                    p.identbroj, "0", std::to_string(p.rokpldana), p.oblast, "BiH", p.racun, p.id2, "u PDV"});
    }
    loader.flush();
}

std::vector<std::pair<std::string, std::string>> companyDetails(const DemoOptions& options) {
    const std::string slug = demo::asciiSlug(options.naziv.substr(0, options.naziv.find(' ')));
    const std::string domain = (slug.empty() ? std::string("demo") : slug) + ".ba";
    return {
        {"godinaRada", std::to_string(options.godina)},
        {"imeFirme", options.naziv},
        {"ulica", "Zmaja od Bosne 12"},
        {"ostatakAdrese", "71000 Sarajevo"},
        {"opcina", "73"},
        {"JIB_JMB", "4200123450008"},
        {"porBroj", "200123450008"},
        {"telefonFirme", "033/555-120"},
        {"emailFirme", "info@" + domain},
        {"vrstaDjelatnosti", "Nespecijalizovana trgovina na veliko"},
        {"vrstaDjelatnosti_novaSifra", "46.90"},
        {"vrstaDjelatnosti_staraSifra", "51.90"},
        {"preteznaDjelatnost", "46.90"},
        {"nazivBanka1", "Prva komercijalna banka d.d. Sarajevo"},
        {"racunBanka1", "1610000012345678"},
        {"nazivBanka2", "Bosanska štedna banka d.d. Tuzla"},
        {"racunBanka2", "1990000087654321"},
        {"racunovodja_ime", "Amra Hodžić"},
        {"racunovodja_brDozvole", "1234/15"},
        {"racunovodja_brTelefona", "061/234-567"},
        {"racunovodja_adresa", "Titova 5, 71000 Sarajevo"},
        {"racunovodja_JMB", "1203985175012"},
        {"racunovodja_email", "racunovodja@" + domain},
        {"firma_kanton", "Kanton Sarajevo"},
        {"firma_vecinskiVlasnik", "Edin Kovačević"},
        {"firma_procenatVV", "100,00"},
        {"firma_direktor", "Edin Kovačević"},
        {"firma_kantUredPU", "Kantonalni porezni ured Sarajevo"},
        {"firma_ispostavaPU", "Porezna ispostava Centar"},
        {"firma_brPoslJed", "1"},
        {"firma_uPDVsistemu", "da"},
    };
}

void writeCompanyDetails(db::Connection& connection, const std::string& prDatabase, const DemoOptions& options) {
    ParameterTable parameters = localParameters(connection, prDatabase);
    for (const auto& [key, value] : companyDetails(options)) {
        if (!parameters.setParam(key, value)) throw db::DbError("Parametar " + key + " nije upisan");
    }
}

bool hasRows(db::Connection& connection, const std::string& table) {
    return !connection.query("select 1 from " + table + " limit 1").empty();
}

long long journalLines(const demo::JournalPlan& plan, const std::vector<demo::DemoPartner>& partners) {
    long long lines = 0;
    demo::generateDemoJournal(plan, partners, [&](const demo::DemoVoucher& voucher) {
        lines += static_cast<long long>(voucher.lines.size());
        return true;
    });
    return lines;
}

// The size of a year that holds at least `lines` lines: estimated from a small year, then grown until a
// dry run of the whole year reaches it, so that the books end close to 31 December.
long long vouchersForLines(demo::JournalPlan plan, const std::vector<demo::DemoPartner>& partners,
                           long long lines) {
    plan.vouchers = 1000;
    long long reached = journalLines(plan, partners);
    for (;;) {
        plan.vouchers = std::max(plan.vouchers + 1, plan.vouchers * lines * 102 / (reached * 100));
        reached = journalLines(plan, partners);
        if (reached >= lines) return plan.vouchers;
    }
}

}  // namespace

DemoCompanyReport createDemoCompany(TDM_firma& catalogue, const DemoOptions& options) {
    DemoCompanyReport result;
    result.report = registerCompanyYear(catalogue, options.fid, options.naziv, options.godina, "PRED");
    if (!result.report.ok()) return result;
    result.prDatabase = catalogue.izBaza(options.fid, kRoleProdaja, options.godina);
    result.finDatabase = catalogue.izBaza(options.fid, kRoleFinansije, options.godina);
    if (result.prDatabase.empty() || result.finDatabase.empty()) {
        result.report.failures.push_back("Baze demo firme nisu registrovane");
        return result;
    }
    try {
        db::Connection connection(catalogue.connectionParams());
        if (hasRows(connection, result.prDatabase + ".partner") ||
            hasRows(connection, result.finDatabase + ".nalog")) {
            result.report.failures.push_back("Firma " + std::to_string(options.fid) +
                                             " već ima partnere ili naloge u " + std::to_string(options.godina) +
                                             ". godini: demo podaci nisu upisani.");
            return result;
        }
        demo::DemoRandom random(options.seed);
        const std::vector<demo::DemoPartner> partners = demo::demoPartners(random, options.partners);

        db::Transaction transaction(connection);
        connection.selectDatabase(result.prDatabase);
        writePartners(connection, partners);
        writeCompanyDetails(connection, result.prDatabase, options);
        connection.selectDatabase(result.finDatabase);
        demo::BooksWriter writer(connection);
        demo::generateDemoJournal({options.godina, options.seed, options.vouchers}, partners,
                                  [&](const demo::DemoVoucher& voucher) {
                                      writer.add(voucher);
                                      return true;
                                  });
        writer.finish();
        transaction.commit();
        result.partners = static_cast<int>(partners.size());
        result.books = writer.totals();
    } catch (const db::DbError& error) {
        result.report.failures.push_back("Demo podaci nisu upisani: " + error.serverMessage());
    } catch (const std::invalid_argument& error) {
        result.report.failures.push_back(error.what());
    }
    return result;
}

BooksTotals generateLargeBooks(db::Connection& connection, const std::string& finDatabase, std::size_t lines,
                               std::uint32_t seed, int godina) {
    requireDatabaseName(finDatabase);
    if (lines == 0) return {};
    demo::DemoRandom random(seed);
    const std::vector<demo::DemoPartner> partners = demo::demoPartners(random, kLargeBooksPartners);
    const long long wanted = static_cast<long long>(lines);
    const demo::JournalPlan plan{godina, seed, vouchersForLines({godina, seed, 0}, partners, wanted)};

    db::DatabaseScope scope(connection);
    connection.selectDatabase(finDatabase);
    db::Transaction transaction(connection);
    demo::BooksWriter writer(connection);
    demo::generateDemoJournal(plan, partners, [&](const demo::DemoVoucher& voucher) {
        writer.add(voucher);
        return writer.totals().lines < wanted;
    });
    writer.finish();
    transaction.commit();
    return writer.totals();
}

}  // namespace tarvo
