#pragma once
#include "journal/gui/tformaztab.h"

class QLineEdit;

namespace tarvo {
class TDataModule1;
class UserPrompt;
}  // namespace tarvo

namespace tarvo::tables {
class PartnerEditor;
}

namespace tarvo::journal {

// "AŽURIRANJE PARTNERA": partners with their specific characteristics; "@" in the secondary code box
// puts in the next free code.
class TFormAzPartner : public TFormAzTab {
    Q_OBJECT
public:
    TFormAzPartner(TDataModule1& data, UserPrompt& prompt, QWidget* parent = nullptr);

    // From the global parameter "identBrojPartneraObavezan".
    void setIdentBrojObavezan(bool on);

protected:
    std::string fieldForNew() const override { return "naziv"; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    tables::PartnerEditor& partner();
    QLineEdit* id2_ = nullptr;
};

}  // namespace tarvo::journal
