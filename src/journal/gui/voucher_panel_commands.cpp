// What the voucher panel's buttons, menus and keys do: each runs one operation of the entry and shows
// the entry's state afterwards.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "journal/field_values.h"
#include "journal/gui/lines_grid.h"
#include "journal/gui/lookup_combo.h"
#include "journal/gui/tffillandreplace.h"
#include "journal/gui/tfpretraga.h"
#include "journal/gui/tform8.h"
#include "journal/gui/voucher_panel.h"
#include "journal/voucher_entry.h"
#include "util/user_prompt.h"

namespace tarvo::journal {
namespace {

constexpr const char* kUIzradi = "U izradi";

bool isPrintable(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    return text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() <= 126;
}

bool isCommandKey(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
            return true;
        default:
            return (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    }
}

}  // namespace

// Operations run at the window's edge: an error is shown, never thrown into Qt. The focus moves only when
// the operation changed the mode.
void VoucherPanel::perform(const std::function<void()>& operation) {
    const EntryMode before = entry_.mode();
    const bool wasOpen = entry_.isVoucherOpen();
    try {
        operation();
    } catch (const std::exception& error) {
        prompt_.message(error.what());
    }
    refresh();
    if (entry_.mode() != before || entry_.isVoucherOpen() != wasOpen) focusForMode();
}

void VoucherPanel::focusForMode() {
    if (!entry_.isVoucherOpen()) return;
    switch (entry_.controls().focus) {
        case EntryFocus::VoucherType: typeName_->setFocus(); break;
        case EntryFocus::VoucherTypeId2: vnalid2_->setFocus(); break;
        case EntryFocus::LineDescription: lineOpis_->setFocus(); break;
        case EntryFocus::NewLineButton: newLine_->setFocus(); break;
    }
}

void VoucherPanel::resetIfIdle() {
    if (entry_.isVoucherOpen()) return;
    entry_.setujKontroleZaEdit("ništa");
    refresh();
}

// ---- The voucher ----

void VoucherPanel::Novi1Click() {
    if (entry_.isVoucherOpen()) return;
    perform([this] { entry_.Novi1Click(); });
}

void VoucherPanel::Ispravi1Click() {
    if (entry_.isVoucherOpen()) return;
    perform([this] {
        entry_.Ispravi1Click([this] {
            TForm8 picker = entry_.voucherPicker();
            return chooseVoucher(picker, prompt_, window());
        });
    });
}

// A shortcut that saves the header does not move the focus, so leaving the type box runs here.
void VoucherPanel::leaveTypeBoxIfFocused() {
    const QWidget* focus = QApplication::focusWidget();
    if (focus && isTypeInput(focus)) entry_.DBLookupComboBox1Exit();
}

void VoucherPanel::Auriraj1Click() {
    if (!entry_.isVoucherOpen()) return;
    perform([this] {
        leaveTypeBoxIfFocused();
        entry_.Auriraj1Click();
    });
}

void VoucherPanel::Brii1Click() {
    if (!entry_.isVoucherOpen()) return;
    perform([this] { entry_.Brii1Click(); });
}

void VoucherPanel::Pregledaj1Click() {
    if (entry_.isVoucherOpen() && entry_.controls().pregledaj) prompt_.message(kUIzradi);
}

void VoucherPanel::N4Click() {
    perform([this] { entry_.N4Click(); });
}

void VoucherPanel::BitBtn4Click() {
    perform([this] {
        leaveTypeBoxIfFocused();
        entry_.BitBtn4Click();
    });
}

void VoucherPanel::BitBtn8Click() {
    perform([this] { entry_.BitBtn8Click(); });
}

void VoucherPanel::BitBtn5Click() {
    perform([this] { entry_.BitBtn5Click(); });
}

void VoucherPanel::DBLookupComboBox1Exit() {
    perform([this] { entry_.DBLookupComboBox1Exit(); });
}

void VoucherPanel::ponovoodrediinternibrojnaloga1Click() {
    perform([this] { entry_.DajNoviInterniBroj(true); });
}

void VoucherPanel::dodajnovuvrstunaloga1Click() {
    const EntryMode mode = entry_.mode();
    if (mode != EntryMode::NoviDokument && mode != EntryMode::Dokument) return;
    if (!editors_.newVoucherType) {
        prompt_.message(kUIzradi);
        return;
    }
    perform([this] {
        const std::optional<long long> type = editors_.newVoucherType(window());
        if (!type) return;
        reloadLookups();
        entry_.setHeaderField("vnalid", db::Value::null());
        entry_.setHeaderField("vnalid", integerValue(*type));
    });
}

// ---- Lines ----

void VoucherPanel::BitBtn3Click() {
    perform([this] { entry_.BitBtn3Click(); });
}

void VoucherPanel::BitBtn2Click() {
    perform([this] { entry_.BitBtn2Click(); });
}

void VoucherPanel::BitBtn6Click() {
    perform([this] { entry_.BitBtn6Click(); });
}

void VoucherPanel::BitBtn7Click() {
    perform([this] { entry_.BitBtn7Click(); });
}

void VoucherPanel::briistavku1Click() {
    perform([this] { entry_.briistavku1Click(); });
}

void VoucherPanel::briisvestavke1Click() {
    perform([this] { entry_.briisvestavke1Click(); });
}

void VoucherPanel::popuniilizamijenivrijednostukoloni1Click() {
    const std::string column = grid_->fieldAt(grid_->currentColumn());
    if (column.empty()) return;
    perform([this, &column] {
        std::optional<TFFillAndReplace> change = entry_.popuniilizamijenivrijednostukoloni1Click(column);
        if (!change) return;
        TFFillAndReplaceWindow dialog(*change, window());
        dialog.exec();
    });
}

void VoucherPanel::kopirajiznosprethodnestavkesapotranestrane1Click(bool debitBox) {
    perform([this, debitBox] { entry_.kopirajiznosprethodnestavkesapotranestrane1Click(debitBox); });
}

void VoucherPanel::kopirajiznosprethodnestavkesadugovnestrane1Click(bool debitBox) {
    perform([this, debitBox] { entry_.kopirajiznosprethodnestavkesadugovnestrane1Click(debitBox); });
}

void VoucherPanel::traikonto1Click() {
    if (entry_.mode() != EntryMode::Stavke) return;
    perform([this] {
        TFPretraga search = entry_.traikonto1Click();
        const std::optional<std::string> konto = runSearch(search, window());
        if (!konto) return;
        entry_.setLineField("kontoid", db::Value::null());
        entry_.setLineField("kontoid", db::Value(*konto));
    });
}

void VoucherPanel::pretraivanje1Click() { traziPartnera({}, 2, 1); }

void VoucherPanel::traziPartnera(const QString& text, int attribute, int mode) {
    if (entry_.mode() != EntryMode::Stavke) return;
    perform([this, &text, attribute, mode] {
        TFPretraga search = entry_.traziPartnera(text.toStdString(), attribute, mode);
        const std::optional<std::string> id = runSearch(search, window());
        if (!id) return;
        const std::optional<long long> partner = parseWholeNumber(*id);
        if (!partner) return;
        partnerId2_->hidePopup();
        partnerName_->hidePopup();
        entry_.setLineField("partnerid", db::Value::null());
        entry_.setLineField("partnerid", integerValue(*partner));
    });
}

void VoucherPanel::dodatinovikonto1Click() {
    if (entry_.mode() != EntryMode::Stavke) return;
    if (!editors_.newAccount) {
        prompt_.message(kUIzradi);
        return;
    }
    perform([this] {
        const std::optional<std::string> konto = editors_.newAccount(window());
        if (!konto) return;
        reloadLookups();
        entry_.setLineField("kontoid", db::Value::null());
        entry_.setLineField("kontoid", db::Value(*konto));
    });
}

void VoucherPanel::dodajnovogpartnera1Click() {
    if (entry_.mode() != EntryMode::Stavke) return;
    if (!editors_.newPartner) {
        prompt_.message(kUIzradi);
        return;
    }
    perform([this] {
        const std::optional<long long> partner = editors_.newPartner(window(), identBrojObavezan_);
        if (!partner) return;
        reloadLookups();
        entry_.setLineField("partnerid", db::Value::null());
        entry_.setLineField("partnerid", integerValue(*partner));
    });
}

void VoucherPanel::setGridMenuHandler(const std::string& name, std::function<void()> handler) {
    gridHandlers_[name] = std::move(handler);
}

void VoucherPanel::runGridMenuHandler(const std::string& name) {
    auto handler = gridHandlers_.find(name);
    if (handler == gridHandlers_.end() || !handler->second) {
        prompt_.message(kUIzradi);
        return;
    }
    perform(handler->second);
}

// ---- Focus ----

bool VoucherPanel::focused(const QWidget* widget) const {
    return isVisible() && QApplication::focusWidget() == widget;
}

bool VoucherPanel::focusForNewPartner() const {
    return (focused(partnerName_) && entry_.controls().lineConfirm) || focused(partnerId2_) || focused(partnerid_);
}

bool VoucherPanel::focusForNewAccount() const {
    return (focused(kontoName_) && entry_.controls().lineConfirm) || focused(kontoid_);
}

bool VoucherPanel::focusOnAccount() const { return focused(kontoName_) || focused(kontoid_); }

bool VoucherPanel::focusOnPartner() const {
    return focused(partnerName_) || focused(partnerId2_) || focused(partnerid_);
}

bool VoucherPanel::focusOnGrid() const { return focused(grid_); }

bool VoucherPanel::isTypeInput(const QObject* object) const {
    return object == vnalid_ || object == vnalid2_ || object == typeName_;
}

// ---- Keys of the inputs ----

bool VoucherPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && isTypeInput(watched)) {
        // The list's own drop-down takes the focus for a moment: that is no leaving.
        const EntryMode mode = entry_.mode();
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            (mode == EntryMode::NoviDokument || mode == EntryMode::Dokument))
            DBLookupComboBox1Exit();
        return false;
    }
    if (event->type() == QEvent::FocusIn && (watched == headerDatum_ || watched == lineDatum_)) {
        if (entry_.settings().datumsAutoSel)
            QTimer::singleShot(0, static_cast<QLineEdit*>(watched), &QLineEdit::selectAll);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);

    if (watched == headerDatum_ || watched == lineDatum_) {
        if (key.key() != Qt::Key_Delete) return false;
        auto* date = static_cast<QLineEdit*>(watched);
        date->clear();
        if (watched == headerDatum_) setHeader("datum", db::Value::null());
        else setLine("datum", db::Value::null());
        return true;
    }
    if (watched == typeName_ || watched == kontoName_) {
        auto* list = static_cast<LookupCombo*>(watched);
        if (list->currentIndex() >= 0 || isCommandKey(key)) return false;
        list->showPopup();
        return true;
    }
    if (watched == partnerName_ || watched == partnerId2_) {
        if (key.key() == Qt::Key_Delete) {
            setLine("partnerid", integerValue(0));
            showLine();
            return true;
        }
        if (!isPrintable(key)) return false;
        const QString typed = key.text();
        if (watched == partnerId2_) traziPartnera(typed, 1, 0);
        else traziPartnera(typed, 2, 1);
        return true;
    }
    return false;
}

}  // namespace tarvo::journal
