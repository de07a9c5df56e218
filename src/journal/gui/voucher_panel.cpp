// The voucher panel's controls and how they show the entry's state.
#include "journal/gui/voucher_panel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "data/db/dataset.h"
#include "journal/field_values.h"
#include "journal/gui/cell_text.h"
#include "journal/gui/lines_grid.h"
#include "journal/gui/lookup_combo.h"
#include "journal/voucher_entry.h"
#include "ui/enter_as_tab.h"
#include "util/dates.h"
#include "util/numbers.h"

namespace tarvo::journal {
namespace {

const QRegularExpression kWholeNumber("\\d*");
const QRegularExpression kAmount("-?\\d*([.,]\\d*)?");

QLineEdit* newEdit(QWidget* parent, const char* name, int maxLength = 0) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0) edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* newInfoEdit(QWidget* parent, const char* name) {
    QLineEdit* edit = newEdit(parent, name);
    edit->setReadOnly(true);
    edit->setEnabled(false);
    edit->setMaximumWidth(90);
    return edit;
}

QLineEdit* newDateEdit(QWidget* parent, const char* name) {
    QLineEdit* edit = newEdit(parent, name);
    edit->setInputMask("99.99.99;_");
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("00.00.00") + 24);
    return edit;
}

QPushButton* newButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(true);  // Enter on a focused button presses it
    return button;
}

// A caption above its control.
QWidget* labelled(QWidget* parent, const char* caption, QWidget* control, QLabel** label = nullptr) {
    auto* box = new QWidget(parent);
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* text = new QLabel(QString::fromUtf8(caption), box);
    layout->addWidget(text);
    control->setParent(box);
    layout->addWidget(control);
    if (label) *label = text;
    return box;
}

void showText(QLineEdit* edit, const std::string& text) {
    const QString shown = qs(text);
    if (edit->text() != shown) edit->setText(shown);
}

std::string dateText(const db::Value& value) {
    const std::optional<Date> date = dateOf(value);
    return date ? formatDateShort(*date) : std::string();
}

std::string amountText(const db::Value& value) {
    return value.isNull() ? std::string() : formatFixed(2, 0, false, value.asDouble());
}

db::Value dateFrom(const QString& text) {
    const std::optional<Date> date = parseDate(text.toStdString());
    return date ? dateValue(*date) : db::Value::null();
}

db::Value amountFrom(const QString& text) {
    const std::optional<double> amount = tryParseAmount(text.toStdString(), true);
    return text.trimmed().isEmpty() || !amount ? db::Value::null() : amountValue(*amount);
}

db::Value wholeNumberFrom(const QString& text) {
    const std::optional<long long> number = parseWholeNumber(text.toStdString());
    return number ? integerValue(*number) : db::Value::null();
}

void paintGroup(QWidget* group, const QColor& colour) {
    group->setAutoFillBackground(true);
    QPalette palette = group->palette();
    palette.setColor(QPalette::Window, colour);
    group->setPalette(palette);
}

void paintSaldo(QLineEdit* edit, const std::string& text, bool highlighted) {
    showText(edit, text);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, highlighted ? QColor(Qt::yellow) : QColor(Qt::white));
    edit->setPalette(palette);
}

}  // namespace

VoucherPanel::VoucherPanel(VoucherEntry& entry, EntryLookups lookups, UserPrompt& prompt, QWidget* parent)
    : QFrame(parent), entry_(entry), lookups_(lookups), prompt_(prompt) {
    setObjectName("Panel1");
    build();
    connectInputs();
    buildGridMenu();
    refresh();
}

VoucherPanel::~VoucherPanel() = default;

bool VoucherPanel::isVoucherOpen() const { return entry_.isVoucherOpen(); }

void VoucherPanel::setGroupColours(QColor active, QColor inactive) {
    activeColour_ = active;
    inactiveColour_ = inactive;
    applyControls();
}

void VoucherPanel::build() {
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setObjectName("Label27");
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    layout->addWidget(title_);
    layout->addWidget(buildHeader());
    layout->addWidget(buildLines());
    layout->addWidget(buildTotals());
    grid_ = new LinesGrid(this);
    layout->addWidget(grid_, 1);
    // Takes the room the grid leaves while only the header is shown.
    layout->addStretch();

    // Enter moves on in every input; the lists are watched too. The panel's own filter is installed
    // afterwards, so it sees the keys first (an empty list drops down on Enter).
    ui::EnterAsTab* enterAsTab = ui::EnterAsTab::installOn(this);
    for (QWidget* list : {static_cast<QWidget*>(vnalid2_), static_cast<QWidget*>(typeName_),
                          static_cast<QWidget*>(kontoName_), static_cast<QWidget*>(partnerId2_),
                          static_cast<QWidget*>(partnerName_)}) {
        enterAsTab->watch(list);
        list->installEventFilter(this);
    }
    for (QWidget* watched : {vnalid_, headerDatum_, lineDatum_}) watched->installEventFilter(this);

    QWidget* order[] = {vnalid_,  vnalid2_,     typeName_,    oznaka_,      headerOpis_,  headerDatum_,
                        headerConfirm_, headerCancel_, headerEdit_, rbr_,        lineOpis_,    dokument_,
                        lineDatum_, kontoid_,  kontoName_,   partnerid_,   partnerId2_,  partnerName_,
                        duguje_,  potrazuje_,   newLine_,     lineConfirm_, editLine_,    lineCancel_,
                        grid_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

QWidget* VoucherPanel::buildHeader() {
    headerGroup_ = new QGroupBox(QString::fromUtf8("Osnovni podaci o dokumentu"), this);
    headerGroup_->setObjectName("GroupBox1");
    auto* layout = new QVBoxLayout(headerGroup_);
    auto* fields = new QHBoxLayout;
    headerId_ = newInfoEdit(headerGroup_, "DBEdit1");
    vnalid_ = newEdit(headerGroup_, "DBEdit2");
    vnalid_->setValidator(new QRegularExpressionValidator(kWholeNumber, vnalid_));
    vnalid_->setMaximumWidth(50);
    vnalid2_ = new LookupCombo(lookups_.vrstanal, "id", "id2", headerGroup_);
    vnalid2_->setObjectName("DBLookupComboBox4");
    typeName_ = new LookupCombo(lookups_.vrstanal, "id", "opis", headerGroup_);
    typeName_->setObjectName("DBLookupComboBox1");
    typeName_->setMinimumWidth(220);
    auto* type = new QWidget(headerGroup_);
    auto* typeRow = new QHBoxLayout(type);
    typeRow->setContentsMargins(0, 0, 0, 0);
    typeRow->addWidget(vnalid_);
    typeRow->addWidget(vnalid2_);
    typeRow->addWidget(typeName_, 1);
    fields->addWidget(labelled(headerGroup_, "id", headerId_));
    fields->addWidget(labelled(headerGroup_, "vrsta naloga", type), 1);
    oznaka_ = newEdit(headerGroup_, "DBEdit3", 15);
    headerOpis_ = newEdit(headerGroup_, "DBEdit4", 40);
    headerDatum_ = newDateEdit(headerGroup_, "DBEdit5");
    fields->addWidget(labelled(headerGroup_, "oznaka/br.naloga", oznaka_));
    fields->addWidget(labelled(headerGroup_, "Opis", headerOpis_, &opisLabel_));
    fields->addWidget(labelled(headerGroup_, "datum", headerDatum_));
    layout->addLayout(fields);

    // The buttons stand beside the group: "ispravi osn.podatke" works while the group is disabled.
    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(headerGroup_, 1);
    auto* buttons = new QVBoxLayout;
    headerConfirm_ = newButton(row, "BitBtn4", "potvrdi unos");
    headerCancel_ = newButton(row, "BitBtn8", "otkaži unos/ispravku");
    headerEdit_ = newButton(row, "BitBtn5", "ispravi osn.podatke");
    for (QPushButton* button : {headerConfirm_, headerCancel_, headerEdit_}) buttons->addWidget(button);
    rowLayout->addLayout(buttons);
    return row;
}

QWidget* VoucherPanel::buildLines() {
    lineGroup_ = new QGroupBox(QString::fromUtf8("Unos stavki dokumenta"), this);
    lineGroup_->setObjectName("GroupBox2");
    auto* layout = new QVBoxLayout(lineGroup_);

    auto* first = new QHBoxLayout;
    lineId_ = newInfoEdit(lineGroup_, "DBEdit6");
    lineNalogid_ = newInfoEdit(lineGroup_, "DBEdit7");
    rbr_ = newEdit(lineGroup_, "DBEdit8");
    rbr_->setValidator(new QRegularExpressionValidator(kWholeNumber, rbr_));
    rbr_->setMaximumWidth(60);
    first->addWidget(labelled(lineGroup_, "id", lineId_));
    first->addWidget(labelled(lineGroup_, "nalogid", lineNalogid_));
    first->addWidget(labelled(lineGroup_, "r.br.", rbr_));
    auto* document = new QGroupBox(QString::fromUtf8("dokument"), lineGroup_);
    document->setObjectName("GroupBox3");
    auto* documentRow = new QHBoxLayout(document);
    lineOpis_ = newEdit(document, "DBEdit9", 40);
    dokument_ = newEdit(document, "DBEdit10", 15);
    dokument_->setToolTip(QString::fromUtf8(
        "Samo prvih 12 karaktera će biti prikazano na ispisu naloga, pa preporučujemo da odvje ukucate prvo "
        "najbitniju informaciju, tj. ono što želite da vidite na nalogu, npr. broj dokumenta"));
    lineDatum_ = newDateEdit(document, "DBEdit11");
    documentRow->addWidget(labelled(document, "opis", lineOpis_), 3);
    documentRow->addWidget(labelled(document, "br.", dokument_), 1);
    documentRow->addWidget(labelled(document, "datum", lineDatum_));
    first->addWidget(document, 1);
    layout->addLayout(first);

    auto* second = new QHBoxLayout;
    kontoid_ = newEdit(lineGroup_, "DBEdit12", 9);
    kontoid_->setMaximumWidth(90);
    kontoName_ = new LookupCombo(lookups_.konto, "id", "naziv", lineGroup_);
    kontoName_->setObjectName("DBLookupComboBox2");
    partnerid_ = newEdit(lineGroup_, "DBEdit13");
    partnerid_->setValidator(new QRegularExpressionValidator(kWholeNumber, partnerid_));
    partnerid_->setMaximumWidth(70);
    partnerId2_ = new LookupCombo(lookups_.partner, "id", "id2", lineGroup_);
    partnerId2_->setObjectName("DBLookupComboBox5");
    partnerName_ = new LookupCombo(lookups_.partner, "id", "naziv", lineGroup_);
    partnerName_->setObjectName("DBLookupComboBox3");
    second->addWidget(labelled(lineGroup_, "KONTO", kontoid_));
    second->addWidget(labelled(lineGroup_, "NAZIV KONTA", kontoName_), 2);
    second->addWidget(labelled(lineGroup_, "PARTNER", partnerid_));
    second->addWidget(labelled(lineGroup_, "ID2", partnerId2_));
    second->addWidget(labelled(lineGroup_, "NAZIV PARTNERA", partnerName_), 2);
    layout->addLayout(second);

    auto* third = new QHBoxLayout;
    duguje_ = newEdit(lineGroup_, "DBEdit14");
    potrazuje_ = newEdit(lineGroup_, "DBEdit15");
    for (QLineEdit* amount : {duguje_, potrazuje_}) {
        amount->setValidator(new QRegularExpressionValidator(kAmount, amount));
        amount->setAlignment(Qt::AlignRight);
        amount->setMaximumWidth(140);
    }
    third->addWidget(labelled(lineGroup_, "duguje", duguje_));
    third->addWidget(labelled(lineGroup_, "potražuje", potrazuje_));
    third->addStretch();
    layout->addLayout(third);

    // As in the header: "nova stavka" and "ispravi stavku" work while the group is disabled.
    lineRow_ = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(lineRow_);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(lineGroup_, 1);
    auto* buttons = new QVBoxLayout;
    newLine_ = newButton(lineRow_, "BitBtn3", "nova stavka");
    lineConfirm_ = newButton(lineRow_, "BitBtn2", "potvrdi unos");
    editLine_ = newButton(lineRow_, "BitBtn6", "ispravi stavku");
    lineCancel_ = newButton(lineRow_, "BitBtn7", "otkaži unos / ispravku");
    for (QPushButton* button : {newLine_, lineConfirm_, editLine_, lineCancel_}) buttons->addWidget(button);
    rowLayout->addLayout(buttons);
    return lineRow_;
}

QFrame* VoucherPanel::buildTotals() {
    auto* totals = new QFrame(this);
    totals->setObjectName("Panel2");
    auto* layout = new QHBoxLayout(totals);
    auto readOnly = [totals](const char* name) {
        QLineEdit* edit = newEdit(totals, name);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(140);
        return edit;
    };
    ukdug_ = readOnly("DBEdit16");
    ukpot_ = readOnly("DBEdit17");
    saldoDug_ = readOnly("EditSD");
    saldoPot_ = readOnly("EditSP");
    layout->addStretch();
    layout->addWidget(labelled(totals, "DUGUJE", ukdug_));
    layout->addWidget(labelled(totals, "POTRAŽUJE", ukpot_));
    layout->addWidget(new QLabel(QString::fromUtf8("SALDO:"), totals), 0, Qt::AlignBottom);
    layout->addWidget(saldoDug_, 0, Qt::AlignBottom);
    layout->addWidget(saldoPot_, 0, Qt::AlignBottom);
    return totals;
}

// Every input writes into the entry as it is typed, so that a shortcut that saves (Alt+A) finds the
// value there whatever has the focus.
void VoucherPanel::connectInputs() {
    connect(vnalid_, &QLineEdit::textEdited, this, [this](const QString& text) {
        setHeader("vnalid", wholeNumberFrom(text));
        vnalid2_->showKey(entry_.headerValue("vnalid"));
        typeName_->showKey(entry_.headerValue("vnalid"));
    });
    for (LookupCombo* list : {vnalid2_, typeName_}) {
        connect(list, &QComboBox::activated, this, [this, list] {
            if (const auto key = list->chosenKey()) setHeader("vnalid", db::Value(*key));
            showHeader();
        });
    }
    connect(oznaka_, &QLineEdit::textEdited, this, [this](const QString& t) { setHeader("oznaka", t.toStdString()); });
    connect(headerOpis_, &QLineEdit::textEdited, this, [this](const QString& t) { setHeader("opis", t.toStdString()); });
    connect(headerDatum_, &QLineEdit::textEdited, this, [this](const QString& t) { setHeader("datum", dateFrom(t)); });

    connect(rbr_, &QLineEdit::textEdited, this, [this](const QString& t) { setLine("rbr", wholeNumberFrom(t)); });
    connect(lineOpis_, &QLineEdit::textEdited, this, [this](const QString& t) { setLine("opis", t.toStdString()); });
    connect(dokument_, &QLineEdit::textEdited, this, [this](const QString& t) { setLine("dokument", t.toStdString()); });
    connect(lineDatum_, &QLineEdit::textEdited, this, [this](const QString& t) { setLine("datum", dateFrom(t)); });
    connect(kontoid_, &QLineEdit::textEdited, this, [this](const QString& t) {
        setLine("kontoid", t.toStdString());
        kontoName_->showKey(entry_.lineValue("kontoid"));
    });
    connect(kontoName_, &QComboBox::activated, this, [this] {
        if (const auto key = kontoName_->chosenKey()) setLine("kontoid", db::Value(*key));
        showLine();
    });
    connect(partnerid_, &QLineEdit::textEdited, this, [this](const QString& t) {
        const db::Value id = wholeNumberFrom(t);
        setLine("partnerid", id.isNull() ? integerValue(0) : id);
        showLineLookups();
    });
    for (LookupCombo* list : {partnerId2_, partnerName_}) {
        connect(list, &QComboBox::activated, this, [this, list] {
            if (const auto key = list->chosenKey()) setLine("partnerid", db::Value(*key));
            showLine();
        });
    }
    connect(duguje_, &QLineEdit::textEdited, this, [this](const QString& t) { setLine("duguje", amountFrom(t)); });
    connect(potrazuje_, &QLineEdit::textEdited, this, [this](const QString& t) { setLine("potrazuje", amountFrom(t)); });

    connect(headerConfirm_, &QPushButton::clicked, this, &VoucherPanel::BitBtn4Click);
    connect(headerCancel_, &QPushButton::clicked, this, &VoucherPanel::BitBtn8Click);
    connect(headerEdit_, &QPushButton::clicked, this, &VoucherPanel::BitBtn5Click);
    connect(newLine_, &QPushButton::clicked, this, &VoucherPanel::BitBtn3Click);
    connect(lineConfirm_, &QPushButton::clicked, this, &VoucherPanel::BitBtn2Click);
    connect(editLine_, &QPushButton::clicked, this, &VoucherPanel::BitBtn6Click);
    connect(lineCancel_, &QPushButton::clicked, this, &VoucherPanel::BitBtn7Click);

    connect(grid_, &LinesGrid::lineSelected, this, [this](int position) {
        db::Dataset& lines = entry_.lines();
        if (lines.state() != db::Dataset::State::Browse) return;
        lines.moveTo(static_cast<size_t>(position));
        showLine();
        emit stateChanged();
    });

    attachMenu(oznaka_, {{"ponovo odredi interni oznaku/broj naloga", [this] { ponovoodrediinternibrojnaloga1Click(); }}});
    for (QWidget* type : {static_cast<QWidget*>(vnalid_), static_cast<QWidget*>(vnalid2_),
                          static_cast<QWidget*>(typeName_)})
        attachMenu(type, {{"dodaj novu vrstu naloga", [this] { dodajnovuvrstunaloga1Click(); }}});
    for (QWidget* account : {static_cast<QWidget*>(kontoid_), static_cast<QWidget*>(kontoName_)})
        attachMenu(account, {{"dodaj novi konto", [this] { dodatinovikonto1Click(); }},
                             {"traži konto", [this] { traikonto1Click(); }}});
    for (QWidget* partner : {static_cast<QWidget*>(partnerid_), static_cast<QWidget*>(partnerId2_),
                             static_cast<QWidget*>(partnerName_)})
        attachMenu(partner, {{"dodaj novog partnera", [this] { dodajnovogpartnera1Click(); }},
                             {"pretraživanje", [this] { pretraivanje1Click(); }}});
    for (QLineEdit* amount : {duguje_, potrazuje_}) {
        const bool debitBox = amount == duguje_;
        attachMenu(amount, {{"kopiraj iznos prethodne stavke sa potražne strane",
                             [this, debitBox] { kopirajiznosprethodnestavkesapotranestrane1Click(debitBox); }},
                            {"kopiraj iznos prethodne stavke sa dugovne strane",
                             [this, debitBox] { kopirajiznosprethodnestavkesadugovnestrane1Click(debitBox); }}});
    }
}

void VoucherPanel::attachMenu(QWidget* owner,
                              std::initializer_list<std::pair<const char*, std::function<void()>>> items) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(owner->objectName() + "Menu");
    for (const auto& [caption, action] : items) menu->addAction(QString::fromUtf8(caption), this, action);
    owner->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(owner, &QWidget::customContextMenuRequested, menu,
            [owner, menu](const QPoint& at) { menu->exec(owner->mapToGlobal(at)); });
}

void VoucherPanel::buildGridMenu() {
    gridMenu_ = new QMenu(grid_);
    gridMenu_->setObjectName("PopupMenu1");
    gridMenu_->addAction(QString::fromUtf8("briši stavku"), this, &VoucherPanel::briistavku1Click);
    gridMenu_->addAction(QString::fromUtf8("briši sve stavke"), this, &VoucherPanel::briisvestavke1Click);
    gridMenu_->addAction(QString::fromUtf8("automatsko kontiranje"), this,
                         [this] { runGridMenuHandler("automatskoKontiranje"); });
    gridMenu_->addAction(QString::fromUtf8("popuni ili zamijeni vrijednost u koloni"), this,
                         &VoucherPanel::popuniilizamijenivrijednostukoloni1Click);
    gridMenu_->addSeparator();
    gridMenu_->addAction(QString::fromUtf8("kreiraj dokumente blagajne"), this,
                         [this] { runGridMenuHandler("kreirajDokumenteBlagajne"); });
    gridMenu_->addSeparator();
    gridMenu_->addAction(QString::fromUtf8("kontiraj neobrađene izvode banke"), this,
                         [this] { runGridMenuHandler("kontirajIzvodeBanke"); });
    gridMenu_->addAction(QString::fromUtf8("preispitaj statuse izvoda banke"), this,
                         [this] { runGridMenuHandler("preispitajStatuseIzvoda"); });
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, gridMenu_,
            [this](const QPoint& at) { gridMenu_->exec(grid_->viewport()->mapToGlobal(at)); });
}

// ---- Mirroring the entry ----

void VoucherPanel::refresh() {
    applyControls();
    showHeader();
    showLine();
    grid_->showLines(entry_.lines());
    emit stateChanged();
}

void VoucherPanel::reloadLookups() {
    for (LookupCombo* list : {vnalid2_, typeName_, kontoName_, partnerId2_, partnerName_}) list->reload();
    refresh();
}

void VoucherPanel::applyControls() {
    const EntryControls c = entry_.controls();
    const JournalSettings& settings = entry_.settings();
    setVisible(entry_.isVoucherOpen());
    title_->setText(qs(entry_.title()));
    headerGroup_->setEnabled(c.headerGroup);
    paintGroup(headerGroup_, c.headerGroup ? activeColour_ : inactiveColour_);
    lineGroup_->setEnabled(c.lineGroupEnabled);
    lineRow_->setVisible(c.lineGroupVisible);
    paintGroup(lineGroup_, c.lineGroupEnabled ? activeColour_ : inactiveColour_);
    grid_->setEnabled(c.gridEnabled);
    grid_->setVisible(c.gridVisible);
    vnalid_->setEnabled(!settings.nalogKoristiID2);
    vnalid2_->setEnabled(settings.nalogKoristiID2);
    partnerid_->setEnabled(!settings.partnerKoristiID2);
    partnerId2_->setEnabled(settings.partnerKoristiID2);
    headerConfirm_->setEnabled(c.headerConfirm);
    headerCancel_->setEnabled(c.headerCancel);
    headerEdit_->setEnabled(c.headerEdit);
    newLine_->setEnabled(c.newLine);
    editLine_->setEnabled(c.editLine);
    lineConfirm_->setEnabled(c.lineConfirm);
    lineCancel_->setEnabled(c.lineCancel);
}

void VoucherPanel::showHeader() {
    const db::Value vnalid = entry_.headerValue("vnalid");
    showText(headerId_, entry_.headerValue("id").asString());
    showText(vnalid_, vnalid.asString());
    vnalid2_->showKey(vnalid);
    typeName_->showKey(vnalid);
    showText(oznaka_, entry_.headerValue("oznaka").asString());
    showText(headerOpis_, entry_.headerValue("opis").asString());
    showText(headerDatum_, dateText(entry_.headerValue("datum")));
    opisLabel_->setText(qs(entry_.descriptionLabel()));
    headerOpis_->setFixedWidth(entry_.descriptionWidth());
    showText(ukdug_, entry_.ukdugText());
    showText(ukpot_, entry_.ukpotText());
    const SaldoDisplay& saldo = entry_.saldo();
    paintSaldo(saldoDug_, saldo.left, saldo.leftHighlighted);
    paintSaldo(saldoPot_, saldo.right, saldo.rightHighlighted);
}

void VoucherPanel::showLine() {
    showText(lineId_, entry_.lineValue("id").asString());
    showText(lineNalogid_, entry_.lineValue("nalogid").asString());
    showText(rbr_, entry_.lineValue("rbr").asString());
    showText(lineOpis_, entry_.lineValue("opis").asString());
    showText(dokument_, entry_.lineValue("dokument").asString());
    showText(lineDatum_, dateText(entry_.lineValue("datum")));
    showText(kontoid_, entry_.lineValue("kontoid").asString());
    showText(partnerid_, entry_.lineValue("partnerid").asString());
    showText(duguje_, amountText(entry_.lineValue("duguje")));
    showText(potrazuje_, amountText(entry_.lineValue("potrazuje")));
    kontoName_->showKey(entry_.lineValue("kontoid"));
    showLineLookups();
}

void VoucherPanel::showLineLookups() {
    const db::Value partner = entry_.lineValue("partnerid");
    partnerId2_->showKey(partner);
    partnerName_->showKey(partner);
}

void VoucherPanel::setHeader(const char* field, const db::Value& value) { entry_.setHeaderField(field, value); }
void VoucherPanel::setLine(const char* field, const db::Value& value) { entry_.setLineField(field, value); }

}  // namespace tarvo::journal
