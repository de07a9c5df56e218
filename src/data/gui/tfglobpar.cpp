#include "data/gui/tfglobpar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "data/catalogue/dm_firma.h"
#include "data/params/global_settings.h"
#include "ui/enter_as_tab.h"
#include "ui/window_scale.h"
#include "util/numbers.h"
#include "util/strings.h"
#include "util/user_prompt.h"

namespace tarvo {
namespace {

constexpr int kDa = 0;
constexpr int kNe = 1;

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string daNe(bool yes) { return yes ? "da" : "ne"; }

// A titled group of radio buttons, the first one with id 0.
QButtonGroup* radioGroup(QWidget* owner, QBoxLayout* into, const QString& title, const QStringList& items) {
    auto* box = new QGroupBox(title);
    auto* layout = new QHBoxLayout(box);
    auto* group = new QButtonGroup(owner);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i]);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    into->addWidget(box);
    return group;
}

std::string formatFactor(double factor) { return formatFixed(2, 0, false, factor); }

}  // namespace

TFGlobPar::TFGlobPar(TDM_firma& catalogue, UserPrompt& prompt, GlobalParametersInEffect inEffect, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), prompt_(prompt), inEffect_(std::move(inEffect)) {
    setObjectName("FGlobPar");
    setWindowTitle("PREGLED GLOBALNIH PARAMETARA");
    auto* layout = new QVBoxLayout(this);

    auto* factorRow = new QHBoxLayout;
    factor_ = new QLineEdit;
    factor_->setMaximumWidth(80);
    auto* plus = new QPushButton("+");
    auto* minus = new QPushButton("-");
    connect(plus, &QPushButton::clicked, this, [this] { stepFactor(true); });
    connect(minus, &QPushButton::clicked, this, [this] { stepFactor(false); });
    factorRow->addWidget(new QLabel("Koeficijent uvećanja"));
    factorRow->addWidget(factor_);
    factorRow->addWidget(plus);
    factorRow->addWidget(minus);
    factorRow->addStretch();
    layout->addLayout(factorRow);

    auto* articles = new QGroupBox("Šifrarnik artikala");
    auto* articlesLayout = new QVBoxLayout(articles);
    sharedArticles_ = radioGroup(this, articlesLayout, "Zajednički za sve firme?", {"DA", "NE"});
    auto* companyRow = new QHBoxLayout;
    sharedCompany_ = new QSpinBox;
    sharedCompany_->setRange(1, 99999);
    companyRow->addWidget(new QLabel("Lokacija (ako je zajednički) je u firmi br."));
    companyRow->addWidget(sharedCompany_);
    companyRow->addStretch();
    articlesLayout->addLayout(companyRow);
    connect(sharedArticles_, &QButtonGroup::idToggled, this,
            [this](int id, bool on) { if (on) sharedCompany_->setEnabled(id == kDa); });
    layout->addWidget(articles);

    auto* dosRow = new QHBoxLayout;
    dosConversion_ = new QComboBox;
    dosConversion_->addItems({"ne", "8to7", "7to8", "8toA", "7toA"});
    dosRow->addWidget(new QLabel("Konverzija znakova za DOS-štampu"));
    dosRow->addWidget(dosConversion_);
    dosRow->addStretch();
    layout->addLayout(dosRow);

    layout->addWidget(new QLabel("Dodatni alijasi za Obr.pl.->Virman"));
    aliases_ = new QPlainTextEdit;
    layout->addWidget(aliases_);
    auto* standardAliases = new QPushButton("postavi standardne alijase");
    connect(standardAliases, &QPushButton::clicked, this,
            [this] { aliases_->setPlainText(qs(kStandardniAlijasiZaVirmane)); });
    layout->addWidget(standardAliases, 0, Qt::AlignLeft);

    minimise_ = radioGroup(this, layout, "Omogući minimiziranje?", {"DA", "NE"});
    colourScheme_ = radioGroup(this, layout, "Šema boja", {"sistemska", "siva", "plava"});

    auto* kvedo = new QGroupBox("Parametri Kvedo-a");
    auto* kvedoLayout = new QVBoxLayout(kvedo);
    kvedoCosts_ = new QCheckBox("prikaži ukupne troškove");
    kvedoTotals_ = new QCheckBox("prikaži ukupne iznose");
    kvedoLayout->addWidget(kvedoCosts_);
    kvedoLayout->addWidget(kvedoTotals_);
    layout->addWidget(kvedo);

    identNumber_ = new QCheckBox("obavezan unos identifikacionog broja partnera?");
    layout->addWidget(identNumber_);

    auto* buttons = new QHBoxLayout;
    auto* details = new QPushButton("detalji o firmi");
    auto* save = new QPushButton("SNIMI");
    auto* cancel = new QPushButton("OTKAŽI");
    connect(details, &QPushButton::clicked, this, [this] {
        if (companyDetails_) companyDetails_();
    });
    connect(save, &QPushButton::clicked, this, &TFGlobPar::snimi);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(details);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // The form starts with "NE" for shared articles; what is in effect is shown on the first show.
    sharedArticles_->button(kNe)->setChecked(true);
    sharedCompany_->setEnabled(false);
    factor_->setText(QString::fromStdString(formatFactor(inEffect_.scaleFactor)));
    ui::EnterAsTab::installOn(this);
}

void TFGlobPar::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    try {
        load();
    } catch (const std::exception& error) {
        prompt_.message(error.what());
    }
}

void TFGlobPar::load() {
    factor_->setText(QString::fromStdString(formatFactor(inEffect_.scaleFactor)));
    const std::string company = trimmed(inEffect_.sharedArticleCompany);
    const std::optional<double> number = tryParseAmount(company, false);
    if (number && *number >= 1 && *number == static_cast<int>(*number)) {
        sharedArticles_->button(kDa)->setChecked(true);
        sharedCompany_->setValue(static_cast<int>(*number));
    }
    dosConversion_->setCurrentText(QString::fromStdString(inEffect_.konvZnakovaZaDos));
    aliases_->setPlainText(QString::fromStdString(catalogue_.izGlobParVL("dodatniAlijasiZaVirmane")));
    minimise_->button(inEffect_.omoguciMinimiziranje ? kDa : kNe)->setChecked(true);
    colourScheme_->button(colourSchemeIndex(catalogue_.sgetParam("KELMA_osnovnaBoja", "system")))->setChecked(true);
    kvedoCosts_->setChecked(catalogue_.sgetParam("Kvedo_vidiUkupneTroskove", "ne") != "ne");
    kvedoTotals_->setChecked(catalogue_.sgetParam("Kvedo_vidiUkupno", "da") != "ne");
    identNumber_->setChecked(inEffect_.identBrojPartneraObavezan);
}

double TFGlobPar::shownFactor() const {
    return parseScaleFactor(factor_->text().toStdString()).value_or(inEffect_.scaleFactor);
}

void TFGlobPar::stepFactor(bool up) {
    const double old = shownFactor();
    const double next = stepScaleFactor(old, up);
    if (next != old) {
        ui::scaleBy(this, next / old);
        ui::centreOnScreen(this);
    }
    factor_->setText(QString::fromStdString(formatFactor(next)));
}

void TFGlobPar::snimi() {
    const std::optional<double> factor = parseScaleFactor(factor_->text().toStdString());
    if (!factor) {
        prompt_.message("Koeficijent uvećanja mora biti broj od 1 do 2!");
        factor_->setFocus();
        return;
    }
    GlobalParametersInEffect saved = inEffect_;
    saved.scaleFactor = *factor;
    saved.sharedArticleCompany =
        sharedArticles_->checkedId() == kDa ? std::to_string(sharedCompany_->value()) : std::string("0");
    saved.konvZnakovaZaDos = dosConversion_->currentText().toStdString();
    saved.omoguciMinimiziranje = minimise_->checkedId() == kDa;
    saved.identBrojPartneraObavezan = identNumber_->isChecked();
    try {
        catalogue_.uGlobPar("vecaRezolucijaEkrana", formatFactor(saved.scaleFactor));
        catalogue_.uGlobPar("zajednickaTabelaArtikala_fid", saved.sharedArticleCompany);
        catalogue_.uGlobPar("konvZnakovaZaDos", saved.konvZnakovaZaDos);
        catalogue_.uGlobParVL("dodatniAlijasiZaVirmane", aliases_->toPlainText().toStdString());
        catalogue_.uGlobPar("omoguciMinimiziranje", daNe(saved.omoguciMinimiziranje));
        catalogue_.uGlobPar("KELMA_osnovnaBoja", colourSchemeValue(colourScheme_->checkedId()));
        catalogue_.uGlobPar("Kvedo_vidiUkupneTroskove", daNe(kvedoCosts_->isChecked()));
        catalogue_.uGlobPar("Kvedo_vidiUkupno", daNe(kvedoTotals_->isChecked()));
        catalogue_.uGlobPar("identBrojPartneraObavezan", daNe(saved.identBrojPartneraObavezan));
    } catch (const std::exception& error) {
        prompt_.message(error.what());
        return;
    }
    inEffect_ = saved;
    accept();
}

}  // namespace tarvo
