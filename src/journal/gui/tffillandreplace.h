#pragma once
#include <QDialog>

#include <functional>
#include <string>

#include "journal/fill_replace.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tarvo::journal {

// "Traži i/ili zamijeni vrijednost u koloni" for the voucher's lines and the table windows: the special
// condition (yellow) when the change has one, the find and replace inputs of the column's kind, the
// choice between replacing a value and filling the column (off for a key), "IZVRŠI PROMJENU", "ODUSTANI".
class TFFillAndReplaceWindow : public QDialog {
    Q_OBJECT
public:
    explicit TFFillAndReplaceWindow(TFFillAndReplace& change, QWidget* parent = nullptr);

    QWidget* findInput() const { return find_.widget; }
    QWidget* replaceInput() const { return replace_.widget; }
    QRadioButton* fillChoice() const { return fill_; }
    QLineEdit* conditionValue() const { return conditionValue_; }
    // Runs the change; the window closes with OK when it was made.
    void izvrsiPromjenu();

private:
    struct Input {
        QWidget* widget = nullptr;
        std::function<std::string()> text;
        std::function<void(const std::string&)> setText;
    };
    Input makeInput(const char* name);
    QGroupBox* conditionGroup();
    void applyMode();

    TFFillAndReplace& change_;
    Input find_;
    Input replace_;
    QLabel* findLabel_ = nullptr;
    QLabel* replaceLabel_ = nullptr;
    QRadioButton* fill_ = nullptr;
    QLineEdit* conditionValue_ = nullptr;
};

}  // namespace tarvo::journal
