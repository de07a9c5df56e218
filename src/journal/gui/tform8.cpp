#include "journal/gui/tform8.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/db/error.h"
#include "journal/gui/cell_text.h"
#include "util/user_prompt.h"

namespace tarvo::journal {

TForm8Window::TForm8Window(TForm8& picker, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), picker_(picker), prompt_(prompt) {
    setWindowTitle(QString::fromUtf8(TForm8::kCaption));
    resize(900, 500);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QString::fromUtf8("vrsta naloga"), this);
    auto* groupLayout = new QHBoxLayout(group);
    types_ = new QComboBox(group);
    types_->setObjectName("DBLookupComboBox1");
    izdvoji_ = new QCheckBox(QString::fromUtf8("izdvoji"), group);
    izdvoji_->setObjectName("CheckBox1");
    groupLayout->addWidget(types_, 1);
    groupLayout->addWidget(izdvoji_);
    layout->addWidget(group);
    grid_ = new QTableWidget(this);
    grid_->setObjectName("DBGrid1");
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    layout->addWidget(grid_, 1);

    connect(izdvoji_, &QCheckBox::toggled, this, &TForm8Window::filterChanged);
    connect(types_, &QComboBox::currentIndexChanged, this, &TForm8Window::filterChanged);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &TForm8Window::chooseCurrent);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
        picker_.selectRow(row < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(row)));
    });
    grid_->installEventFilter(this);
}

void TForm8Window::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    try {
        const QSignalBlocker blocker(types_);
        for (const TForm8::VoucherType& type : picker_.vrsteNaloga())
            types_->addItem(qs(type.opis), QVariant::fromValue(type.id));
        picker_.FormActivate();
    } catch (const db::DbError& error) {
        prompt_.message(error.what());
    }
    showRows();
    grid_->setFocus();
}

void TForm8Window::filterChanged() {
    const std::optional<long long> type =
        types_->currentIndex() < 0 ? std::nullopt : std::optional<long long>(types_->currentData().toLongLong());
    try {
        const std::string before = picker_.uslov();
        picker_.setIzdvoji(izdvoji_->isChecked(), type);
        if (picker_.uslov() == before) return;
    } catch (const db::DbError& error) {
        prompt_.message(error.what());
    }
    showRows();
}

void TForm8Window::showRows() {
    const db::ResultSet& rows = picker_.rows();
    const QSignalBlocker blocker(grid_);
    grid_->clear();
    grid_->setColumnCount(static_cast<int>(rows.columns().size()));
    grid_->setRowCount(static_cast<int>(rows.size()));
    QStringList titles;
    for (const db::Column& column : rows.columns()) titles << qs(column.name);
    grid_->setHorizontalHeaderLabels(titles);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows.columns().size(); ++c)
            grid_->setItem(static_cast<int>(r), static_cast<int>(c),
                           new QTableWidgetItem(qs(cellText(rows.columns()[c], rows.at(r, c)))));
    grid_->resizeColumnsToContents();
    if (picker_.selectedRow()) grid_->setCurrentCell(static_cast<int>(*picker_.selectedRow()), 0);
}

void TForm8Window::chooseCurrent() {
    if (picker_.accept()) accept();
}

bool TForm8Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseCurrent();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<long long> chooseVoucher(TForm8& picker, UserPrompt& prompt, QWidget* parent) {
    TForm8Window window(picker, prompt, parent);
    if (window.exec() != QDialog::Accepted) {
        picker.cancel();
        return std::nullopt;
    }
    return picker.chosenId();
}

}  // namespace tarvo::journal
