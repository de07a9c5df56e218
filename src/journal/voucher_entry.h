#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/db/dataset.h"
#include "journal/entry_mode.h"
#include "journal/entry_result.h"
#include "journal/fill_replace.h"
#include "journal/journal_settings.h"
#include "journal/search.h"
#include "journal/voucher_picker.h"
#include "journal/voucher_transfer.h"
#include "util/dates.h"
#include "util/user_prompt.h"

namespace tarvo {

namespace db {
class Connection;
}
class TDMlokalni;

// Where the books of the open company year are.
struct BooksNames {
    std::string fin;           // the company year's finance database
    std::string pr;            // the company's common database (partners)
    std::string kontoTable;    // the chart of accounts as "database.table"; empty: fin + ".konto"
    std::string partnerTable;  // the partners; empty: pr + ".partner"
};

class TDataModule1;
// Where the open company year's chart of accounts and partners are, borrowed tables included.
BooksNames booksNamesOf(const TDataModule1& data);

// The two boxes under "SALDO:": the difference of the totals on the side that is larger.
struct SaldoDisplay {
    std::string left;   // EditSD: ukdug - ukpot when positive, else 0 (14 characters, 2 decimals)
    std::string right;  // EditSP: ukpot - ukdug when positive, else 0
    bool leftHighlighted = false;   // yellow instead of white
    bool rightHighlighted = false;
};

// A new voucher for the programmatic callers (automatic posting, card closing, cash closing, new year).
struct NewVoucher {
    long long vnalid = 1;
    Date datum;
    std::optional<std::string> opis;    // nothing: empty, or the cash-journal number of a cash voucher
    std::optional<std::string> oznaka;  // nothing: the next internal number
};

// A new line; what is not given keeps the value "nova stavka" carried over.
struct LineInput {
    std::optional<std::string> dokument;
    std::optional<Date> datum;
    std::optional<std::string> opis;
    std::string kontoid;
    long long partnerid = 0;
    double duguje = 0;
    double potrazuje = 0;
    std::optional<long long> fpogidokid;
    std::optional<long long> idokid;
    std::optional<std::string> v1, v2, v3;
};

// The voucher entry: a voucher is prepared in the working copy (TDMlokalni), line by line, and posted
// into the books. The window shows this class; automatic posting and the other generators drive the same
// operations. The books and the working copy are on one server: posting, correction and deleting each
// run as one transaction on the finance connection.
//
// Every operation that can go wrong returns an EntryResult; its messages have already been shown.
class VoucherEntry {
public:
    VoucherEntry(TDMlokalni& working, db::Connection& fin, BooksNames books, int businessYear,
                 JournalSettings settings, UserPrompt& prompt);
    VoucherEntry(const VoucherEntry&) = delete;
    VoucherEntry& operator=(const VoucherEntry&) = delete;

    // Settings, reloaded on every activation of the main window; switches `lineYearCheck` on again.
    void setSettings(JournalSettings settings);
    const JournalSettings& settings() const { return settings_; }
    void setBusinessYear(int year) { businessYear_ = year; }
    int businessYear() const { return businessYear_; }
    // While on, a line whose date is outside the business year is refused (on at start).
    void setLineYearCheck(bool on) { lineYearCheck_ = on; }
    bool lineYearCheck() const { return lineYearCheck_; }
    // While on, "nova stavka" assigns no cash-document number (off at start).
    void setSkipCashDocNumbering(bool on) { skipCashDocNumbering_ = on; }
    bool skipCashDocNumbering() const { return skipCashDocNumbering_; }
    // Today's date; the local clock unless a test sets another.
    void setToday(std::function<Date()> today) { today_ = std::move(today); }
    // Runs after the books changed (posted, written, deleted), so that the books' tables can be read again.
    void setBooksChangedHandler(std::function<void()> handler) { booksChanged_ = std::move(handler); }

    // ---- State for the window ----
    EntryMode mode() const { return mode_; }
    EntryControls controls() const;
    // Panel1: visible while a voucher is open.
    bool isVoucherOpen() const { return panelVisible_; }
    // Label27: "UNOS NOVOG NALOGA ZA KNJIŽENJE" or "ISPRAVKA NALOGA ZA KNJIŽENJE".
    const std::string& title() const { return title_; }
    // The open voucher's id; nothing before its header was first saved.
    std::optional<long long> voucherId() const { return voucherId_; }
    // The header's type equals "sifraNalogaBlagajne".
    bool isCashVoucher() const;
    // The description field: "Dnevnik blagajne br." 424 points wide for a cash voucher, else "Opis" 524.
    std::string descriptionLabel() const;
    int descriptionWidth() const;

    // The working header (current row = the open voucher) and the voucher's lines in their ordering.
    db::Dataset& header();
    db::Dataset& lines();
    db::Value headerValue(std::string_view field) const;
    db::Value lineValue(std::string_view field) const;
    // Only while the header (mode "novidokument", "dokument") or a line (mode "stavke") is being typed.
    bool setHeaderField(std::string_view field, db::Value value);
    bool setLineField(std::string_view field, db::Value value);
    // "DUGUJE" and "POTRAŽUJE" ("#.00") and the two boxes of the difference.
    std::string ukdugText() const;
    std::string ukpotText() const;
    const SaldoDisplay& saldo() const { return saldo_; }

    // ---- The voucher ----
    // "Novi": a new header of type 1 dated today, not saved yet; mode "novidokument". Refused while a
    // voucher is open.
    EntryResult Novi1Click();
    // Leaving the voucher-type box: the internal number and, for a cash voucher without a description,
    // the next cash-journal number.
    EntryResult DBLookupComboBox1Exit();
    // The next internal voucher number into `oznaka`; without `force` only when `oznaka` is empty.
    EntryResult DajNoviInterniBroj(bool force);
    // Header "potvrdi unos": warns about a date outside the business year, saves the header (a new one gets
    // an id above the books' highest), shows its lines; mode "laviranje".
    EntryResult BitBtn4Click();
    // Header "otkaži unos/ispravku".
    void BitBtn8Click();
    // "ispravi osn.podatke": mode "dokument" with the header in edit.
    EntryResult BitBtn5Click();
    // "Ispravi": `choose` shows the pick list (voucherPicker()) and returns the chosen id, or nothing when
    // cancelled. The voucher is copied from the books unless the user continues its working copy.
    EntryResult Ispravi1Click(const std::function<std::optional<long long>()>& choose);
    // "Skloni (ažuriraj)": saves what is being typed, recomputes the totals, refuses an unbalanced voucher
    // (offering a balancing line) and posts a balanced one; mode "ništa" after posting.
    EntryResult Auriraj1Click();
    EntryResult post() { return Auriraj1Click(); }
    // Writes the voucher as it is into the books and keeps the working copy (preview).
    EntryResult azurirajDokument(long long id);
    // "Briši": asks, then brisiNalog.
    EntryResult Brii1Click();
    // Removes the open voucher from the books and the working copy; mode "ništa".
    EntryResult brisiNalog();
    // Shows the difference of the totals; returns ukdug - ukpot in whole cents.
    double setSaldoNaloga();
    void setujKontroleZaEdit(std::string_view mode) { setMode(entryModeFromText(mode)); }
    // Recomputes the totals from the lines, reads the header again and shows the difference.
    bool RekalkUkupno();
    // "počisti tj. izbriši sadržaj pomoćnih tabela za pripremu naloga"; refused while a voucher is open.
    EntryResult N4Click();
    // Closing the main window: refused ("Prvo završite tj. ažurirajte nalog!") while a voucher is open.
    bool FormCloseQuery();

    // ---- Lines ----
    // "nova stavka": a line with the carried-over document, date and description, the next line number
    // and, in a cash voucher, the next cash-document number; mode "stavke".
    EntryResult BitBtn3Click();
    // Line "potvrdi unos": year check, save, totals, mode "laviranje", balance control.
    EntryResult BitBtn2Click();
    // "ispravi stavku".
    EntryResult BitBtn6Click();
    // Line "otkaži unos / ispravku".
    void BitBtn7Click();
    // "briši stavku", "briši sve stavke" (both ask first).
    EntryResult briistavku1Click();
    EntryResult briisvestavke1Click();
    // The amount of the voucher's last saved line (0 without one) into the box that has the focus.
    EntryResult kopirajiznosprethodnestavkesapotranestrane1Click(bool debitBoxFocused);
    EntryResult kopirajiznosprethodnestavkesadugovnestrane1Click(bool debitBoxFocused);
    // Warnings about the balance of the current line's account; they have been shown.
    std::vector<std::string> kontrolisiSaldoKonta();

    // ---- Dialogs on the entry's data ----
    // The pick list for "Ispravi".
    TForm8 voucherPicker();
    // Partner search with the initial text; on OK the window sets `partnerid` to the chosen id.
    TFPretraga traziPartnera(std::string text, int attribute, int mode);
    // Chart-of-accounts search from the current account code.
    TFPretraga traikonto1Click();
    // Fill or replace in a column of the voucher's lines; nothing (after "Pomoćne kolone ne možete
    // mijenjati ovom opcijom!") for a lookup column, `id` and `nalogid`. The totals are recomputed after a change.
    std::optional<TFFillAndReplace> popuniilizamijenivrijednostukoloni1Click(const std::string& column);

    // ---- For programmatic callers ----
    // "Novi", the type, the automatic numbers, the description and date, "potvrdi unos".
    EntryResult startVoucher(const NewVoucher& voucher);
    // "nova stavka", the fields, line "potvrdi unos"; a refused line is cancelled again.
    EntryResult addLine(const LineInput& line);

private:
    void setMode(EntryMode mode) { mode_ = mode; }
    Date today() const { return today_(); }
    VoucherCopies copies() const;
    void ensureTablesOpen();
    void reopenWorkingTables();
    void showLinesOf(std::optional<long long> id);
    bool locateHeader();
    bool refreshHeader();
    void closeEntry();
    EntryResult closeAfterBooksChanged();
    void saveHeader();
    void saveLine();
    EntryResult failure(const std::string& text);
    EntryResult refusal(const std::string& text);
    EntryResult offerBalancingLine();
    EntryResult copyPreviousAmount(const char* column, bool debitBoxFocused);
    bool headerEditing() const;
    bool lineEditing() const;

    TDMlokalni& working_;
    db::Connection& fin_;
    BooksNames books_;
    int businessYear_;
    JournalSettings settings_;
    UserPrompt& prompt_;
    bool lineYearCheck_ = true;
    bool skipCashDocNumbering_ = false;
    std::function<Date()> today_;
    std::function<void()> booksChanged_;

    EntryMode mode_ = EntryMode::Nista;
    bool panelVisible_ = false;
    std::string title_;
    std::optional<long long> voucherId_;
    SaldoDisplay saldo_;
};

}  // namespace tarvo
