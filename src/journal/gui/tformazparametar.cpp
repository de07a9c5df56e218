#include "journal/gui/tformazparametar.h"

#include <QFormLayout>
#include <QMenu>

#include "journal/tables/code_tables.h"
#include "ui/copy_progress_panel.h"

namespace tarvo::journal {

TFormAzParametar::TFormAzParametar(TDataModule1& data, UserPrompt& prompt, const CatalogueNames& names,
                                   QWidget* parent)
    : TFormAzTab(tables::parameterEditor(data, prompt, names), parent) {
    QFormLayout* group = addInputGroup(QString::fromUtf8("Podaci o parametru"));
    inputs().addLine(group, editor(), "id", QString::fromUtf8("id (ključ)"));
    inputs().addLine(group, editor(), "value", "value (vrijednost)");
    gridMenu()->addAction(QString::fromUtf8("kopiraj stavku u sve firme"), this, &TFormAzParametar::kopirajUSveFirme);
}

void TFormAzParametar::kopirajUSveFirme() {
    ui::CopyProgressPanel panel(this);
    static_cast<tables::ParameterEditor&>(editor()).kopirajUSveFirme(panel.progress());
}

}  // namespace tarvo::journal
