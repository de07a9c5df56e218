#pragma once
#include <QString>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QButtonGroup;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace tarvo::tables {
class TableEditor;
}

namespace tarvo::journal {

// The input controls of a table window, each bound to a field of the record: filled from the record
// being shown and written back into it before the record is saved.
class RecordInputs {
public:
    struct Choice {
        QString label;
        std::string stored;
    };

    // A one-line edit with its label and an optional note after it; a text column limits it to the
    // column's characters. A read-only edit is greyed and never written back.
    QLineEdit* addLine(QFormLayout* layout, const tables::TableEditor& editor, const std::string& field,
                       const QString& label, const QString& note = {}, bool readOnly = false);
    // Radio buttons in a group box with the caption; each item stores its own value.
    QButtonGroup* addChoice(QFormLayout* layout, const std::string& field, const QString& caption,
                            const std::vector<Choice>& items);

    void load(const tables::TableEditor& editor);
    // False, with the focus on the input, when one of them holds no value of its column.
    bool store(tables::TableEditor& editor);
    bool focus(const std::string& field);
    QWidget* widgetFor(const std::string& field) const;

private:
    struct Binding {
        std::string field;
        std::function<std::string()> read;
        std::function<void(const std::string&)> write;
        QWidget* focusWidget;
        bool readOnly;
    };
    std::vector<Binding> bindings_;
};

}  // namespace tarvo::journal
