#pragma once
#include <QDialog>

#include <memory>
#include <optional>
#include <string>

#include "journal/gui/record_inputs.h"
#include "journal/tables/table_editor.h"

class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTableView;

namespace tarvo::ui {
class DatasetModel;
}

namespace tarvo::journal {

// The generic table window: the input group above a read-only grid of the table, the button bar, the
// grid's and the button bar's menus, the keys and the status bar. What happens is decided by the
// TableEditor it shows; a descendant adds its input groups and where the focus goes.
class TFormAzTab : public QDialog {
    Q_OBJECT
public:
    // Opens (or refreshes) the editor's data set; a table that cannot be opened is reported and the
    // window opens all the same.
    explicit TFormAzTab(std::unique_ptr<tables::TableEditor> editor, QWidget* parent = nullptr);
    ~TFormAzTab() override;

    tables::TableEditor& editor() { return *editor_; }
    // The caller wants the key of a new record: the window starts one on its first show and offers
    // "vrati se na prethodni unos".
    void setCalledForValue(bool on) { editor_->setCalledForValue(on); }
    const std::optional<std::string>& returnedKey() const { return editor_->returnedKey(); }

    QPushButton* potvrdiButton() const { return bitBtn1_; }
    QPushButton* dodajButton() const { return bitBtn2_; }
    QPushButton* ispravkaButton() const { return bitBtn3_; }
    QPushButton* otkaziButton() const { return bitBtn4_; }
    QPushButton* vratiButton() const { return bitBtn5_; }
    QTableView* grid() const { return grid_; }
    QWidget* inputPanel() const { return inputPanel_; }
    QMenu* gridMenu() const { return gridMenu_; }
    QString statusText() const;
    QWidget* inputFor(const std::string& field) const { return inputs_.widgetFor(field); }

    // The operations of the buttons, menus and keys.
    void dodaj();
    void ispravka();
    void kopiraj();
    void potvrdi();
    void otkazi();
    void brisi();
    void vratiSe();
    void popuniIliZamijeni();
    void stampaj();
    void snimiTabelu();
    void ucitajTabelu();
    void sortiraj(int section);

protected:
    // A group of inputs ("Podaci o kontu") added to the input panel, with a form layout.
    QFormLayout* addInputGroup(const QString& caption);
    RecordInputs& inputs() { return inputs_; }
    // The field that gets the focus in a new or copied record, and in an edited one.
    virtual std::string fieldForNew() const = 0;
    virtual std::string fieldForEdit() const { return fieldForNew(); }

    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildButtons();
    void buildGrid();
    void buildShortcuts();
    void applyStates();
    void showRecord();
    void reloadGrid();
    void startedEditing(const std::string& field);
    void onCurrentRowChanged(int row);

    std::unique_ptr<tables::TableEditor> editor_;
    RecordInputs inputs_;
    QWidget* inputPanel_ = nullptr;
    QHBoxLayout* inputGroups_ = nullptr;
    QWidget* buttonBar_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    QPushButton* bitBtn4_ = nullptr;
    QPushButton* bitBtn5_ = nullptr;
    QTableView* grid_ = nullptr;
    ui::DatasetModel* model_ = nullptr;
    QMenu* gridMenu_ = nullptr;
    QMenu* buttonBarMenu_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    bool addToSort_ = false;
    bool shown_ = false;
    bool syncingGrid_ = false;
};

}  // namespace tarvo::journal
