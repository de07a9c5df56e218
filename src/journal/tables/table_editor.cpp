#include "journal/tables/table_editor.h"

#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "data/db/error.h"
#include "journal/fill_replace.h"
#include "journal/tables/field_text.h"
#include "journal/tables/table_file.h"
#include "journal/tables/table_print.h"
#include "journal/tables/table_sort.h"
#include "reporting/pdf/viewer.h"
#include "util/user_prompt.h"

namespace tarvo::tables {
namespace {

std::string replacedOnce(std::string text, std::string_view from, std::string_view to) {
    if (const size_t at = text.find(from); at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

}  // namespace

TableEditor::TableEditor(db::Dataset& dataset, db::Connection& connection, UserPrompt& prompt, TableEditorSetup setup)
    : dataset_(dataset), connection_(connection), prompt_(prompt), setup_(std::move(setup)) {}

TableEditor::~TableEditor() = default;

std::string TableEditor::printTitle() const {
    if (!setup_.printTitle.empty()) return setup_.printTitle;
    return replacedOnce(setup_.caption, "AŽURIRANJE", "PREGLED");
}

void TableEditor::report(const std::exception& error) { prompt_.message(error.what()); }

void TableEditor::reopen() {
    if (dataset_.isOpen()) dataset_.refresh();
    else dataset_.open();
}

bool TableEditor::otvori() {
    try {
        reopen();
    } catch (const db::DbError&) {
        std::string database;
        try {
            database = locateTable(connection_, dataset_.tableName()).database;
        } catch (const db::DbError&) {
            database = connection_.params().database;
        }
        prompt_.message("Ne mogu otvoriti tabelu! BAZA:" + database + " TABELA:" + dataset_.tableName());
        return false;
    }
    if (setup_.gridColumns.empty())
        for (const db::Column& column : dataset_.columns()) setup_.gridColumns.push_back(column.name);
    return true;
}

bool TableEditor::aktiviraj() {
    if (!calledForValue_ || !startAdding_) return false;
    startAdding_ = false;
    return dodaj();
}

bool TableEditor::editing() const {
    return dataset_.state() == db::Dataset::State::Insert || dataset_.state() == db::Dataset::State::Edit;
}

bool TableEditor::inserting() const { return dataset_.state() == db::Dataset::State::Insert; }

bool TableEditor::hasRecord() const { return dataset_.isOpen() && !dataset_.eof(); }

ButtonStates TableEditor::buttons() const {
    ButtonStates states;
    if (editing()) {
        states.potvrdi = true;
        states.dodaj = false;
        states.otkazi = true;
        states.vrati = false;
        states.gridEnabled = false;
        states.inputEnabled = true;
    } else {
        states.ispravka = dataset_.isOpen() && !dataset_.isEmpty();
    }
    return states;
}

bool TableEditor::dodaj() {
    if (!buttons().dodaj) return false;
    try {
        dataset_.insert();
        newRecordDefaults();
    } catch (const db::DbError& error) {
        dataset_.cancel();
        report(error);
        return false;
    }
    return true;
}

bool TableEditor::ispravka() {
    if (!buttons().ispravka || !hasRecord()) return false;
    try {
        dataset_.edit();
    } catch (const db::DbError& error) {
        report(error);
        return false;
    }
    return true;
}

bool TableEditor::kopiraj() {
    if (editing() || !hasRecord()) return false;
    std::vector<std::pair<std::string, db::Value>> values;
    for (const db::Column& column : dataset_.columns()) {
        if (db::sameName(column.name, "id")) continue;
        db::Value value = dataset_.field(column.name);
        if (!value.isNull()) values.emplace_back(column.name, std::move(value));
    }
    try {
        dataset_.insert();
        for (auto& [name, value] : values) dataset_.setField(name, std::move(value));
    } catch (const db::DbError& error) {
        dataset_.cancel();
        report(error);
        return false;
    }
    return true;
}

ConfirmResult TableEditor::potvrdi() {
    if (!editing()) return {};
    if (std::optional<SaveRefusal> refusal = refusalBeforeSave()) {
        prompt_.message(refusal->message);
        return {false, refusal->field};
    }
    try {
        dataset_.post();
    } catch (const db::DbError& error) {
        report(error);
        return {};
    }
    return {true, {}};
}

void TableEditor::otkazi() { dataset_.cancel(); }

bool TableEditor::brisi() {
    if (editing() || !hasRecord()) return false;
    if (!prompt_.ask(kDeleteQuestion)) return false;
    try {
        dataset_.remove();
        dataset_.refresh();
    } catch (const db::DbError& error) {
        report(error);
        return false;
    }
    return true;
}

std::optional<std::string> TableEditor::vratiSe() {
    returnedKey_.reset();
    try {
        if (hasRecord() || editing()) {
            const db::Value key = dataset_.field("id");
            if (!key.isNull()) returnedKey_ = key.asString();
        }
    } catch (const db::DbError&) {
        // A key that cannot be read is handed back as none.
    }
    afterReturn();
    return returnedKey_;
}

std::optional<std::string> TableEditor::sortiraj(std::string_view name, bool addToSort) {
    if (editing() || !dataset_.isOpen()) return std::nullopt;
    if (!column(name)) {
        prompt_.message("Nepoznata kolona: " + std::string(name));
        return std::nullopt;
    }
    const std::string ordering = orderingAfterClick(dataset_.indexFields(), column(name)->name, addToSort);
    try {
        dataset_.setIndexFields(ordering);
        dataset_.refresh();
    } catch (const db::DbError& error) {
        report(error);
        return std::nullopt;
    }
    return sortStatusText(ordering);
}

void TableEditor::zatvori() {
    dataset_.cancel();
    try {
        reopen();
    } catch (const db::DbError&) {
        // The window closes anyway; the next reader of the table reports the trouble.
    }
}

const db::Column* TableEditor::column(std::string_view field) const {
    for (const db::Column& column : dataset_.columns())
        if (db::sameName(column.name, field)) return &column;
    return nullptr;
}

std::string TableEditor::inputText(std::string_view field) const {
    if (!editing() && !hasRecord()) return {};
    try {
        const db::Value value = dataset_.field(field);
        if (const db::Column* meta = column(field)) return displayText(*meta, value);
        return value.asString();
    } catch (const db::DbError&) {
        return {};
    }
}

bool TableEditor::setInput(std::string_view field, std::string_view text) {
    const db::Column* meta = column(field);
    if (!meta || !editing() || text == inputText(field)) return true;
    const std::optional<db::Value> value = valueFromInput(*meta, text);
    if (!value) {
        prompt_.message("Neispravna vrijednost \"" + std::string(text) + "\" za kolonu " + meta->name + "!");
        return false;
    }
    dataset_.setField(meta->name, *value);
    return true;
}

std::filesystem::path TableEditor::tableFile() const {
    const std::string& name = dataset_.tableName();
    const size_t dot = name.find('.');
    return tableFilePath(dot == std::string::npos ? name : name.substr(dot + 1), fileSuffix_);
}

void TableEditor::snimiTabeluUFajl() {
    if (dataset_.tableName().empty()) {
        prompt_.message(kNotForThisData);
        return;
    }
    try {
        saveTable(connection_, locateTable(connection_, dataset_.tableName()), tableFile());
    } catch (const std::exception& error) {
        prompt_.message(std::string("GREŠKA!\n") + error.what());
        return;
    }
    prompt_.message("OK");
}

void TableEditor::ucitajTabeluIzFajla() {
    if (dataset_.tableName().empty()) {
        prompt_.message(kNotForThisData);
        return;
    }
    dataset_.cancel();
    try {
        const TableLocation location = locateTable(connection_, dataset_.tableName());
        const TableLoadResult result =
            loadTable(connection_, location, tableFile(), tableBackupPath(location.table, fileSuffix_));
        prompt_.message(result.message());
    } catch (const std::exception& error) {
        prompt_.message(std::string("GREŠKA!\n") + error.what());
    }
    try {
        dataset_.close();
        dataset_.open();
    } catch (const db::DbError& error) {
        report(error);
    }
}

bool TableEditor::stampaj(const std::filesystem::path& output, bool openViewer) {
    try {
        printTable(dataset_, setup_.gridColumns, printTitle(), output);
    } catch (const std::exception& error) {
        report(error);
        return false;
    }
    if (openViewer && !startViewer(output)) {
        prompt_.message("Ne mogu pokrenuti pregled fajla " + output.string());
        return false;
    }
    return true;
}

std::unique_ptr<TFFillAndReplace> TableEditor::popuniIliZamijeni(std::string_view name) {
    FillReplaceScope scope{dataset_.tableName(), {}, {}};
    if (editing() || !TFFillAndReplace::isChangeableColumn(dataset_, name, scope)) {
        if (!editing()) prompt_.message(TFFillAndReplace::kLookupColumn);
        return nullptr;
    }
    return std::make_unique<TFFillAndReplace>(connection_, dataset_, column(name)->name, std::move(scope), prompt_);
}

}  // namespace tarvo::tables
