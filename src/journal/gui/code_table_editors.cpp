#include "journal/gui/code_table_editors.h"

#include <charconv>

#include "journal/gui/tformazkonto.h"
#include "journal/gui/tformazparametar.h"
#include "journal/gui/tformazpartner.h"
#include "journal/gui/tformazvrstanal.h"

namespace tarvo::journal {
namespace {

std::optional<std::string> runForValue(TFormAzTab& window) {
    window.setCalledForValue(true);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return window.returnedKey();
}

std::optional<long long> asId(const std::optional<std::string>& key) {
    long long id = 0;
    if (!key) return std::nullopt;
    auto [end, error] = std::from_chars(key->data(), key->data() + key->size(), id);
    if (error != std::errc() || end != key->data() + key->size()) return std::nullopt;
    return id;
}

}  // namespace

void openKontoEditor(TDataModule1& data, UserPrompt& prompt, QWidget* parent, const std::string& fileSuffix) {
    TFormAzKonto window(data, prompt, parent);
    window.editor().setFileSuffix(fileSuffix);
    window.exec();
}

void openPartnerEditor(TDataModule1& data, UserPrompt& prompt, QWidget* parent, bool identBrojObavezan) {
    TFormAzPartner window(data, prompt, parent);
    window.setIdentBrojObavezan(identBrojObavezan);
    window.exec();
}

void openVrstaNalEditor(TDataModule1& data, UserPrompt& prompt, QWidget* parent) {
    TFormAzVrstaNal window(data, prompt, parent);
    window.exec();
}

void openParametarEditor(TDataModule1& data, UserPrompt& prompt, const CatalogueNames& names, QWidget* parent) {
    TFormAzParametar window(data, prompt, names, parent);
    window.exec();
}

std::optional<std::string> addNewAccount(TDataModule1& data, UserPrompt& prompt, QWidget* parent) {
    TFormAzKonto window(data, prompt, parent);
    return runForValue(window);
}

std::optional<long long> addNewPartner(TDataModule1& data, UserPrompt& prompt, QWidget* parent,
                                       bool identBrojObavezan) {
    TFormAzPartner window(data, prompt, parent);
    window.setIdentBrojObavezan(identBrojObavezan);
    return asId(runForValue(window));
}

std::optional<long long> addNewVoucherType(TDataModule1& data, UserPrompt& prompt, QWidget* parent) {
    TFormAzVrstaNal window(data, prompt, parent);
    return asId(runForValue(window));
}

}  // namespace tarvo::journal
