#include "journal/gui/tffillandreplace.h"

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

#include "journal/gui/cell_text.h"
#include "ui/enter_as_tab.h"
#include "util/dates.h"

namespace tarvo::journal {
namespace {

constexpr const char* kDateFormat = "dd.MM.yyyy";

}  // namespace

TFFillAndReplaceWindow::TFFillAndReplaceWindow(TFFillAndReplace& change, QWidget* parent)
    : QDialog(parent), change_(change) {
    setWindowTitle(QString::fromUtf8(TFFillAndReplace::kCaption));
    change_.FormActivate(today());

    auto* layout = new QVBoxLayout(this);
    if (change_.posebniUslovVisible()) layout->addWidget(conditionGroup());

    const std::string_view caption = change_.groupCaption();
    auto* values = new QGroupBox(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), this);
    auto* form = new QFormLayout(values);
    find_ = makeInput("find");
    replace_ = makeInput("replace");
    findLabel_ = new QLabel(values);
    replaceLabel_ = new QLabel(values);
    form->addRow(findLabel_, find_.widget);
    form->addRow(replaceLabel_, replace_.widget);
    layout->addWidget(values);
    find_.setText(change_.findText());
    replace_.setText(change_.replaceText());
    find_.widget->setVisible(change_.findVisible());

    auto* modes = new QGroupBox(QString::fromUtf8("IZBOR NAČINA PROMJENE VRIJEDNOSTI"), this);
    auto* modeLayout = new QVBoxLayout(modes);
    auto* replaceMode = new QRadioButton(QString::fromUtf8("zamijeni traženu vrijednost"), modes);
    fill_ = new QRadioButton(QString::fromUtf8("popuni sve vrijednosti unešenom"), modes);
    replaceMode->setChecked(true);
    fill_->setEnabled(change_.fillAllowed());
    modeLayout->addWidget(replaceMode);
    modeLayout->addWidget(fill_);
    layout->addWidget(modes);
    connect(fill_, &QRadioButton::toggled, this, &TFFillAndReplaceWindow::applyMode);

    auto* buttons = new QHBoxLayout;
    auto* run = new QPushButton(QString::fromUtf8("IZVRŠI PROMJENU"), this);
    auto* cancel = new QPushButton(QString::fromUtf8("ODUSTANI"), this);
    for (QPushButton* button : {run, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(run, &QPushButton::clicked, this, &TFFillAndReplaceWindow::izvrsiPromjenu);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    applyMode();
    ui::EnterAsTab::installOn(this);
    replace_.widget->setFocus();
}

QGroupBox* TFFillAndReplaceWindow::conditionGroup() {
    auto* group = new QGroupBox(QString::fromUtf8("Posebni uslov za nalaženje stavki"), this);
    group->setAutoFillBackground(true);
    QPalette yellow = group->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    group->setPalette(yellow);
    auto* form = new QFormLayout(group);
    auto* column = new QLineEdit(qs(change_.conditionColumn()), group);
    column->setReadOnly(true);
    column->setFocusPolicy(Qt::NoFocus);
    conditionValue_ = new QLineEdit(qs(change_.conditionValue()), group);
    conditionValue_->setObjectName("conditionValue");
    form->addRow(QString::fromUtf8("naziv kolone"), column);
    form->addRow(QString::fromUtf8("vrijednost"), conditionValue_);
    return group;
}

TFFillAndReplaceWindow::Input TFFillAndReplaceWindow::makeInput(const char* name) {
    Input input;
    switch (change_.kind()) {
        case TFFillAndReplace::Kind::Integer: {
            auto* spin = new QSpinBox(this);
            spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
            input.widget = spin;
            input.text = [spin] { return std::to_string(spin->value()); };
            input.setText = [spin](const std::string& text) { spin->setValue(qs(text).toInt()); };
            break;
        }
        case TFFillAndReplace::Kind::Date: {
            auto* date = new QDateEdit(this);
            date->setDisplayFormat(kDateFormat);
            date->setCalendarPopup(true);
            input.widget = date;
            input.text = [date] { return date->date().toString(kDateFormat).toStdString(); };
            input.setText = [date](const std::string& text) { date->setDate(QDate::fromString(qs(text), kDateFormat)); };
            break;
        }
        case TFFillAndReplace::Kind::Float:
        case TFFillAndReplace::Kind::Text: {
            auto* edit = new QLineEdit(this);
            input.widget = edit;
            input.text = [edit] { return edit->text().toStdString(); };
            input.setText = [edit](const std::string& text) { edit->setText(qs(text)); };
            break;
        }
    }
    input.widget->setObjectName(name);
    return input;
}

void TFFillAndReplaceWindow::applyMode() {
    change_.setMode(fill_->isChecked() ? TFFillAndReplace::Mode::Fill : TFFillAndReplace::Mode::Replace);
    findLabel_->setText(qs(change_.findLabel()));
    replaceLabel_->setText(qs(change_.replaceLabel()));
    find_.widget->setEnabled(change_.findEnabled());
    findLabel_->setEnabled(change_.findEnabled());
}

void TFFillAndReplaceWindow::izvrsiPromjenu() {
    if (conditionValue_) change_.setConditionValue(conditionValue_->text().toStdString());
    if (change_.findVisible()) change_.setFindText(find_.text());
    change_.setReplaceText(replace_.text());
    if (change_.izvrsiPromjenu()) accept();
}

}  // namespace tarvo::journal
