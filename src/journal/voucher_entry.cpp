#include "journal/voucher_entry.h"

#include "data/catalogue/identifiers.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "journal/dataset_reload.h"
#include "journal/field_values.h"
#include "journal/voucher_numbers.h"
#include "journal/working_database.h"
#include "util/amounts.h"
#include "util/numbers.h"
#include "util/strings.h"

namespace tarvo {
namespace {

constexpr unsigned kDuplicateKey = 1062;

SaldoDisplay saldoDisplayFor(double difference) {
    const int sign = amountSign(difference);
    SaldoDisplay shown;
    shown.left = formatFixed(2, 14, false, sign > 0 ? difference : 0.0);
    shown.right = formatFixed(2, 14, false, sign < 0 ? -difference : 0.0);
    shown.leftHighlighted = sign > 0;
    shown.rightHighlighted = sign < 0;
    return shown;
}

std::string vanishedMessage(long long id) {
    return "Nalog (id=" + std::to_string(id) + ") više ne postoji u pomoćnoj tabeli! Ažuriranje nije izvršeno.";
}

bool isEditing(const db::Dataset& dataset) {
    return dataset.state() == db::Dataset::State::Insert || dataset.state() == db::Dataset::State::Edit;
}

}  // namespace

VoucherEntry::VoucherEntry(TDMlokalni& working, db::Connection& fin, BooksNames books, int businessYear,
                           JournalSettings settings, UserPrompt& prompt)
    : working_(working),
      fin_(fin),
      books_(std::move(books)),
      businessYear_(businessYear),
      prompt_(prompt),
      today_([] { return tarvo::today(); }),
      saldo_(saldoDisplayFor(0)) {
    requireDatabaseName(books_.fin);
    requireDatabaseName(books_.pr);
    if (books_.kontoTable.empty()) books_.kontoTable = books_.fin + ".konto";
    if (books_.partnerTable.empty()) books_.partnerTable = books_.pr + ".partner";
    setSettings(std::move(settings));
}

void VoucherEntry::setSettings(JournalSettings settings) {
    settings_ = std::move(settings);
    lineYearCheck_ = true;
    working_.setStavkeIndexi(settings_.stavkeIndexi);
}

// ---- State ----

EntryControls VoucherEntry::controls() const {
    const db::Dataset& l = working_.MyTable_konnal();
    return entryControls(mode_, voucherId_ && l.isOpen() && !l.isEmpty(), settings_.nalogKoristiID2);
}

db::Dataset& VoucherEntry::header() { return working_.MyTable_nalog(); }
db::Dataset& VoucherEntry::lines() { return working_.MyTable_konnal(); }

bool VoucherEntry::headerEditing() const { return isEditing(working_.MyTable_nalog()); }
bool VoucherEntry::lineEditing() const { return isEditing(working_.MyTable_konnal()); }

db::Value VoucherEntry::headerValue(std::string_view field) const {
    const db::Dataset& h = working_.MyTable_nalog();
    if (!h.isOpen() || (!isEditing(h) && (h.eof() || !voucherId_))) return db::Value::null();
    return h.field(field);
}

db::Value VoucherEntry::lineValue(std::string_view field) const {
    const db::Dataset& l = working_.MyTable_konnal();
    if (!l.isOpen() || (!isEditing(l) && l.eof())) return db::Value::null();
    return l.field(field);
}

bool VoucherEntry::setHeaderField(std::string_view field, db::Value value) {
    if (!headerEditing()) return false;
    header().setField(field, std::move(value));
    return true;
}

bool VoucherEntry::setLineField(std::string_view field, db::Value value) {
    if (!lineEditing()) return false;
    lines().setField(field, std::move(value));
    return true;
}

bool VoucherEntry::isCashVoucher() const {
    const db::Value vnalid = headerValue("vnalid");
    return !vnalid.isNull() && trimmed(vnalid.asString()) == trimmed(settings_.sifraNalogaBlagajne);
}

std::string VoucherEntry::descriptionLabel() const { return isCashVoucher() ? "Dnevnik blagajne br." : "Opis"; }
int VoucherEntry::descriptionWidth() const { return isCashVoucher() ? 424 : 524; }

std::string VoucherEntry::ukdugText() const { return amountDisplayText(headerValue("ukdug").asDouble()); }
std::string VoucherEntry::ukpotText() const { return amountDisplayText(headerValue("ukpot").asDouble()); }

VoucherCopies VoucherEntry::copies() const { return {books_.fin, working_.databaseName()}; }

void VoucherEntry::ensureTablesOpen() {
    if (!header().isOpen() || !lines().isOpen()) working_.otvoriTabele();
}

void VoucherEntry::reopenWorkingTables() {
    working_.zatvoriTabele();
    working_.otvoriTabele();
    locateHeader();
}

void VoucherEntry::showLinesOf(std::optional<long long> id) {
    if (!id) {
        lines().setFilter([](const db::Dataset&) { return false; });
        return;
    }
    const long long n = *id;
    lines().setFilter([n](const db::Dataset& d) { return d.field("nalogid").asInt() == n; });
}

bool VoucherEntry::locateHeader() {
    if (!voucherId_) return false;
    if (headerEditing()) return true;
    return header().isOpen() && header().locate("id", std::to_string(*voucherId_));
}

bool VoucherEntry::refreshHeader() {
    if (!headerEditing()) {
        try {
            reloadDataset(header());
        } catch (const db::DbError& error) {
            prompt_.message(error.what());
            return false;
        }
    }
    if (!locateHeader()) {
        saldo_ = saldoDisplayFor(0);
        return false;
    }
    setSaldoNaloga();
    return true;
}

void VoucherEntry::closeEntry() {
    if (lineEditing()) lines().cancel();
    if (headerEditing()) header().cancel();
    setMode(EntryMode::Nista);
    panelVisible_ = false;
    voucherId_.reset();
    saldo_ = saldoDisplayFor(0);
    showLinesOf(std::nullopt);
}

EntryResult VoucherEntry::failure(const std::string& text) {
    prompt_.message(text);
    return EntryResult::failed(text);
}

EntryResult VoucherEntry::refusal(const std::string& text) {
    prompt_.message(text);
    return EntryResult::refused(text);
}

// A new header gets an id above the books' highest; two workstations taking the same id at once make the
// second insert fail on the key, and it takes the next one.
void VoucherEntry::saveHeader() {
    if (header().state() != db::Dataset::State::Insert || !header().field("id").isNull()) {
        header().post();
        return;
    }
    for (int attempt = 1;; ++attempt) {
        header().setField("id", integerValue(nextVoucherId(fin_, copies())));
        try {
            header().post();
            return;
        } catch (const db::DbError& error) {
            if (error.code() != kDuplicateKey || attempt == 3) throw;
        }
    }
}

// ---- The voucher ----

EntryResult VoucherEntry::Novi1Click() {
    if (panelVisible_) return EntryResult::refused();
    try {
        ensureTablesOpen();
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    title_ = "UNOS NOVOG NALOGA ZA KNJIŽENJE";
    panelVisible_ = true;
    setMode(EntryMode::NoviDokument);
    voucherId_.reset();
    showLinesOf(std::nullopt);
    saldo_ = saldoDisplayFor(0);
    header().insert();
    header().setField("vnalid", integerValue(1));
    header().setField("datum", dateValue(today()));
    return EntryResult::done();
}

EntryResult VoucherEntry::DBLookupComboBox1Exit() {
    if (!headerEditing()) return EntryResult::done();
    if (EntryResult numbered = DajNoviInterniBroj(false); !numbered) return numbered;
    const std::optional<long long> vnalid = parseWholeNumber(headerValue("vnalid").asString());
    if (!vnalid || !isCashVoucher() || !headerValue("opis").asString().empty()) return EntryResult::done();
    try {
        header().setField("opis", integerValue(highestCashJournalNumber(fin_, books_.fin, *vnalid) + 1));
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    return EntryResult::done();
}

EntryResult VoucherEntry::DajNoviInterniBroj(bool force) {
    const std::optional<long long> vnalid = parseWholeNumber(headerValue("vnalid").asString());
    if (!vnalid || (!force && !headerValue("oznaka").asString().empty())) return EntryResult::done();
    if (!headerEditing()) {
        if (!locateHeader()) return EntryResult::refused();
        header().edit();
    }
    try {
        const long long n =
            highestInternalNumber(fin_, books_.fin, settings_.brNalZavisiOdVrNal ? vnalid : std::nullopt) + 1;
        header().setField("oznaka", db::Value(internalNumberText(n, settings_.brNalogaKrozGodina, today())));
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    return EntryResult::done();
}

EntryResult VoucherEntry::BitBtn4Click() {
    if (!controls().headerConfirm) return EntryResult::refused();
    std::string shown;
    if (const std::optional<Date> datum = dateOf(headerValue("datum"));
        datum && static_cast<int>(datum->year()) != businessYear_) {
        shown = "UPOZORENJE: Datum naloga je izvan poslovne godine!";
        prompt_.message(shown);
    }
    try {
        if (headerEditing()) saveHeader();
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    voucherId_ = header().asInt("id");
    showLinesOf(voucherId_);
    setMode(EntryMode::Laviranje);
    setSaldoNaloga();
    return EntryResult::done(shown);
}

void VoucherEntry::BitBtn8Click() {
    if (header().state() == db::Dataset::State::Insert) {
        header().cancel();
        closeEntry();
    } else if (header().state() == db::Dataset::State::Edit) {
        header().cancel();
        setMode(EntryMode::Laviranje);
        setSaldoNaloga();
    }
}

EntryResult VoucherEntry::BitBtn5Click() {
    if (mode_ != EntryMode::Laviranje || !locateHeader()) return EntryResult::refused();
    setMode(EntryMode::Dokument);
    header().edit();
    return EntryResult::done();
}

EntryResult VoucherEntry::Ispravi1Click(const std::function<std::optional<long long>()>& choose) {
    if (!controls().ispravi || panelVisible_) return EntryResult::refused();
    try {
        ensureTablesOpen();
        if (fin_.query("select 1 from " + books_.fin + ".nalog limit 1").empty())
            return refusal("Nema ažuriranih naloga !");
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    const std::optional<long long> chosen = choose();
    if (!chosen) return EntryResult::cancelled();
    const long long id = *chosen;
    title_ = "ISPRAVKA NALOGA ZA KNJIŽENJE";
    panelVisible_ = true;
    try {
        const bool inWorkingCopy = !working_.MyConnection1()
                                        .query("select * from " + working_.databaseName() +
                                               ".nalog where id=" + std::to_string(id))
                                        .empty();
        const bool copy = !inWorkingCopy ||
                          !prompt_.ask("Izabrani nalog postoji u pomoćnoj tabeli. Da li želite nastaviti njegovu obradu?");
        if (copy && copyVoucherToWorking(fin_, copies(), id) == TransferOutcome::MissingSource) {
            closeEntry();
            return refusal("Izabrani nalog ne postoji među ažuriranim nalozima!");
        }
        voucherId_ = id;
        reopenWorkingTables();
    } catch (const db::DbError& error) {
        closeEntry();
        return failure(error.what());
    }
    if (!locateHeader()) {
        closeEntry();
        return refusal(vanishedMessage(id));
    }
    showLinesOf(id);
    setMode(EntryMode::Dokument);
    setSaldoNaloga();
    header().edit();
    return EntryResult::done();
}

EntryResult VoucherEntry::offerBalancingLine() {
    const std::string refused = "Nalog nije u ravnoteži! Ažuriranje nije dopušteno";
    prompt_.message(refused);
    if (!prompt_.ask("Želite li dodati jednu novu stavku radi uravnoteženja?")) return EntryResult::refused(refused);
    const bool credit = prompt_.ask("Da li ćete razliku staviti na potražnu stranu?");
    const double ukdug = headerValue("ukdug").asDouble();
    const double ukpot = headerValue("ukpot").asDouble();
    if (EntryResult started = BitBtn3Click(); !started) return started;
    if (credit) setLineField("potrazuje", amountValue(ukdug - ukpot));
    else setLineField("duguje", amountValue(ukpot - ukdug));
    return EntryResult::refused(refused);
}

EntryResult VoucherEntry::Auriraj1Click() {
    if (!panelVisible_) return EntryResult::refused();
    try {
        if (headerEditing()) {
            saveHeader();
            voucherId_ = header().asInt("id");
            showLinesOf(voucherId_);
        }
        if (lineEditing()) saveLine();
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    if (!voucherId_) return EntryResult::refused();
    const long long id = *voucherId_;
    setMode(EntryMode::Laviranje);
    if (!working_.RekalkUkupno(std::to_string(id))) return EntryResult::failed("Greška pri rekalkulaciji ukupno?");
    if (!refreshHeader()) {
        closeEntry();
        return refusal(vanishedMessage(id));
    }
    if (!sameAmount(headerValue("ukdug").asDouble(), headerValue("ukpot").asDouble())) return offerBalancingLine();

    TransferOutcome outcome;
    try {
        outcome = writeVoucherToBooks(fin_, copies(), id, {.removeWorkingCopy = true, .requireBalanced = true});
    } catch (const db::DbError& error) {
        return failure("Nalog nije ažuriran i ostaje u pripremi!\n" + std::string(error.what()));
    }
    if (outcome == TransferOutcome::MissingSource) {
        closeEntry();
        return refusal(vanishedMessage(id));
    }
    if (outcome == TransferOutcome::Unbalanced) {
        refreshHeader();
        return offerBalancingLine();
    }
    return closeAfterBooksChanged();
}

// The voucher left the working copy: the entry closes, the books' readers and the working tables reload.
EntryResult VoucherEntry::closeAfterBooksChanged() {
    closeEntry();
    if (booksChanged_) booksChanged_();
    try {
        reopenWorkingTables();
    } catch (const db::DbError& error) {
        prompt_.message(error.what());
    }
    return EntryResult::done();
}

EntryResult VoucherEntry::azurirajDokument(long long id) {
    TransferOutcome outcome;
    try {
        if (lineEditing()) {
            saveLine();
            setMode(EntryMode::Laviranje);
        }
        outcome = writeVoucherToBooks(fin_, copies(), id, {});
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    if (outcome != TransferOutcome::Done) return refusal(vanishedMessage(id));
    if (voucherId_ == id) refreshHeader();
    if (booksChanged_) booksChanged_();
    return EntryResult::done();
}

EntryResult VoucherEntry::Brii1Click() {
    if (!panelVisible_) return EntryResult::refused();
    if (!prompt_.ask("Zaista želite obrisati prikazani nalog?")) return EntryResult::cancelled();
    return brisiNalog();
}

EntryResult VoucherEntry::brisiNalog() {
    if (!voucherId_) return EntryResult::refused();
    if (lineEditing()) lines().cancel();
    if (headerEditing()) header().cancel();
    if (mode_ == EntryMode::Stavke || mode_ == EntryMode::Dokument) setMode(EntryMode::Laviranje);
    try {
        deleteVoucherEverywhere(fin_, copies(), *voucherId_);
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    return closeAfterBooksChanged();
}

double VoucherEntry::setSaldoNaloga() {
    const double difference = roundTo(headerValue("ukdug").asDouble() - headerValue("ukpot").asDouble(), 2);
    saldo_ = saldoDisplayFor(difference);
    return difference;
}

bool VoucherEntry::RekalkUkupno() {
    if (!voucherId_ || !working_.RekalkUkupno(std::to_string(*voucherId_))) return false;
    return refreshHeader();
}

EntryResult VoucherEntry::N4Click() {
    if (panelVisible_) return refusal("Prvo završite tj. ažurirajte nalog!");
    if (!prompt_.ask("Da li ste sigurni da želite izbrisati sve stavke iz pripreme naloga?"))
        return EntryResult::cancelled();
    try {
        working_.obrisiSvePripreme();
        if (header().isOpen()) reopenWorkingTables();
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    return EntryResult::done();
}

bool VoucherEntry::FormCloseQuery() {
    if (!panelVisible_) return true;
    prompt_.message("Prvo završite tj. ažurirajte nalog!");
    return false;
}

// ---- For programmatic callers ----

EntryResult VoucherEntry::startVoucher(const NewVoucher& voucher) {
    if (EntryResult started = Novi1Click(); !started) return started;
    setHeaderField("vnalid", integerValue(voucher.vnalid));
    if (EntryResult numbered = DBLookupComboBox1Exit(); !numbered) {
        BitBtn8Click();
        return numbered;
    }
    if (voucher.oznaka) setHeaderField("oznaka", db::Value(*voucher.oznaka));
    if (voucher.opis) setHeaderField("opis", db::Value(*voucher.opis));
    setHeaderField("datum", dateValue(voucher.datum));
    EntryResult confirmed = BitBtn4Click();
    if (!confirmed) BitBtn8Click();
    return confirmed;
}

}  // namespace tarvo
