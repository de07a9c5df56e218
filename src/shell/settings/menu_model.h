#pragma once
#include <span>
#include <string_view>
#include <vector>

namespace tarvo::shell {

// What an entry that nobody handles yet says.
inline constexpr std::string_view kUIzradi = "U izradi";
// The card-closing entries refuse while a voucher is being entered.
inline constexpr std::string_view kPrvoZavrsiteObradu = "Prvo završite obradu naloga!";

// One entry of the main window's menus, or one of its buttons. A handler name is the hook through which
// the window that owns the work plugs in.
struct MenuEntry {
    std::string_view caption;
    std::string_view handler = {};   // "" for a submenu
    std::string_view shortcut = {};  // shown beside the caption; "" for none
    bool built = false;         // the main window handles it itself
    bool hidden = false;
    bool refusedWhileVoucherOpen = false;
    std::span<const MenuEntry> children = {};
};

// The menu bar: "Dokument", "Pregled", "Razno", "Specifične evidencije" and the entry "Izlaz".
std::span<const MenuEntry> mainMenu();
// The context menu of the main window.
std::span<const MenuEntry> mainContextMenu();
// The buttons "Kvedo", "Rulenbaro" and the archive panel's "OTVORI ARHIVU".
std::span<const MenuEntry> mainButtons();
// Every entry with a handler, of the menus and the buttons, depth first.
std::vector<const MenuEntry*> allHandledEntries();
const MenuEntry* findEntry(std::string_view handler);

// The button of the archive panel; the other buttons stand above the entry area.
inline constexpr std::string_view kOtvoriArhivu = "OtvoriArhivuClick";
// Hooks of other windows that the main window passes on.
inline constexpr std::string_view kDetaljiOFirmi = "detaljiOFirmiClick";  // the global-parameter window's button

// Where the voucher-entry panel has to be for a shortcut to apply.
enum class PanelState { Any, Hidden, Visible };

// One row of the main window's keyboard shortcuts, tried in order; the first row that applies runs its
// handler and consumes the key. A row applies when the panel is as required, its condition (a named test
// the voucher entry supplies; "" none) holds and its handler is enabled.
struct ShortcutRow {
    std::string_view key;  // "Alt+A", "Ctrl+N", "Esc", "Enter", ...
    PanelState panel;
    std::string_view handler;
    std::string_view condition = {};
};

std::span<const ShortcutRow> mainShortcuts();
// The one key the main window always consumes, whether a row applied or not.
inline constexpr std::string_view kAlwaysConsumedKey = "Esc";

}  // namespace tarvo::shell
