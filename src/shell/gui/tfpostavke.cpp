#include "shell/gui/tfpostavke.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "data/db/error.h"
#include "ui/copy_progress_panel.h"
#include "ui/enter_as_tab.h"
#include "util/user_prompt.h"

namespace tarvo::shell {
namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr std::string_view kTabs[] = {"Nalog", "Izvještaji", "Ostalo", "Kontiranje"};

}  // namespace

TFpostavke::TFpostavke(ParameterTable& parameters, SettingsCopyContext copyContext, QWidget* parent)
    : QDialog(parent), form_(parameters), copyContext_(std::move(copyContext)) {
    setObjectName("Fpostavke");
    setWindowTitle("POSTAVKE APLIKACIJE");
    auto* tabs = new QTabWidget(this);
    for (std::string_view tab : kTabs) tabs->addTab(buildTab(tab), qs(tab));

    okButton_ = new QPushButton("OK, snimi", this);
    okButton_->setEnabled(false);
    auto* cancel = new QPushButton("Odustani", this);
    connect(okButton_, &QPushButton::clicked, this, &TFpostavke::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancel);

    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
    layout->addWidget(statusBar_);
    ui::EnterAsTab::installOn(this);
    resize(760, 560);
}

QWidget* TFpostavke::buildTab(std::string_view tab) {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    QGridLayout* grid = nullptr;
    std::string_view group = "-";
    std::map<std::string_view, int> rows;
    for (const SettingsField& field : settingsFields()) {
        if (field.tab != tab) continue;
        if (!grid || field.group != group) {
            group = field.group;
            grid = new QGridLayout;
            if (group.empty()) {
                column->addLayout(grid);
            } else {
                auto* box = new QGroupBox(qs(group));
                box->setLayout(grid);
                column->addWidget(box);
            }
        }
        addField(grid, field, rows);
    }
    if (tab == "Ostalo") {
        auto* note = new QLabel(qs(kOstaloNapomena));
        note->setWordWrap(true);
        column->addWidget(note);
    }
    column->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

void TFpostavke::addField(QGridLayout* grid, const SettingsField& field, std::map<std::string_view, int>& rows) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromStdString(fieldNameOfKey(field.key)));
    edit->setMaxLength(static_cast<int>(kMaxSettingLength));
    // The window's own context menu copies the field; the focus says which one.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->installEventFilter(this);
    edit->setEnabled(isStorable(field));
    const std::string key(field.key);
    fields_[key] = edit;
    connect(edit, &QLineEdit::textChanged, this, [this, key](const QString& text) { fieldChanged(key, text); });

    auto* label = new QLabel(qs(field.label));
    label->setBuddy(edit);
    if (field.besideKey.empty()) {
        const int row = grid->rowCount();
        rows[field.key] = row;
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        return;
    }
    auto found = rows.find(field.besideKey);
    const int row = found == rows.end() ? grid->rowCount() : found->second;
    auto* tick = new QCheckBox;
    tick->setEnabled(isStorable(field));
    tickBoxes_[key] = tick;
    connect(tick, &QCheckBox::clicked, edit, [edit](bool ticked) { edit->setText(ticked ? "da" : "ne"); });
    edit->setMaximumWidth(60);
    grid->addWidget(label, row, 2);
    grid->addWidget(edit, row, 3);
    grid->addWidget(tick, row, 4);
}

QLineEdit* TFpostavke::field(std::string_view key) const {
    auto found = fields_.find(key);
    return found == fields_.end() ? nullptr : found->second;
}

QCheckBox* TFpostavke::tickBox(std::string_view key) const {
    auto found = tickBoxes_.find(key);
    return found == tickBoxes_.end() ? nullptr : found->second;
}

void TFpostavke::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    try {
        loadFields();
    } catch (const std::exception& error) {
        copyContext_.prompt.message(error.what());
    }
}

void TFpostavke::loadFields() {
    form_.load();
    loading_ = true;
    for (auto& [key, edit] : fields_) edit->setText(QString::fromStdString(form_.text(key)));
    loading_ = false;
    for (auto& [key, tick] : tickBoxes_) tick->setChecked(isYes(form_.text(key)));
    refreshOkButton();
}

void TFpostavke::fieldChanged(const std::string& key, const QString& text) {
    if (loading_) return;
    form_.setText(key, text.toStdString());
    if (QCheckBox* tick = tickBox(key)) {
        const QSignalBlocker quiet(tick);
        tick->setChecked(isYes(form_.text(key)));
    }
    refreshOkButton();
}

void TFpostavke::refreshOkButton() { okButton_->setEnabled(form_.loaded() && form_.changed()); }

void TFpostavke::save() {
    const SettingsSaveResult result = form_.save();
    refreshOkButton();
    if (!result.ok()) {
        copyContext_.prompt.message(result.message());
        return;
    }
    accept();
}

bool TFpostavke::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_S && key->modifiers() == Qt::ControlModifier) {
            copyToAllCompanies(keyOfFieldName(watched->objectName().toStdString()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFpostavke::copyToAllCompanies(const std::string& key) {
    if (key.empty() || !form_.loaded()) return;
    try {
        ui::CopyProgressPanel panel(this);
        copySavedSetting(form_, key, copyContext_, panel.progress());
    } catch (const std::exception& error) {
        copyContext_.prompt.message(error.what());
    }
    refreshOkButton();
}

void TFpostavke::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction("kopiraj parametar u ostale firme", this, &TFpostavke::writeFocusedSettingEverywhere);
    menu.exec(event->globalPos());
}

void TFpostavke::writeFocusedSettingEverywhere() {
    QWidget* focused = focusWidget();
    const std::string key = focused ? keyOfFieldName(focused->objectName().toStdString()) : std::string();
    auto* edit = qobject_cast<QLineEdit*>(focused);
    if (key.empty() || !edit || !form_.loaded()) {
        copyContext_.prompt.message("Kućica sa vrijednošću parametra mora biti fokusirana prilikom desnog klika!");
        return;
    }
    try {
        writeSettingIntoAllCompanies(form_, key, edit->text().toStdString(), copyContext_,
                                     [this](const std::string& line) {
                                         statusBar_->showMessage(QString::fromStdString(line));
                                         statusBar_->repaint();
                                     });
    } catch (const std::exception& error) {
        copyContext_.prompt.message(error.what());
    }
}

}  // namespace tarvo::shell
