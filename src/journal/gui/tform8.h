#pragma once
#include <QDialog>

#include <optional>

#include "journal/voucher_picker.h"

class QCheckBox;
class QComboBox;
class QTableWidget;

namespace tarvo {
class UserPrompt;
}

namespace tarvo::journal {

// "IZBOR POSTOJEĆEG DOKUMENTA": the posted vouchers newest first, optionally of one type ("izdvoji").
// Enter or a double click on a row chooses it; Esc gives up.
class TForm8Window : public QDialog {
    Q_OBJECT
public:
    TForm8Window(TForm8& picker, UserPrompt& prompt, QWidget* parent = nullptr);

    QTableWidget* grid() const { return grid_; }
    QComboBox* typeList() const { return types_; }
    QCheckBox* izdvoji() const { return izdvoji_; }
    // Takes the grid's current row; the window closes with OK when there is one.
    void chooseCurrent();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filterChanged();
    void showRows();

    TForm8& picker_;
    UserPrompt& prompt_;
    QTableWidget* grid_ = nullptr;
    QComboBox* types_ = nullptr;
    QCheckBox* izdvoji_ = nullptr;
    bool activated_ = false;
};

// Shows the pick list modally; the chosen voucher's id, nothing when the user gave up.
std::optional<long long> chooseVoucher(TForm8& picker, UserPrompt& prompt, QWidget* parent);

}  // namespace tarvo::journal
