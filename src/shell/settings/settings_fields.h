#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvo::shell {

// What a setting's text must be before it is saved.
enum class FieldCheck {
    Text,           // anything up to the column width
    WholeNumber,    // an integer, for the settings the program reads as numbers
    CompanyNumber,  // empty, or the number of a company (a positive integer)
    Number,         // a decimal number, "." or "," as separator
};

// One labelled field of the settings window, bound to one local parameter.
struct SettingsField {
    std::string_view tab;
    std::string_view group;   // "" for a field placed on the tab itself
    std::string_view label;
    std::string_view key;
    // The value a missing key is created with when the window loads; none for a read-only field, which
    // stays absent until it is saved.
    std::optional<std::string_view> createdWith;
    FieldCheck check = FieldCheck::Text;
    // For a "Generisati po defaultu?" switch: the account field it stands beside (it gets a tick box).
    std::string_view besideKey = {};
};

// The longest value and the longest key `parametar` keeps.
inline constexpr std::size_t kMaxSettingLength = 100;
inline constexpr std::size_t kMaxSettingKeyLength = 30;

// A key longer than the column ("prelazniTransRnPovratSredstavaGD") would be cut onto another key: it is
// never written, reads as its default, and its field cannot be edited.
inline bool isStorable(const SettingsField& field) { return field.key.size() <= kMaxSettingKeyLength; }

// Every field in the order of the window's tabs; saving goes in this order.
std::span<const SettingsField> settingsFields();
const SettingsField* findSettingsField(std::string_view key);

// "LE_" + key, with "%" written "_charOfPercent"; the reverse gives "" for a name that is not a field's.
std::string fieldNameOfKey(std::string_view key);
std::string keyOfFieldName(std::string_view name);

// The read-only note of the "Ostalo" tab.
inline constexpr std::string_view kOstaloNapomena =
    "NAPOMENA: Završna knjiženja prihoda i rashoda koriste i regularne izraze za obuhvatanje konta prihoda i "
    "rashoda sa kartice \"Bilansi\".";

}  // namespace tarvo::shell
