#pragma once
// The logic of the generic table window: one data set browsed in a grid and one record edited in an
// input group; add, edit, confirm, cancel, delete, copy, sort, fill or replace a column, print, and save
// or load the whole table. The window shows what this class decides; editors of particular tables
// derive from it and add their defaults and rules.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {
class TFFillAndReplace;
class UserPrompt;
namespace db {
struct Column;
class Connection;
class Dataset;
}  // namespace db
}  // namespace tarvo

namespace tarvo::tables {

struct TableEditorSetup {
    std::string caption;                   // "AŽURIRANJE KONTA"
    std::vector<std::string> gridColumns;  // empty: every column of the data set
    std::string printTitle;                // empty: the caption with "AŽURIRANJE" replaced by "PREGLED"
};

// Which buttons are enabled. "vrati se na prethodni unos" is shown only when called for a value.
struct ButtonStates {
    bool potvrdi = false;  // "Potvrdi unos"
    bool dodaj = true;     // "Dodaj/nova"
    bool ispravka = false; // "Ispravka"
    bool otkazi = false;   // "Otkaži unos/ispravku"
    bool vrati = true;     // "vrati se na prethodni unos"
    bool gridEnabled = true;
    bool inputEnabled = false;
    bool operator==(const ButtonStates&) const = default;
};

// A rule that keeps the record from being saved: the message and the field that gets the focus.
struct SaveRefusal {
    std::string message;
    std::string field;
};

struct ConfirmResult {
    bool saved = false;
    std::string focusField;  // set when a rule refused the record
};

class TableEditor {
public:
    static constexpr const char* kDeleteQuestion = "Zaista želite obrisati odabranu stavku?";
    static constexpr const char* kNotForThisData = "Za ove podatke nije predviđena ova operacija!";

    // `connection` is the data set's own connection (the table lives in its current database unless the
    // table name carries one).
    TableEditor(db::Dataset& dataset, db::Connection& connection, UserPrompt& prompt, TableEditorSetup setup);
    virtual ~TableEditor();
    TableEditor(const TableEditor&) = delete;
    TableEditor& operator=(const TableEditor&) = delete;

    db::Dataset& dataset() { return dataset_; }
    const db::Dataset& dataset() const { return dataset_; }
    db::Connection& connection() { return connection_; }
    UserPrompt& prompt() { return prompt_; }
    const std::string& caption() const { return setup_.caption; }
    const std::vector<std::string>& gridColumns() const { return setup_.gridColumns; }
    std::string printTitle() const;
    void setPrintTitle(std::string title) { setup_.printTitle = std::move(title); }
    // Appended to the table name in the file name of "snimi tabelu u fajl" ("_PRED" for a chart).
    const std::string& fileSuffix() const { return fileSuffix_; }
    void setFileSuffix(std::string suffix) { fileSuffix_ = std::move(suffix); }

    // Set by a caller that wants the key of a new record back.
    void setCalledForValue(bool on) { calledForValue_ = on; }
    bool calledForValue() const { return calledForValue_; }
    // The key handed back by "vrati se na prethodni unos"; nothing when it could not be read.
    const std::optional<std::string>& returnedKey() const { return returnedKey_; }

    // On creation: refreshes an open data set or reopens a closed one. On failure says
    // "Ne mogu otvoriti tabelu! BAZA:... TABELA:..." and returns false; the window opens all the same.
    bool otvori();
    // On the window's first show: browsing; called for a value, a new record is started, once.
    // True when that new record was started.
    bool aktiviraj();

    bool editing() const;
    bool inserting() const;
    ButtonStates buttons() const;

    // Each is refused (false) when the buttons do not allow it, or after a message from the data layer.
    bool dodaj();
    bool ispravka();
    // A new record with every value of the current one except the key.
    bool kopiraj();
    ConfirmResult potvrdi();
    void otkazi();
    // Asks kDeleteQuestion first.
    bool brisi();
    // Takes the current record's key for the caller.
    std::optional<std::string> vratiSe();
    // Sorts by a grid column, or adds it to the ordering; returns the status text, or nothing after a
    // message.
    std::optional<std::string> sortiraj(std::string_view column, bool addToSort);
    // Closing the window: a pending record is cancelled and the data set read again, errors ignored.
    void zatvori();

    // The record's value as its input shows it ("" with no record).
    std::string inputText(std::string_view field) const;
    // Puts typed text into the record being edited; an unchanged text leaves the value alone. False
    // after a message when the text is no value of the column.
    bool setInput(std::string_view field, std::string_view text);
    // The column of the table, or null for lookup fields and unknown names.
    const db::Column* column(std::string_view field) const;

    void snimiTabeluUFajl();
    void ucitajTabeluIzFajla();
    std::filesystem::path tableFile() const;
    // Ctrl+P: the PDF print, opened in the viewer when asked.
    bool stampaj(const std::filesystem::path& output = "my_preview.pdf", bool openViewer = true);
    // The fill-or-replace operation on a grid column; nothing after "Pomoćne kolone ne možete mijenjati
    // ovom opcijom!" for a lookup column.
    std::unique_ptr<TFFillAndReplace> popuniIliZamijeni(std::string_view column);

protected:
    // Values of a new record ("Dodaj/nova" only, not a copy).
    virtual void newRecordDefaults() {}
    // Rules checked before the record is saved.
    virtual std::optional<SaveRefusal> refusalBeforeSave() { return std::nullopt; }
    virtual void afterReturn() {}
    // The message for a failure of the data layer.
    void report(const std::exception& error);

private:
    bool hasRecord() const;
    void reopen();

    db::Dataset& dataset_;
    db::Connection& connection_;
    UserPrompt& prompt_;
    TableEditorSetup setup_;
    std::string fileSuffix_;
    bool calledForValue_ = false;
    bool startAdding_ = true;
    std::optional<std::string> returnedKey_;
};

}  // namespace tarvo::tables
