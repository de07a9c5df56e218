#pragma once
// Opening the code-table editors from the menus, the administration window and the voucher entry.
#include <optional>
#include <string>

#include "data/catalogue/catalogue_names.h"

class QWidget;

namespace tarvo {
class TDataModule1;
class UserPrompt;
}  // namespace tarvo

namespace tarvo::journal {

// Modal editors on the open company year's tables. `fileSuffix` goes into the file name of
// "snimi tabelu u fajl" (the administration window passes "_" + the organisation type).
void openKontoEditor(TDataModule1& data, UserPrompt& prompt, QWidget* parent, const std::string& fileSuffix = {});
void openPartnerEditor(TDataModule1& data, UserPrompt& prompt, QWidget* parent, bool identBrojObavezan);
void openVrstaNalEditor(TDataModule1& data, UserPrompt& prompt, QWidget* parent);
void openParametarEditor(TDataModule1& data, UserPrompt& prompt, const CatalogueNames& names, QWidget* parent);

// The editor opened for a new record ("dodaj novi konto", ...): it starts the record at once and gives
// back the key of the record current when the user returned with "vrati se na prethodni unos";
// nothing when the window was closed otherwise.
std::optional<std::string> addNewAccount(TDataModule1& data, UserPrompt& prompt, QWidget* parent);
std::optional<long long> addNewPartner(TDataModule1& data, UserPrompt& prompt, QWidget* parent,
                                       bool identBrojObavezan);
std::optional<long long> addNewVoucherType(TDataModule1& data, UserPrompt& prompt, QWidget* parent);

}  // namespace tarvo::journal
