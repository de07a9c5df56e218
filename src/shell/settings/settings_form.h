#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shell/settings/settings_fields.h"

namespace tarvo {
class ParameterTable;
}

namespace tarvo::shell {

// The result of saving the settings: nothing is written while a field is refused; a field whose write
// failed is listed and stays changed.
struct SettingsSaveResult {
    std::vector<std::string> refused;      // messages for fields whose text is not acceptable
    std::vector<std::string> failedKeys;   // keys the store did not take
    std::vector<std::string> writtenKeys;

    bool ok() const { return refused.empty() && failedKeys.empty(); }
    // The text to show the user when not ok.
    std::string message() const;
};

// The settings window without the window: the fields' texts, the values they had when loaded, loading
// (which creates the missing keys with their defaults) and saving only what changed.
class SettingsForm {
public:
    explicit SettingsForm(ParameterTable& parameters) : parameters_(parameters) {}

    // Reads every field; a missing key with a creation default is written with it. Records the old values.
    void load();
    bool loaded() const { return loaded_; }

    const std::string& text(std::string_view key) const;
    void setText(std::string_view key, std::string text);
    // True while some field differs from the value it had when loaded or last saved.
    bool changed() const;
    bool changed(std::string_view key) const;

    // Checks the changed fields, then writes them in the order of the window. Written fields count as
    // unchanged afterwards.
    SettingsSaveResult save();

    ParameterTable& parameters() { return parameters_; }

private:
    ParameterTable& parameters_;
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, std::string, std::less<>> old_;
    bool loaded_ = false;
};

// "" when the text suits the field, otherwise the message for the user.
std::string checkSettingText(const SettingsField& field, std::string_view text);

// "da" in any letter case: a tick box beside a "Generisati po defaultu?" field is ticked.
bool isYes(std::string_view text);

}  // namespace tarvo::shell
