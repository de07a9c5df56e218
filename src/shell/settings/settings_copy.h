#pragma once
#include <functional>
#include <optional>
#include <string>

#include "data/catalogue/catalogue_names.h"
#include "data/copy_to_all.h"

namespace tarvo {
class UserPrompt;
namespace db {
class Connection;
}
}  // namespace tarvo

namespace tarvo::shell {

class SettingsForm;

// Where a setting is copied: the catalogue connection reaches `ex` and every company's pr database.
struct SettingsCopyContext {
    db::Connection& catalogue;
    CatalogueNames names;
    std::string prDatabase;  // the open company year's
    UserPrompt& prompt;
};

// Ctrl+S on a setting: after the question, saves the window when something changed, then copies the
// stored row of `key` into the other companies' pr databases. Nothing when not confirmed, when saving
// fails or when the copy is refused.
std::optional<CopyToAllResult> copySavedSetting(SettingsForm& form, const std::string& key,
                                                const SettingsCopyContext& context,
                                                const CopyToAllProgress& progress = {});

// "kopiraj parametar u ostale firme": writes `value` under `key` into the pr database of every
// registered company year, the open one included, showing "FIRMA:... GODINA:... BAZA:......OK!" (or
// "...GREŠKA!") per database through `status`, and ends with "PRENOS PARAMETRA ZAVRŠEN!". The open
// company's loaded parameters are read again afterwards.
CopyToAllResult writeSettingIntoAllCompanies(SettingsForm& form, const std::string& key, const std::string& value,
                                             const SettingsCopyContext& context,
                                             const std::function<void(const std::string&)>& status = {});

}  // namespace tarvo::shell
