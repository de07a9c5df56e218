#include "journal/gui/tformazvrstanal.h"

#include <QFormLayout>

#include "journal/tables/code_tables.h"

namespace tarvo::journal {

TFormAzVrstaNal::TFormAzVrstaNal(TDataModule1& data, UserPrompt& prompt, QWidget* parent)
    : TFormAzTab(tables::vrstaNalEditor(data, prompt), parent) {
    QFormLayout* group = addInputGroup(QString::fromUtf8("Podaci o vrsti naloga"));
    inputs().addLine(group, editor(), "id", "id");
    inputs().addLine(group, editor(), "opis", "opis");
    inputs().addLine(group, editor(), "id2", QString::fromUtf8("id2 (stara ili alternativna šifra)"));
}

}  // namespace tarvo::journal
