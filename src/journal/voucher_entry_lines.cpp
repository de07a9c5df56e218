// The posting lines of the open voucher and the dialogs that work on them.
#include "data/db/connection.h"
#include "data/db/error.h"
#include "journal/balance_control.h"
#include "journal/dataset_reload.h"
#include "journal/field_values.h"
#include "journal/voucher_entry.h"
#include "journal/voucher_numbers.h"
#include "journal/working_database.h"
#include "util/amounts.h"
#include "util/strings.h"

namespace tarvo {
namespace {

std::string joinLines(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : "\n") + text;
    return joined;
}

bool isBlank(const db::Value& value) { return value.isNull() || trimmed(value.asString()).empty(); }

}  // namespace

// The NOT NULL columns get explicit values: a line without partner, account or amount is saved as such.
void VoucherEntry::saveLine() {
    db::Dataset& l = lines();
    for (const char* column : {"partnerid", "duguje", "potrazuje"})
        if (isBlank(l.field(column))) l.setField(column, db::Value("0"));
    if (l.field("kontoid").isNull()) l.setField("kontoid", db::Value(""));
    l.post();
}

EntryResult VoucherEntry::BitBtn3Click() {
    if (mode_ != EntryMode::Laviranje || !voucherId_) return EntryResult::refused();
    const long long id = *voucherId_;
    std::string dokument, opis;
    Date datum = today();
    if (!lines().eof()) {
        dokument = lines().asString("dokument");
        opis = lines().asString("opis");
        datum = dateOf(lines().field("datum")).value_or(datum);
    }
    std::string shown;
    long long rbr = 0;
    try {
        rbr = nextLineNumber(working_.MyConnection1(), working_.databaseName(), id);
        const std::optional<long long> vnalid = parseWholeNumber(headerValue("vnalid").asString());
        const bool balanced = sameAmount(headerValue("ukdug").asDouble(), headerValue("ukpot").asDouble());
        if (!skipCashDocNumbering_ && vnalid && isCashVoucher() && (dokument.empty() || balanced)) {
            dokument = std::to_string(nextCashDocumentNumber(fin_, books_.fin, working_.databaseName(), *vnalid));
            shown = "Naredni broj temeljnice upisan u dokument br.";
            prompt_.message(shown);
        }
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    db::Dataset& l = lines();
    l.insert();
    l.setField("nalogid", integerValue(id));
    l.setField("rbr", integerValue(rbr));
    l.setField("dokument", db::Value(dokument));
    l.setField("datum", dateValue(datum));
    l.setField("opis", db::Value(opis));
    l.setField("kontoid", db::Value(""));
    l.setField("partnerid", integerValue(0));
    l.setField("v1", db::Value(""));
    setMode(EntryMode::Stavke);
    return EntryResult::done(shown);
}

EntryResult VoucherEntry::BitBtn2Click() {
    if (!lineEditing()) return EntryResult::refused();
    if (lineYearCheck_) {
        const std::optional<Date> datum = dateOf(lineValue("datum"));
        if (!datum || static_cast<int>(datum->year()) != businessYear_)
            return refusal("Datum stavke neprihvatljiv - ne pripada tekućoj poslovnoj godini!");
    }
    try {
        saveLine();
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    RekalkUkupno();
    setMode(EntryMode::Laviranje);
    return EntryResult::done(joinLines(kontrolisiSaldoKonta()));
}

EntryResult VoucherEntry::BitBtn6Click() {
    if (mode_ != EntryMode::Laviranje || !voucherId_ || lines().eof()) return EntryResult::refused();
    setMode(EntryMode::Stavke);
    lines().edit();
    return EntryResult::done();
}

void VoucherEntry::BitBtn7Click() {
    if (lineEditing()) lines().cancel();
    if (mode_ == EntryMode::Stavke) setMode(EntryMode::Laviranje);
}

EntryResult VoucherEntry::briistavku1Click() {
    if (mode_ != EntryMode::Laviranje || !voucherId_ || lines().eof()) return EntryResult::refused();
    if (!prompt_.ask("Zaista želite obrisati prikazanu stavku?")) return EntryResult::cancelled();
    try {
        lines().remove();
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    RekalkUkupno();
    return EntryResult::done();
}

EntryResult VoucherEntry::briisvestavke1Click() {
    if (mode_ != EntryMode::Laviranje || !voucherId_) return EntryResult::refused();
    if (!prompt_.ask("Zaista želite obrisati sve stavke prikazanog naloga?")) return EntryResult::cancelled();
    try {
        working_.MyConnection1().execute("delete from " + working_.databaseName() +
                                         ".konnal where nalogid=" + std::to_string(*voucherId_));
        reloadDataset(lines());
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    RekalkUkupno();
    return EntryResult::done();
}

EntryResult VoucherEntry::copyPreviousAmount(const char* column, bool debitBoxFocused) {
    if (!lineEditing() || !voucherId_) return EntryResult::refused();
    double amount = 0;
    try {
        amount = working_.MyConnection1()
                     .scalar(std::string("select ") + column + " from " + working_.databaseName() +
                             ".konnal where nalogid=" + std::to_string(*voucherId_) + " order by id desc limit 1")
                     .asDouble();
    } catch (const db::DbError& error) {
        return failure(error.what());
    }
    setLineField(debitBoxFocused ? "duguje" : "potrazuje", amountValue(amount));
    return EntryResult::done();
}

EntryResult VoucherEntry::kopirajiznosprethodnestavkesapotranestrane1Click(bool debitBoxFocused) {
    return copyPreviousAmount("potrazuje", debitBoxFocused);
}

EntryResult VoucherEntry::kopirajiznosprethodnestavkesadugovnestrane1Click(bool debitBoxFocused) {
    return copyPreviousAmount("duguje", debitBoxFocused);
}

std::vector<std::string> VoucherEntry::kontrolisiSaldoKonta() {
    if (!settings_.kontrolaSaldaKonta || !voucherId_) return {};
    const std::string kontoid = lineValue("kontoid").asString();
    if (!accountIsControlled(kontoid, settings_)) return {};
    std::vector<std::string> warnings;
    try {
        const double balance = accountBalance(fin_, books_.fin, working_.databaseName(), kontoid, *voucherId_);
        warnings = accountBalanceWarnings(kontoid, balance, settings_);
    } catch (const db::DbError& error) {
        warnings = {error.what()};
    }
    for (const std::string& warning : warnings) prompt_.message(warning);
    return warnings;
}

// ---- Dialogs ----

TForm8 VoucherEntry::voucherPicker() { return TForm8(fin_, books_.fin); }

TFPretraga VoucherEntry::traziPartnera(std::string text, int attribute, int mode) {
    TFPretraga search;
    search.setPartner(fin_, books_.partnerTable, attribute, mode);
    search.setInitialText(std::move(text));
    return search;
}

TFPretraga VoucherEntry::traikonto1Click() {
    TFPretraga search;
    search.setKonto(fin_, books_.kontoTable, 0, 0);
    search.setInitialText(lineValue("kontoid").asString());
    return search;
}

std::optional<TFFillAndReplace> VoucherEntry::popuniilizamijenivrijednostukoloni1Click(const std::string& column) {
    if (mode_ != EntryMode::Laviranje || !voucherId_) return std::nullopt;
    // Only this voucher's lines: the working copy holds the vouchers of every company.
    FillReplaceScope scope{working_.databaseName() + ".konnal", "nalogid=" + std::to_string(*voucherId_),
                           {"id", "nalogid"}};
    if (!TFFillAndReplace::isChangeableColumn(lines(), column, scope)) {
        prompt_.message(TFFillAndReplace::kLookupColumn);
        return std::nullopt;
    }
    std::optional<TFFillAndReplace> dialog;
    dialog.emplace(working_.MyConnection1(), lines(), column, std::move(scope), prompt_, [this] { RekalkUkupno(); });
    dialog->ukljuciPosebniUslov("kontoid", "");
    return dialog;
}

// ---- For programmatic callers ----

EntryResult VoucherEntry::addLine(const LineInput& line) {
    if (EntryResult started = BitBtn3Click(); !started) return started;
    auto set = [this](const char* field, db::Value value) { setLineField(field, std::move(value)); };
    if (line.dokument) set("dokument", db::Value(*line.dokument));
    if (line.datum) set("datum", dateValue(*line.datum));
    if (line.opis) set("opis", db::Value(*line.opis));
    set("kontoid", db::Value(line.kontoid));
    set("partnerid", integerValue(line.partnerid));
    set("duguje", amountValue(line.duguje));
    set("potrazuje", amountValue(line.potrazuje));
    if (line.fpogidokid) set("fpogidokid", integerValue(*line.fpogidokid));
    if (line.idokid) set("idokid", integerValue(*line.idokid));
    if (line.v1) set("v1", db::Value(*line.v1));
    if (line.v2) set("v2", db::Value(*line.v2));
    if (line.v3) set("v3", db::Value(*line.v3));
    EntryResult confirmed = BitBtn2Click();
    if (!confirmed) BitBtn7Click();
    return confirmed;
}

}  // namespace tarvo
