#include "journal/gui/tformazpartner.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>

#include "journal/tables/code_tables.h"

namespace tarvo::journal {

TFormAzPartner::TFormAzPartner(TDataModule1& data, UserPrompt& prompt, QWidget* parent)
    : TFormAzTab(tables::partnerEditor(data, prompt), parent) {
    QFormLayout* main = addInputGroup(QString::fromUtf8("Podaci o partneru"));
    inputs().addLine(main, editor(), "id", "id", {}, true);
    const QString hint = QString::fromUtf8("(@ za automatsko određivanje slobodnog broja)");
    id2_ = inputs().addLine(main, editor(), "id2", "id2", hint);
    id2_->setToolTip(hint);
    id2_->installEventFilter(this);
    for (const char* field : {"naziv", "pttbroj", "mjesto", "ulica", "telefon", "fax", "email", "porbroj", "identbroj"})
        inputs().addLine(main, editor(), field, field);
    inputs().addLine(main, editor(), "popust", "popust", "%");
    inputs().addLine(main, editor(), "rokpldana", "rokpldana");
    inputs().addLine(main, editor(), "drzava", "drzava");
    inputs().addChoice(main, "oblast", "oblast",
                       {{"FBiH", "FBiH"}, {"RS", "RS"}, {QString::fromUtf8("Distrikt Brčko"), "DB"}, {"nebitno", "nebitno"}});
    inputs().addLine(main, editor(), "racun", "racun");
    inputs().addChoice(main, "dob_kuf", QString::fromUtf8("klasifikacija partnera kao dobavljača - bitno za KUF"),
                       {{"u PDV", "u PDV"},
                        {QString::fromUtf8("van PDV ili oslobođen"), "van PDV"},
                        {"poljoprivreda", "poljoprivreda"}});

    QFormLayout* specific = addInputGroup(QString::fromUtf8("Specifične karakteristike"));
    for (const char* field : {"tk1", "nk1", "tk2", "nk2", "tk3", "nk3"}) inputs().addLine(specific, editor(), field, field);
}

tables::PartnerEditor& TFormAzPartner::partner() { return static_cast<tables::PartnerEditor&>(editor()); }

void TFormAzPartner::setIdentBrojObavezan(bool on) { partner().setIdentBrojObavezan(on); }

bool TFormAzPartner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == id2_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->text() == "@") {
        id2_->setText(QString::fromStdString(partner().nextFreeId2(id2_->text().toStdString())));
        return true;
    }
    return TFormAzTab::eventFilter(watched, event);
}

}  // namespace tarvo::journal
