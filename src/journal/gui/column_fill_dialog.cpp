#include "journal/gui/column_fill_dialog.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

#include "journal/tables/column_fill.h"
#include "ui/enter_as_tab.h"
#include "util/dates.h"

namespace tarvo::journal {
namespace {

constexpr const char* kDateFormat = "dd.MM.yyyy";

}  // namespace

ColumnFillDialog::ColumnFillDialog(tables::ColumnFillReplace& change, QWidget* parent)
    : QDialog(parent), change_(change) {
    setWindowTitle(QString::fromUtf8(tables::ColumnFillReplace::kCaption));
    change_.FormActivate(today());

    auto* layout = new QVBoxLayout(this);
    auto* values = new QGroupBox(QString::fromUtf8(change_.groupCaption().data(),
                                                   static_cast<qsizetype>(change_.groupCaption().size())));
    auto* form = new QFormLayout(values);
    find_ = makeInput("find");
    replace_ = makeInput("replace");
    findLabel_ = new QLabel;
    replaceLabel_ = new QLabel;
    form->addRow(findLabel_, find_.widget);
    form->addRow(replaceLabel_, replace_.widget);
    layout->addWidget(values);
    find_.setText(change_.findText());
    replace_.setText(change_.replaceText());
    find_.widget->setVisible(change_.findVisible());

    auto* modes = new QGroupBox(QString::fromUtf8("IZBOR NAČINA PROMJENE VRIJEDNOSTI"));
    auto* modeRow = new QVBoxLayout(modes);
    replaceMode_ = new QRadioButton(QString::fromUtf8("zamijeni traženu vrijednost"));
    fill_ = new QRadioButton(QString::fromUtf8("popuni sve vrijednosti unešenom"));
    replaceMode_->setChecked(true);
    fill_->setEnabled(change_.fillAllowed());
    modeRow->addWidget(replaceMode_);
    modeRow->addWidget(fill_);
    layout->addWidget(modes);
    connect(fill_, &QRadioButton::toggled, this, [this] { applyMode(); });

    auto* buttons = new QHBoxLayout;
    auto* run = new QPushButton(QString::fromUtf8("IZVRŠI PROMJENU"));
    auto* cancel = new QPushButton(QString::fromUtf8("ODUSTANI"));
    run->setAutoDefault(false);
    cancel->setAutoDefault(false);
    buttons->addWidget(run);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(run, &QPushButton::clicked, this, &ColumnFillDialog::izvrsiPromjenu);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    applyMode();
    ui::EnterAsTab::installOn(this);
    replace_.widget->setFocus();
}

ColumnFillDialog::Input ColumnFillDialog::makeInput(const char* name) {
    Input input;
    switch (change_.kind()) {
        case tables::ColumnFillReplace::Kind::Integer: {
            auto* spin = new QSpinBox;
            spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
            input.widget = spin;
            input.text = [spin] { return std::to_string(spin->value()); };
            input.setText = [spin](const std::string& text) { spin->setValue(QString::fromStdString(text).toInt()); };
            break;
        }
        case tables::ColumnFillReplace::Kind::Date: {
            auto* date = new QDateEdit;
            date->setDisplayFormat(kDateFormat);
            date->setCalendarPopup(true);
            input.widget = date;
            input.text = [date] { return date->date().toString(kDateFormat).toStdString(); };
            input.setText = [date](const std::string& text) {
                date->setDate(QDate::fromString(QString::fromStdString(text), kDateFormat));
            };
            break;
        }
        case tables::ColumnFillReplace::Kind::Float:
        case tables::ColumnFillReplace::Kind::Text: {
            auto* edit = new QLineEdit;
            input.widget = edit;
            input.text = [edit] { return edit->text().toStdString(); };
            input.setText = [edit](const std::string& text) { edit->setText(QString::fromStdString(text)); };
            break;
        }
    }
    input.widget->setObjectName(name);
    return input;
}

void ColumnFillDialog::applyMode() {
    change_.setMode(fill_->isChecked() ? tables::ColumnFillReplace::Mode::Fill : tables::ColumnFillReplace::Mode::Replace);
    findLabel_->setText(QString::fromStdString(change_.findLabel()));
    replaceLabel_->setText(QString::fromStdString(change_.replaceLabel()));
    find_.widget->setEnabled(change_.findEnabled());
    findLabel_->setEnabled(change_.findEnabled());
}

void ColumnFillDialog::izvrsiPromjenu() {
    if (change_.findVisible()) change_.setFindText(find_.text());
    change_.setReplaceText(replace_.text());
    if (change_.izvrsiPromjenu()) accept();
}

}  // namespace tarvo::journal
