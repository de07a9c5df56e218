#pragma once
#include "journal/gui/tformaztab.h"

namespace tarvo {
class TDataModule1;
class UserPrompt;
}  // namespace tarvo

namespace tarvo::journal {

// "AŽURIRANJE VRSTA NALOGA": voucher types; the focus goes to the description.
class TFormAzVrstaNal : public TFormAzTab {
    Q_OBJECT
public:
    TFormAzVrstaNal(TDataModule1& data, UserPrompt& prompt, QWidget* parent = nullptr);

protected:
    std::string fieldForNew() const override { return "opis"; }
};

}  // namespace tarvo::journal
