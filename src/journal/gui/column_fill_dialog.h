#pragma once
#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QRadioButton;

namespace tarvo::tables {
class ColumnFillReplace;
}

namespace tarvo::journal {

// "Traži i/ili zamijeni vrijednost u koloni": the find and replace inputs of the column's kind, the
// choice between replacing a value and filling the column, "IZVRŠI PROMJENU" and "ODUSTANI".
class ColumnFillDialog : public QDialog {
    Q_OBJECT
public:
    ColumnFillDialog(tables::ColumnFillReplace& change, QWidget* parent = nullptr);

    QRadioButton* fillChoice() const { return fill_; }
    // Runs the change; the dialog closes with OK when it was made.
    void izvrsiPromjenu();

private:
    struct Input {
        QWidget* widget = nullptr;
        std::function<std::string()> text;
        std::function<void(const std::string&)> setText;
    };
    Input makeInput(const char* name);
    void applyMode();

    tables::ColumnFillReplace& change_;
    Input find_;
    Input replace_;
    QLabel* findLabel_ = nullptr;
    QLabel* replaceLabel_ = nullptr;
    QRadioButton* replaceMode_ = nullptr;
    QRadioButton* fill_ = nullptr;
};

}  // namespace tarvo::journal
