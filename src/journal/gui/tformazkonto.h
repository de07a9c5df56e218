#pragma once
#include "journal/gui/tformaztab.h"

namespace tarvo {
class TDataModule1;
class UserPrompt;
}  // namespace tarvo

namespace tarvo::journal {

// "AŽURIRANJE KONTA": the chart of accounts; new and copied accounts start at the code, edits at the name.
class TFormAzKonto : public TFormAzTab {
    Q_OBJECT
public:
    TFormAzKonto(TDataModule1& data, UserPrompt& prompt, QWidget* parent = nullptr);

protected:
    std::string fieldForNew() const override { return "id"; }
    std::string fieldForEdit() const override { return "naziv"; }
};

}  // namespace tarvo::journal
