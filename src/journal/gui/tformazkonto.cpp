#include "journal/gui/tformazkonto.h"

#include <QFormLayout>

#include "journal/tables/code_tables.h"

namespace tarvo::journal {

TFormAzKonto::TFormAzKonto(TDataModule1& data, UserPrompt& prompt, QWidget* parent)
    : TFormAzTab(tables::kontoEditor(data, prompt), parent) {
    QFormLayout* group = addInputGroup(QString::fromUtf8("Podaci o kontu"));
    inputs().addLine(group, editor(), "id", "id");
    inputs().addLine(group, editor(), "naziv", "naziv");
}

}  // namespace tarvo::journal
