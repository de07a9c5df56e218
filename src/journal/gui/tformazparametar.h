#pragma once
#include "journal/gui/tformaztab.h"

#include "data/catalogue/catalogue_names.h"

namespace tarvo {
class TDataModule1;
class UserPrompt;
}  // namespace tarvo

namespace tarvo::journal {

// "AŽURIRANJE  PARAMETARA": the company's local parameters, with "kopiraj stavku u sve firme".
class TFormAzParametar : public TFormAzTab {
    Q_OBJECT
public:
    TFormAzParametar(TDataModule1& data, UserPrompt& prompt, const CatalogueNames& names, QWidget* parent = nullptr);

    void kopirajUSveFirme();

protected:
    std::string fieldForNew() const override { return "value"; }
};

}  // namespace tarvo::journal
