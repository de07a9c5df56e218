#include "journal/gui/tformaztab.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "data/db/dataset.h"
#include "journal/gui/tffillandreplace.h"
#include "journal/tables/field_text.h"
#include "ui/dataset_model.h"
#include "ui/enter_as_tab.h"

namespace tarvo::journal {
namespace {

const QColor kActiveInput(166, 202, 240);    // sky blue
const QColor kInactiveInput(192, 220, 192);  // money green

QPushButton* button(const char* name, const char* caption) {
    auto* result = new QPushButton(QString::fromUtf8(caption));
    result->setObjectName(name);
    return result;
}

}  // namespace

TFormAzTab::TFormAzTab(std::unique_ptr<tables::TableEditor> editor, QWidget* parent)
    : QDialog(parent), editor_(std::move(editor)) {
    editor_->otvori();
    setWindowTitle(QString::fromStdString(editor_->caption()));

    auto* layout = new QVBoxLayout(this);
    inputPanel_ = new QWidget;
    inputPanel_->setObjectName("inputPanel");
    inputPanel_->setAutoFillBackground(true);
    inputGroups_ = new QHBoxLayout(inputPanel_);
    layout->addWidget(inputPanel_);
    buildButtons();
    layout->addWidget(buttonBar_);
    buildGrid();
    layout->addWidget(grid_, 1);
    statusBar_ = new QStatusBar;
    statusBar_->setSizeGripEnabled(false);
    layout->addWidget(statusBar_);
    buildShortcuts();
    resize(760, 560);
}

TFormAzTab::~TFormAzTab() = default;

void TFormAzTab::buildButtons() {
    buttonBar_ = new QWidget;
    auto* row = new QHBoxLayout(buttonBar_);
    row->setContentsMargins(0, 0, 0, 0);
    bitBtn1_ = button("BitBtn1", "Potvrdi unos");
    bitBtn2_ = button("BitBtn2", "Dodaj/nova");
    bitBtn3_ = button("BitBtn3", "Ispravka");
    bitBtn4_ = button("BitBtn4", "Otkaži unos/ispravku");
    bitBtn5_ = button("BitBtn5", "vrati se na prethodni unos");
    for (QPushButton* b : {bitBtn1_, bitBtn2_, bitBtn3_, bitBtn4_, bitBtn5_}) row->addWidget(b);
    row->addStretch();
    connect(bitBtn1_, &QPushButton::clicked, this, &TFormAzTab::potvrdi);
    connect(bitBtn2_, &QPushButton::clicked, this, &TFormAzTab::dodaj);
    connect(bitBtn3_, &QPushButton::clicked, this, &TFormAzTab::ispravka);
    connect(bitBtn4_, &QPushButton::clicked, this, &TFormAzTab::otkazi);
    connect(bitBtn5_, &QPushButton::clicked, this, &TFormAzTab::vratiSe);

    buttonBarMenu_ = new QMenu(this);
    buttonBarMenu_->addAction(QString::fromUtf8("snimi tabelu u fajl"), this, &TFormAzTab::snimiTabelu);
    buttonBarMenu_->addAction(QString::fromUtf8("učitaj tabelu iz fajla"), this, &TFormAzTab::ucitajTabelu);
    buttonBar_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(buttonBar_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { buttonBarMenu_->popup(buttonBar_->mapToGlobal(at)); });
}

void TFormAzTab::buildGrid() {
    grid_ = new QTableView;
    grid_->setObjectName("DBGrid1");
    model_ = new ui::DatasetModel(editor_->dataset(), editor_->gridColumns(), tables::displayText, this);
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
    grid_->horizontalHeader()->viewport()->installEventFilter(this);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &TFormAzTab::sortiraj);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onCurrentRowChanged(current.row()); });

    gridMenu_ = new QMenu(this);
    gridMenu_->addAction(QString::fromUtf8("briši stavku"), this, &TFormAzTab::brisi);
    gridMenu_->addAction(QString::fromUtf8("kopiraj stavku"), this, &TFormAzTab::kopiraj);
    gridMenu_->addAction(QString::fromUtf8("popuni ili zamijeni vrijednosti u koloni"), this,
                         &TFormAzTab::popuniIliZamijeni);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { gridMenu_->popup(grid_->viewport()->mapToGlobal(at)); });
    reloadGrid();
}

void TFormAzTab::buildShortcuts() {
    auto add = [this](QKeySequence keys, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
        if (editor_->buttons().dodaj) dodaj();
    });
    add(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { stampaj(); });
    add(QKeySequence(Qt::Key_Escape), [this] {
        if (editor_->buttons().otkazi) otkazi();
        else reject();
    });
    add(QKeySequence(Qt::Key_F2), [this] {
        if (editor_->buttons().ispravka) ispravka();
    });
    add(QKeySequence(Qt::CTRL | Qt::Key_T), [this] {
        if (editor_->buttons().ispravka) brisi();
    });
    add(QKeySequence(Qt::Key_F4), [this] {
        if (editor_->buttons().ispravka) kopiraj();
    });
    add(QKeySequence(Qt::ALT | Qt::Key_R), [this] {
        if (grid_->hasFocus()) popuniIliZamijeni();
    });
}

QFormLayout* TFormAzTab::addInputGroup(const QString& caption) {
    auto* group = new QGroupBox(caption);
    auto* form = new QFormLayout(group);
    inputGroups_->addWidget(group);
    return form;
}

QString TFormAzTab::statusText() const { return statusBar_->currentMessage(); }

void TFormAzTab::applyStates() {
    const tables::ButtonStates states = editor_->buttons();
    bitBtn1_->setEnabled(states.potvrdi);
    bitBtn2_->setEnabled(states.dodaj);
    bitBtn3_->setEnabled(states.ispravka);
    bitBtn4_->setEnabled(states.otkazi);
    bitBtn5_->setEnabled(states.vrati);
    bitBtn5_->setVisible(editor_->calledForValue());
    grid_->setEnabled(states.gridEnabled);
    inputPanel_->setEnabled(states.inputEnabled);
    QPalette palette = inputPanel_->palette();
    palette.setColor(QPalette::Window, states.inputEnabled ? kActiveInput : kInactiveInput);
    inputPanel_->setPalette(palette);
}

void TFormAzTab::showRecord() { inputs_.load(*editor_); }

void TFormAzTab::reloadGrid() {
    syncingGrid_ = true;
    model_->reload();
    const db::Dataset& dataset = editor_->dataset();
    if (dataset.isOpen() && !dataset.eof()) {
        const int column = std::max(grid_->currentIndex().column(), 0);
        grid_->setCurrentIndex(model_->index(static_cast<int>(dataset.position()), column));
    }
    syncingGrid_ = false;
    showRecord();
}

void TFormAzTab::onCurrentRowChanged(int row) {
    if (syncingGrid_ || editor_->editing() || row < 0) return;
    editor_->dataset().moveTo(static_cast<size_t>(row));
    showRecord();
}

void TFormAzTab::startedEditing(const std::string& field) {
    applyStates();
    showRecord();
    inputs_.focus(field);
}

void TFormAzTab::dodaj() {
    if (editor_->dodaj()) startedEditing(fieldForNew());
}

void TFormAzTab::ispravka() {
    if (editor_->ispravka()) startedEditing(fieldForEdit());
}

void TFormAzTab::kopiraj() {
    if (editor_->kopiraj()) startedEditing(fieldForNew());
}

void TFormAzTab::potvrdi() {
    if (!editor_->editing() || !inputs_.store(*editor_)) return;
    const tables::ConfirmResult result = editor_->potvrdi();
    if (!result.saved) {
        if (!result.focusField.empty()) inputs_.focus(result.focusField);
        return;
    }
    reloadGrid();
    applyStates();
    (editor_->calledForValue() ? bitBtn5_ : bitBtn2_)->setFocus();
}

void TFormAzTab::otkazi() {
    editor_->otkazi();
    applyStates();
    showRecord();
    bitBtn2_->setFocus();
}

void TFormAzTab::brisi() {
    if (!editor_->brisi()) return;
    reloadGrid();
    applyStates();
}

void TFormAzTab::vratiSe() {
    editor_->vratiSe();
    accept();
}

void TFormAzTab::popuniIliZamijeni() {
    if (editor_->editing()) return;
    const int section = std::max(grid_->currentIndex().column(), 0);
    if (section >= model_->columnCount()) return;
    std::unique_ptr<TFFillAndReplace> change = editor_->popuniIliZamijeni(model_->columnName(section));
    if (!change) return;
    TFFillAndReplaceWindow dialog(*change, this);
    dialog.exec();
    reloadGrid();
    applyStates();
}

void TFormAzTab::stampaj() { editor_->stampaj(); }

void TFormAzTab::snimiTabelu() { editor_->snimiTabeluUFajl(); }

void TFormAzTab::ucitajTabelu() {
    editor_->ucitajTabeluIzFajla();
    reloadGrid();
    applyStates();
}

void TFormAzTab::sortiraj(int section) {
    if (editor_->editing() || section < 0 || section >= model_->columnCount()) return;
    grid_->setEnabled(false);
    const std::optional<std::string> status = editor_->sortiraj(model_->columnName(section), addToSort_);
    reloadGrid();
    grid_->setEnabled(true);
    if (status) statusBar_->showMessage(QString::fromStdString(*status));
}

void TFormAzTab::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    ui::EnterAsTab::installOn(inputPanel_);
    applyStates();
    showRecord();
    bitBtn2_->setFocus();
    if (editor_->aktiviraj()) startedEditing(fieldForNew());
}

void TFormAzTab::done(int result) {
    editor_->zatvori();
    QDialog::done(result);
}

bool TFormAzTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == grid_->viewport() || watched == grid_->horizontalHeader()->viewport())) {
        addToSort_ = static_cast<QMouseEvent*>(event)->modifiers().testFlag(Qt::ShiftModifier);
    } else if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && editor_->buttons().ispravka) {
            ispravka();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tarvo::journal
