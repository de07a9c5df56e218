#include "journal/gui/record_inputs.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "data/db/dataset.h"
#include "journal/tables/field_text.h"
#include "journal/tables/table_editor.h"

namespace tarvo::journal {

QLineEdit* RecordInputs::addLine(QFormLayout* layout, const tables::TableEditor& editor, const std::string& field,
                                 const QString& label, const QString& note, bool readOnly) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromStdString(field));
    if (const db::Column* column = editor.column(field)) {
        if (const unsigned size = tables::fieldSize(*column); size > 0) edit->setMaxLength(static_cast<int>(size));
    }
    if (readOnly) {
        edit->setReadOnly(true);
        edit->setEnabled(false);
    }
    if (note.isEmpty()) {
        layout->addRow(label, edit);
    } else {
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(new QLabel(note));
        layout->addRow(label, row);
    }
    bindings_.push_back({field, [edit] { return edit->text().toStdString(); },
                         [edit](const std::string& text) { edit->setText(QString::fromStdString(text)); }, edit,
                         readOnly});
    return edit;
}

QButtonGroup* RecordInputs::addChoice(QFormLayout* layout, const std::string& field, const QString& caption,
                                      const std::vector<Choice>& items) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(QString::fromStdString(field));
    auto* row = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    std::vector<std::pair<QAbstractButton*, std::string>> buttons;
    for (const Choice& item : items) {
        auto* button = new QRadioButton(item.label);
        row->addWidget(button);
        group->addButton(button);
        buttons.emplace_back(button, item.stored);
    }
    layout->addRow(box);
    bindings_.push_back({field,
                         [buttons] {
                             for (const auto& [button, stored] : buttons)
                                 if (button->isChecked()) return stored;
                             return std::string();
                         },
                         [group, buttons](const std::string& value) {
                             // A value of none of the items leaves every button off.
                             group->setExclusive(false);
                             for (const auto& [button, stored] : buttons) button->setChecked(db::sameText(stored, value));
                             group->setExclusive(true);
                         },
                         buttons.empty() ? static_cast<QWidget*>(box) : buttons.front().first, false});
    return group;
}

void RecordInputs::load(const tables::TableEditor& editor) {
    for (const Binding& binding : bindings_) binding.write(editor.inputText(binding.field));
}

bool RecordInputs::store(tables::TableEditor& editor) {
    for (const Binding& binding : bindings_) {
        if (binding.readOnly) continue;
        if (!editor.setInput(binding.field, binding.read())) {
            binding.focusWidget->setFocus();
            return false;
        }
    }
    return true;
}

bool RecordInputs::focus(const std::string& field) {
    QWidget* widget = widgetFor(field);
    if (!widget) return false;
    widget->setFocus();
    return true;
}

QWidget* RecordInputs::widgetFor(const std::string& field) const {
    for (const Binding& binding : bindings_)
        if (binding.field == field) return binding.focusWidget;
    return nullptr;
}

}  // namespace tarvo::journal
