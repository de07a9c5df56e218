#include "data/gui/tform_izbor_firme.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvo {

TFormIzborFirme::TFormIzborFirme(IzborFirme& selection, const QString& applicationName, const QString& title,
                                 QWidget* parent)
    : QDialog(parent), selection_(selection) {
    setObjectName("FormIzborFirme");
    setWindowTitle("IZBOR FIRME ZA RAD (" + applicationName + "-" + title + ")");

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    buildMenu(bar);

    grid_ = new QTableWidget(this);
    grid_->setObjectName("StringGrid1");
    grid_->setColumnCount(3);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->installEventFilter(this);
    layout->addWidget(grid_);

    auto* controls = new QHBoxLayout;
    auto* sort = new QGroupBox("sortiraj firme po", this);
    auto* sortLayout = new QVBoxLayout(sort);
    byName_ = new QRadioButton("nazivu", sort);
    byId_ = new QRadioButton("šifri", sort);
    sortLayout->addWidget(byName_);
    sortLayout->addWidget(byId_);
    (selection_.sortById() ? byId_ : byName_)->setChecked(true);
    controls->addWidget(sort);

    auto* fields = new QVBoxLayout;
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(new QLabel("IZBOR FIRME PO ŠIFRI:", this));
    edit1_ = new QLineEdit("1", this);
    edit1_->setObjectName("Edit1");
    edit1_->installEventFilter(this);
    codeRow->addWidget(edit1_);
    fields->addLayout(codeRow);
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(new QLabel("Poslovna godina:", this));
    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName("ComboBox1");
    comboBox1_->setEditable(true);
    comboBox1_->installEventFilter(this);
    yearRow->addWidget(comboBox1_);
    fields->addLayout(yearRow);
    controls->addLayout(fields);
    layout->addLayout(controls);

    auto* buttons = new QHBoxLayout;
    bitBtn1_ = new QPushButton("Nastavi dalje", this);
    bitBtn1_->setObjectName("BitBtn1");
    auto* cancel = new QPushButton("Izlaz/odustani", this);
    cancel->setObjectName("BitBtn2");
    auto* remember = new QPushButton("zapamti izbor", this);
    remember->setObjectName("Button3");
    auto* archive = new QPushButton("ARHIVSKI PODACI", this);
    archive->setObjectName("ColorButton1");
    for (auto* b : {bitBtn1_, cancel, remember, archive}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(bitBtn1_, &QPushButton::clicked, this, &TFormIzborFirme::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(remember, &QPushButton::clicked, this, [this] { selection_.rememberSort(); });
    connect(archive, &QPushButton::clicked, this, [this] {
        firma_ = selection_.openArchive();
        accept();
    });
    connect(byId_, &QRadioButton::toggled, this, [this](bool byId) {
        selection_.setSortById(byId);
        ucitajListu();
    });
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (edit1_->text() != grid_->item(row, 1)->text()) {
            selection_.selectRow(static_cast<size_t>(row));
            showYears();
        }
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int) { BitBtn1Click(); });
    resize(600, 450);
}

void TFormIzborFirme::buildMenu(QMenuBar* bar) {
    struct Entry {
        const char* menu;
        std::vector<const char*> items;
    };
    const Entry entries[] = {
        {"Firme - korisnici", {"Ažuriranje firmi-korisnika"}},
        {"Arhiviranje podataka",
         {"Arhiviranje podataka trenutno odabrane firme", "Arhiviranje podataka svih firmi", "Raspakivanje arhive"}},
        {"Otvaranje nove godine", {"Za trenutno odabranu firmu", "Za sve firme"}},
        {"Prenosi podataka (IZVOZ)",
         {"Početna stanja", "Druge vrste prenosa", "Otvaranje nove firme", "Finansijski dokumenti - nalozi"}},
        {"Prijem podataka (UVOZ)", {"Uvoz podataka za odabranu firmu", "Finansijski dokumenti - nalozi"}},
    };
    for (const auto& entry : entries) {
        QMenu* menu = bar->addMenu(entry.menu);
        for (const char* item : entry.items) connect(menu->addAction(item), &QAction::triggered, this, &TFormIzborFirme::notBuiltYet);
    }
    QMenu* settings = bar->addMenu("Podešenja");
    connect(settings->addAction("MySQL"), &QAction::triggered, this, &TFormIzborFirme::notBuiltYet);
    connect(settings->addAction("Modifikacije strukture odabrane firme"), &QAction::triggered, this,
            &TFormIzborFirme::notBuiltYet);
    const std::pair<const char*, IzborFirme::Option> checks[] = {
        {"Preferirano biranje firme kucanjem šifre", IzborFirme::Option::radijeBirajFirmuKucanjemSifre},
        {"Omogući tekstualno štampanje dokumenata", IzborFirme::Option::printToTxt},
        {"Vrstu finansijskog naloga biraj preko alternativne šifre", IzborFirme::Option::nalogKoristiID2},
        {"Partnera biraj preko alternativne šifre", IzborFirme::Option::partnerKoristiID2},
        {"Pokreni maksimiziran prozor izbora firme", IzborFirme::Option::maksimizirajIzbFirme},
    };
    for (const auto& [caption, option] : checks) {
        QAction* action = settings->addAction(caption);
        action->setCheckable(true);
        action->setChecked(selection_.option(option));
        connect(action, &QAction::toggled, this, [this, option = option](bool on) {
            selection_.setOption(option, on);
            if (option == IzborFirme::Option::maksimizirajIzbFirme) on ? showMaximized() : showNormal();
        });
    }
    QMenu* old = settings->addMenu("\"Stare\" firme");
    connect(old->addAction("Definiši kada je firma \"stara\""), &QAction::triggered, this, [this] {
        bool ok = false;
        QString answer = QInputDialog::getText(this, "Definiši kada je firma \"stara\"",
                                               "Firma je \"stara\" ako joj je tekuća godina=", QLineEdit::Normal,
                                               "0", &ok);
        if (ok && selection_.setOldCompanyThreshold(answer.toStdString()) &&
            selection_.option(IzborFirme::Option::skloniStareFirme))
            ucitajListu();
    });
    QAction* hide = old->addAction("Skloni \"stare\" firme");
    hide->setCheckable(true);
    hide->setChecked(selection_.option(IzborFirme::Option::skloniStareFirme));
    connect(hide, &QAction::toggled, this, [this](bool on) {
        selection_.setOption(IzborFirme::Option::skloniStareFirme, on);
        ucitajListu();
    });
}

void TFormIzborFirme::notBuiltYet() { QMessageBox::information(this, windowTitle(), "U izradi"); }

void TFormIzborFirme::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (selection_.option(IzborFirme::Option::maksimizirajIzbFirme)) showMaximized();
    ucitajListu();
}

void TFormIzborFirme::ucitajListu() {
    try {
        selection_.ucitajListu();
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
    }
    const auto& companies = selection_.companies();
    grid_->setRowCount(static_cast<int>(std::max<size_t>(1, companies.size())));
    grid_->setColumnWidth(0, 400);
    grid_->setColumnWidth(1, 50);
    grid_->setColumnWidth(2, 50);
    for (int row = 0; row < static_cast<int>(companies.size()); ++row) {
        const auto& c = companies[static_cast<size_t>(row)];
        grid_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(c.naziv)));
        grid_->setItem(row, 1, new QTableWidgetItem(QString::number(c.id)));
        grid_->setItem(row, 2, new QTableWidgetItem(QString::number(c.tgodina)));
    }
    bitBtn1_->setEnabled(!companies.empty());
    showYears();
    if (selection_.option(IzborFirme::Option::radijeBirajFirmuKucanjemSifre)) edit1_->setFocus();
}

void TFormIzborFirme::showYears() {
    comboBox1_->clear();
    for (int year : selection_.years()) comboBox1_->addItem(QString::number(year));
    comboBox1_->setEditText(QString::fromStdString(selection_.yearText()));
    edit1_->setText(QString::fromStdString(selection_.companyCode()));
    if (auto row = selection_.currentRow()) grid_->selectRow(static_cast<int>(*row));
}

void TFormIzborFirme::Edit1Exit() {
    if (selection_.companyCodeExit(edit1_->text().toStdString())) {
        showYears();
    } else {
        edit1_->setText(QString::fromStdString(selection_.companyCode()));
        QTimer::singleShot(0, edit1_, [this] { edit1_->setFocus(); });
    }
}

void TFormIzborFirme::BitBtn1Click() {
    // A keyboard-fired confirm does not leave the code field: take a changed code first.
    if (auto row = selection_.currentRow();
        row && edit1_->text().toStdString() != std::to_string(selection_.companies()[*row].id)) {
        if (!selection_.companyCodeExit(edit1_->text().toStdString())) {
            Edit1Exit();
            return;
        }
    }
    selection_.setYearText(comboBox1_->currentText().toStdString());
    firma_ = selection_.confirm();
    if (firma_) accept();
}

bool TFormIzborFirme::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit1_ && event->type() == QEvent::FocusOut) Edit1Exit();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == grid_) {
            if (enter) BitBtn1Click();
            // Other typed keys do nothing on the list; arrows still move.
            else if (!key->text().isEmpty() && key->key() != Qt::Key_Escape) return true;
            return enter;
        }
        if (enter && (watched == edit1_ || watched == comboBox1_)) {
            focusNextPrevChild(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tarvo
