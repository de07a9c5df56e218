#pragma once
// Embedding the voucher entry in a main window: the panel, the handlers and conditions of the window's
// menu entries and shortcut rows, and menu actions for a window that has no shortcut table of its own.
#include <QList>

#include <functional>
#include <string>
#include <vector>

#include "journal/voucher_entry.h"

class QAction;
class QMainWindow;
class QWidget;

namespace tarvo {
class TDataModule1;
class UserPrompt;
}  // namespace tarvo

namespace tarvo::journal {

class VoucherPanel;

// One handler of the main window, by the name its menu entry or shortcut row uses ("Novi1Click",
// "novaStavka", ...). Menu entries of "Dokument" carry their caption and shortcut.
struct VoucherCommand {
    std::string handler;
    std::function<void()> run;
    std::function<bool()> enabled;
    std::string caption = {};
    std::string shortcut = {};
};

// A named test of the shortcut rows ("fokusNaPartneru", ...).
struct VoucherCondition {
    std::string name;
    std::function<bool()> holds;
};

// The panel over `entry`, its lists on the data module's tables and the code-table editors for new
// records. It becomes the window's central widget when the window has none; a main window with an entry
// area of its own takes it there. Hidden until a voucher is opened.
VoucherPanel* installVoucherPanel(QMainWindow& window, VoucherEntry& entry, TDataModule1& data, UserPrompt& prompt);

std::vector<VoucherCommand> voucherCommands(VoucherPanel& panel);
std::vector<VoucherCondition> voucherConditions(VoucherPanel& panel);

// The "Dokument" entries of the voucher ("Pregledaj", "Novi", "Ispravi", "Briši", "Skloni (ažuriraj)") as
// actions with their shortcuts, added to `window` and enabled as the entry allows.
QList<QAction*> createVoucherMenuActions(VoucherPanel& panel, QWidget& window);

}  // namespace tarvo::journal
