#pragma once
#include <QDialog>

#include <optional>
#include <string>

#include "journal/search.h"

class QButtonGroup;
class QLineEdit;
class QListWidget;

namespace tarvo::journal {

// "Pretraživanje": the search box, the attribute and mode choices and the result list over a TFPretraga.
// Enter in the box moves to the list; Enter, a double click or "odaberi" takes the current row.
class TFPretragaWindow : public QDialog {
    Q_OBJECT
public:
    explicit TFPretragaWindow(TFPretraga& search, QWidget* parent = nullptr);

    QLineEdit* searchBox() const { return searchBox_; }
    QListWidget* resultList() const { return results_; }
    // Takes the list's current row; the window closes with OK when there is one.
    void odaberi();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showResults();

    TFPretraga& search_;
    QLineEdit* searchBox_ = nullptr;
    QListWidget* results_ = nullptr;
    QButtonGroup* attributes_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    bool activated_ = false;
};

// Shows the search modally over `parent`; the chosen record's id, nothing when the user gave up.
std::optional<std::string> runSearch(TFPretraga& search, QWidget* parent);

}  // namespace tarvo::journal
