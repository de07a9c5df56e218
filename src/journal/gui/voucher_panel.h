#pragma once
#include <QColor>
#include <QFrame>

#include <functional>
#include <map>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tarvo {
class UserPrompt;
class VoucherEntry;
enum class EntryMode;
namespace db {
class Dataset;
class Value;
}  // namespace db
}  // namespace tarvo

namespace tarvo::journal {

class LinesGrid;
class LookupCombo;

// The tables of the entry's drop-down lists.
struct EntryLookups {
    const db::Dataset& konto;
    const db::Dataset& partner;
    const db::Dataset& vrstanal;
};

// The code-table editors opened from the entry for a new record; each gives back the new key, nothing when
// the user gave up. Without one the entry says "U izradi".
struct EntryEditors {
    std::function<std::optional<std::string>(QWidget* parent)> newAccount;
    std::function<std::optional<long long>(QWidget* parent, bool identBrojObavezan)> newPartner;
    std::function<std::optional<long long>(QWidget* parent)> newVoucherType;
};

// The voucher entry of the main window (`Panel1`): the header group, the line group, the totals and the
// grid of the voucher's lines. It shows a VoucherEntry and runs its operations; every control mirrors the
// entry's state after each one. Visible only while a voucher is open.
class VoucherPanel : public QFrame {
    Q_OBJECT
public:
    VoucherPanel(VoucherEntry& entry, EntryLookups lookups, UserPrompt& prompt, QWidget* parent = nullptr);
    ~VoucherPanel() override;

    VoucherEntry& entry() { return entry_; }
    bool isVoucherOpen() const;
    void setEditors(EntryEditors editors) { editors_ = std::move(editors); }
    // Global parameter "identBrojPartneraObavezan", passed to the partner editor.
    void setIdentBrojObavezan(bool on) { identBrojObavezan_ = on; }
    // The entries of the grid's menu that belong to other windows: "automatskoKontiranje",
    // "kreirajDokumenteBlagajne", "kontirajIzvodeBanke", "preispitajStatuseIzvoda". Until plugged in they
    // say "U izradi".
    void setGridMenuHandler(const std::string& name, std::function<void()> handler);
    // The colours of an enabled and a disabled group box.
    void setGroupColours(QColor active, QColor inactive);

    // Shows the entry's state again; call after something outside the panel drove the entry.
    void refresh();
    // Reads the drop-down lists again from their tables.
    void reloadLookups();
    // Activation of the main window: back to "ništa" only when no voucher is open.
    void resetIfIdle();

    // ---- The voucher (menu "Dokument" and the header buttons) ----
    void Novi1Click();
    void Ispravi1Click();
    void Auriraj1Click();
    void Brii1Click();
    void Pregledaj1Click();
    void N4Click();
    void BitBtn4Click();
    void BitBtn8Click();
    void BitBtn5Click();
    void DBLookupComboBox1Exit();
    void ponovoodrediinternibrojnaloga1Click();
    void dodajnovuvrstunaloga1Click();

    // ---- Lines ----
    void BitBtn3Click();
    void BitBtn2Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void briistavku1Click();
    void briisvestavke1Click();
    void popuniilizamijenivrijednostukoloni1Click();
    void kopirajiznosprethodnestavkesapotranestrane1Click(bool debitBox);
    void kopirajiznosprethodnestavkesadugovnestrane1Click(bool debitBox);
    void traikonto1Click();
    void pretraivanje1Click();
    void traziPartnera(const QString& text, int attribute, int mode);
    void dodatinovikonto1Click();
    void dodajnovogpartnera1Click();

    // ---- Where the focus is, for the main window's shortcut rows ----
    // Partner name list with line "potvrdi unos" enabled, partner secondary-code list, partner code box.
    bool focusForNewPartner() const;
    // Account name list with line "potvrdi unos" enabled, account code box.
    bool focusForNewAccount() const;
    bool focusOnAccount() const;
    bool focusOnPartner() const;
    bool focusOnGrid() const;

    QMenu* gridMenu() const { return gridMenu_; }

signals:
    // After every change of the entry's state: menus read their enabled state again.
    void stateChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* buildHeader();
    QWidget* buildLines();
    QFrame* buildTotals();
    void buildGridMenu();
    void connectInputs();
    void attachMenu(QWidget* owner, std::initializer_list<std::pair<const char*, std::function<void()>>> items);

    void perform(const std::function<void()>& operation);
    void applyControls();
    void showHeader();
    void showLine();
    void showLineLookups();
    void focusForMode();
    void leaveTypeBoxIfFocused();
    void setHeader(const char* field, const db::Value& value);
    void setLine(const char* field, const db::Value& value);
    bool focused(const QWidget* widget) const;
    bool isTypeInput(const QObject* object) const;
    void runGridMenuHandler(const std::string& name);

    VoucherEntry& entry_;
    EntryLookups lookups_;
    UserPrompt& prompt_;
    EntryEditors editors_;
    bool identBrojObavezan_ = false;
    std::map<std::string, std::function<void()>> gridHandlers_;
    QColor activeColour_{192, 220, 192};
    QColor inactiveColour_{166, 202, 240};

    QLabel* title_ = nullptr;  // Label27
    QGroupBox* headerGroup_ = nullptr;
    QLineEdit* headerId_ = nullptr;        // DBEdit1
    QLineEdit* vnalid_ = nullptr;          // DBEdit2
    LookupCombo* vnalid2_ = nullptr;       // DBLookupComboBox4
    LookupCombo* typeName_ = nullptr;      // DBLookupComboBox1
    QLineEdit* oznaka_ = nullptr;          // DBEdit3
    QLabel* opisLabel_ = nullptr;
    QLineEdit* headerOpis_ = nullptr;      // DBEdit4
    QLineEdit* headerDatum_ = nullptr;     // DBEdit5
    QPushButton* headerConfirm_ = nullptr; // BitBtn4
    QPushButton* headerCancel_ = nullptr;  // BitBtn8
    QPushButton* headerEdit_ = nullptr;    // BitBtn5

    QWidget* lineRow_ = nullptr;           // the line group and its buttons
    QGroupBox* lineGroup_ = nullptr;
    QLineEdit* lineId_ = nullptr;          // DBEdit6
    QLineEdit* lineNalogid_ = nullptr;     // DBEdit7
    QLineEdit* rbr_ = nullptr;             // DBEdit8
    QLineEdit* lineOpis_ = nullptr;        // DBEdit9
    QLineEdit* dokument_ = nullptr;        // DBEdit10
    QLineEdit* lineDatum_ = nullptr;       // DBEdit11
    QLineEdit* kontoid_ = nullptr;         // DBEdit12
    LookupCombo* kontoName_ = nullptr;     // DBLookupComboBox2
    QLineEdit* partnerid_ = nullptr;       // DBEdit13
    LookupCombo* partnerId2_ = nullptr;    // DBLookupComboBox5
    LookupCombo* partnerName_ = nullptr;   // DBLookupComboBox3
    QLineEdit* duguje_ = nullptr;          // DBEdit14
    QLineEdit* potrazuje_ = nullptr;       // DBEdit15
    QPushButton* newLine_ = nullptr;       // BitBtn3
    QPushButton* lineConfirm_ = nullptr;   // BitBtn2
    QPushButton* editLine_ = nullptr;      // BitBtn6
    QPushButton* lineCancel_ = nullptr;    // BitBtn7

    QLineEdit* ukdug_ = nullptr;
    QLineEdit* ukpot_ = nullptr;
    QLineEdit* saldoDug_ = nullptr;        // EditSD
    QLineEdit* saldoPot_ = nullptr;        // EditSP
    LinesGrid* grid_ = nullptr;            // DBGrid1
    QMenu* gridMenu_ = nullptr;
};

}  // namespace tarvo::journal
