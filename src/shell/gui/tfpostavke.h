#pragma once
#include <QDialog>
#include <map>
#include <string>
#include <string_view>

#include "shell/settings/settings_copy.h"
#include "shell/settings/settings_form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QGridLayout;

namespace tarvo::shell {

// "POSTAVKE APLIKACIJE": the settings of the open company year on tabs. Loads (creating the missing
// keys) when first shown; "OK, snimi" saves the changed fields and closes with OK.
class TFpostavke : public QDialog {
    Q_OBJECT
public:
    TFpostavke(ParameterTable& parameters, SettingsCopyContext copyContext, QWidget* parent = nullptr);

    const SettingsForm& form() const { return form_; }
    QLineEdit* field(std::string_view key) const;
    QCheckBox* tickBox(std::string_view key) const;
    QPushButton* okButton() const { return okButton_; }

    // Ctrl+S on a field: the saved setting copied to the other companies.
    void copyToAllCompanies(const std::string& key);
    // "kopiraj parametar u ostale firme" for the focused field.
    void writeFocusedSettingEverywhere();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* buildTab(std::string_view tab);
    void addField(QGridLayout* grid, const SettingsField& field, std::map<std::string_view, int>& rows);
    void loadFields();
    void fieldChanged(const std::string& key, const QString& text);
    void save();
    void refreshOkButton();

    SettingsForm form_;
    SettingsCopyContext copyContext_;
    std::map<std::string, QLineEdit*, std::less<>> fields_;
    std::map<std::string, QCheckBox*, std::less<>> tickBoxes_;
    QPushButton* okButton_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    bool shown_ = false;
    bool loading_ = false;
};

}  // namespace tarvo::shell
