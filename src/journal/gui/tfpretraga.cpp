#include "journal/gui/tfpretraga.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "journal/gui/cell_text.h"

namespace tarvo::journal {
namespace {

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QButtonGroup* radioGroup(QWidget* parent, QBoxLayout* into, const std::vector<std::string>& captions) {
    auto* box = new QGroupBox(parent);
    auto* layout = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (size_t i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(qs(captions[i]), box);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    layout->addStretch();
    into->addWidget(box);
    return group;
}

}  // namespace

TFPretragaWindow::TFPretragaWindow(TFPretraga& search, QWidget* parent) : QDialog(parent), search_(search) {
    setWindowTitle(QString::fromUtf8("Pretraživanje"));
    setWindowState(Qt::WindowMaximized);
    auto* layout = new QVBoxLayout(this);
    attributes_ = radioGroup(this, layout, search_.captions());
    modes_ = radioGroup(this, layout, {"da počinje sa traženim", "da se traženo nalazi bilo gdje"});
    searchBox_ = new QLineEdit(this);
    searchBox_->setObjectName("Edit1");
    layout->addWidget(searchBox_);
    results_ = new QListWidget(this);
    results_->setObjectName("ListBox1");
    layout->addWidget(results_, 1);
    auto* buttons = new QHBoxLayout;
    auto* choose = new QPushButton(QString::fromUtf8("odaberi"), this);
    auto* cancel = new QPushButton(QString::fromUtf8("otkaži"), this);
    for (QPushButton* button : {choose, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(choose, &QPushButton::clicked, this, &TFPretragaWindow::odaberi);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(results_, &QListWidget::itemDoubleClicked, this, &TFPretragaWindow::odaberi);
    connect(searchBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
        search_.setSearchText(text.toStdString());
        showResults();
    });
    connect(attributes_, &QButtonGroup::idClicked, this, [this](int attribute) {
        search_.setAttribute(attribute);
        showResults();
    });
    connect(modes_, &QButtonGroup::idClicked, this, [this](int mode) { search_.setMode(mode); });
    searchBox_->installEventFilter(this);
    results_->installEventFilter(this);
}

void TFPretragaWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    if (QAbstractButton* attribute = attributes_->button(search_.attribute())) attribute->setChecked(true);
    if (QAbstractButton* mode = modes_->button(search_.mode())) mode->setChecked(true);
    searchBox_->setText(qs(search_.searchText()));
    searchBox_->setCursorPosition(static_cast<int>(searchBox_->text().size()));
    search_.FormActivate();
    showResults();
}

void TFPretragaWindow::showResults() {
    results_->clear();
    for (const std::string& line : search_.resultLines()) results_->addItem(qs(line));
    results_->setVisible(search_.resultsVisible());
    searchBox_->setFocus();
}

void TFPretragaWindow::odaberi() {
    const int row = results_->currentRow();
    if (row >= 0 && search_.choose(static_cast<size_t>(row))) accept();
}

bool TFPretragaWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == searchBox_ && event->type() == QEvent::MouseButtonPress) {
        QTimer::singleShot(0, searchBox_, &QLineEdit::selectAll);
    } else if (watched == searchBox_ && isEnter(event)) {
        if (!results_->isHidden() && results_->count() > 0) {
            results_->setFocus();
            results_->setCurrentRow(0);
        }
        return true;
    } else if (watched == results_ && isEnter(event)) {
        odaberi();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<std::string> runSearch(TFPretraga& search, QWidget* parent) {
    TFPretragaWindow window(search, parent);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return search.id();
}

}  // namespace tarvo::journal
