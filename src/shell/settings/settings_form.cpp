#include "shell/settings/settings_form.h"

#include <stdexcept>

#include "data/params/parameter_table.h"
#include "util/numbers.h"
#include "util/strings.h"
#include "util/utf8.h"

namespace tarvo::shell {
namespace {

bool isWholeNumber(std::string_view text) {
    const std::string value = trimmed(text);
    size_t start = !value.empty() && (value[0] == '-' || value[0] == '+') ? 1 : 0;
    if (start == value.size()) return false;
    for (size_t i = start; i < value.size(); ++i)
        if (value[i] < '0' || value[i] > '9') return false;
    return true;
}

bool isCompanyNumber(std::string_view text) {
    const std::string value = trimmed(text);
    if (value.empty()) return true;
    if (!isWholeNumber(value) || value[0] == '-' || value[0] == '+') return false;
    return value.find_first_not_of('0') != std::string::npos;
}

const std::string& emptyText() {
    static const std::string empty;
    return empty;
}

}  // namespace

std::string SettingsSaveResult::message() const {
    std::string text;
    for (const std::string& line : refused) text += (text.empty() ? "" : "\n") + line;
    if (!failedKeys.empty()) {
        if (!text.empty()) text += "\n";
        text += "Nisu snimljeni parametri:";
        for (const std::string& key : failedKeys) text += " " + key;
    }
    return text;
}

std::string checkSettingText(const SettingsField& field, std::string_view text) {
    const std::string label = "\"" + std::string(field.label) + "\"";
    if (utf8Length(text) > kMaxSettingLength)
        return "Vrijednost polja " + label + " je duža od " + std::to_string(kMaxSettingLength) + " znakova!";
    switch (field.check) {
        case FieldCheck::Text:
            return {};
        case FieldCheck::WholeNumber:
            return isWholeNumber(text) ? std::string() : "Vrijednost polja " + label + " mora biti cijeli broj!";
        case FieldCheck::CompanyNumber:
            return isCompanyNumber(text) ? std::string()
                                         : "Vrijednost polja " + label + " mora biti broj firme ili prazna!";
        case FieldCheck::Number:
            return tryParseAmount(text, false) ? std::string() : "Vrijednost polja " + label + " mora biti broj!";
    }
    return {};
}

bool isYes(std::string_view text) { return utf8Lower(trimmed(text)) == "da"; }

void SettingsForm::load() {
    texts_.clear();
    for (const SettingsField& field : settingsFields()) {
        const std::string key(field.key);
        texts_[key] = field.createdWith ? parameters_.sgetParam(key, *field.createdWith) : parameters_.getParam(key);
    }
    old_ = texts_;
    loaded_ = true;
}

const std::string& SettingsForm::text(std::string_view key) const {
    auto found = texts_.find(key);
    return found == texts_.end() ? emptyText() : found->second;
}

void SettingsForm::setText(std::string_view key, std::string text) {
    if (!findSettingsField(key)) throw std::invalid_argument("Nepoznata postavka: " + std::string(key));
    texts_[std::string(key)] = std::move(text);
}

bool SettingsForm::changed(std::string_view key) const {
    auto old = old_.find(key);
    return text(key) != (old == old_.end() ? emptyText() : old->second);
}

bool SettingsForm::changed() const {
    for (const SettingsField& field : settingsFields())
        if (changed(field.key)) return true;
    return false;
}

SettingsSaveResult SettingsForm::save() {
    SettingsSaveResult result;
    for (const SettingsField& field : settingsFields()) {
        if (!changed(field.key)) continue;
        if (std::string problem = checkSettingText(field, text(field.key)); !problem.empty())
            result.refused.push_back(std::move(problem));
    }
    if (!result.refused.empty()) return result;
    for (const SettingsField& field : settingsFields()) {
        if (!changed(field.key)) continue;
        const std::string key(field.key);
        if (parameters_.setParam(key, text(key))) {
            old_[key] = text(key);
            result.writtenKeys.push_back(key);
        } else {
            result.failedKeys.push_back(key);
        }
    }
    return result;
}

}  // namespace tarvo::shell
