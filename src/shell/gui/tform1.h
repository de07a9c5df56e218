#pragma once
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "shell/settings/applied_settings.h"
#include "shell/settings/global_switches.h"
#include "shell/settings/main_window_texts.h"
#include "shell/settings/menu_model.h"
#include "shell/settings/sibling_programs.h"

class QAction;
class QFrame;
class QMenu;
class QVBoxLayout;

namespace tarvo {
class ParameterTable;
class TDM_firma;
class TFirma;
class UserPrompt;
namespace db {
class Connection;
}
namespace ui {
class FocusHighlighter;
}
}  // namespace tarvo

namespace tarvo::shell {

class SettingsForm;

// What the main window works on; everything lives longer than the window.
struct TForm1Context {
    ParameterTable& parametri;  // `parametar` of the open company year
    TDM_firma& catalogue;       // global parameters and the catalogue connection
    UserPrompt& prompt;
    TFirma& firma;              // the current company: caption, databases, type, archive flag
    // The company year's two connections: the first one's server goes to the sibling programs, both
    // databases to "neki parametri stanja". Without them the catalogue's connection stands in.
    db::Connection* connection1 = nullptr;
    db::Connection* connection2 = nullptr;
};

// The main window: menus, context menu, shortcuts, the sibling-program buttons, the archive panel and the
// area where the voucher entry is shown. Every entry runs a named handler (shell/settings/menu_model.h);
// the ones nobody has plugged in yet say "U izradi".
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    using Action = std::function<void()>;
    using Condition = std::function<bool()>;

    explicit TForm1(TForm1Context context, QWidget* parent = nullptr);
    ~TForm1() override;

    // Plugs in (or replaces) the handler of a menu entry, button or shortcut row; `enabled` decides
    // whether its entry is enabled and its shortcut applies (none: always).
    void setHandler(const std::string& name, Action action, Condition enabled = {});
    // A named condition of the shortcut rows ("fokusNaPartneru", ...), supplied by the voucher entry.
    void setCondition(const std::string& name, Condition condition);
    // As the menu does: refused while a voucher is open when the entry says so, "U izradi" when nothing
    // is plugged in; an error of the handler is shown, never thrown.
    void runHandler(std::string_view name);
    bool handlerEnabled(std::string_view name) const;
    // The menu action of a handler, for tests and for enabling by hand.
    QAction* menuAction(std::string_view handler) const;
    QMenu* contextMenu() const { return contextMenu_; }

    // The voucher-entry panel, shown in the central area; closing is refused while it is visible.
    void setVoucherPanel(QWidget* panel);
    bool voucherPanelVisible() const;

    // Start-up and lifecycle hooks. Activation: after the settings are reloaded, with whether the
    // application itself became active (not merely one of its dialogs closing). Close: closing is allowed
    // (close the company's connections). Settings applied: after every ucitajPostavkeAplikacije (switch the
    // account and partner tables to the prefixes).
    void setActivationHook(std::function<void(bool applicationBecameActive)> hook);
    void setCloseHook(Action hook) { closeHook_ = std::move(hook); }
    void setSettingsAppliedHook(std::function<void(const AppliedSettings&)> hook) { settingsHook_ = std::move(hook); }
    // While terminating, activation does nothing.
    void setTerminating(bool terminating) { terminating_ = terminating; }

    // Reads the global parameters and applies the colour scheme.
    void setGlobPar();
    // Loads the application settings without their window and applies them.
    void setOstalePar();
    void ucitajPostavkeAplikacije(const SettingsForm& form);
    const GlobalSwitches& globalSwitches() const { return globals_; }
    const AppliedSettings& settings() const { return settings_; }
    double scaleFactor() const { return globals_.scaleFactor; }

    // The caption for the current company, and the archive panel shown with archived data.
    void rebuildCaption();
    // Start-up: enlarges this window (and its grids' columns) by the screen scale factor and centres it.
    void applyScreenScale();
    // The same for a window opened from the menus.
    void scaleWindow(QWidget* window) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Handler {
        Action action;
        Condition enabled;
    };

    void buildMenus();
    void buildCentralArea();
    QMenu* buildMenu(QMenu* menu, std::span<const MenuEntry> entries);
    QAction* addEntry(QWidget* owner, const MenuEntry& entry);
    void installBuiltHandlers();
    bool shortcutApplies(const ShortcutRow& row) const;
    bool previewKey(QKeyEvent* key, bool overrideOnly);
    void onActivated();
    void applicationStateChanged(Qt::ApplicationState state);
    void warnOnce(const std::string& text);

    void nekiParametriStanja();
    void osvjeziPodatke();
    void globalniParametri();
    void postavkeAplikacije();
    void startSibling(SiblingProgram program);

    TForm1Context context_;
    std::map<std::string, Handler, std::less<>> handlers_;
    std::map<std::string, Condition, std::less<>> conditions_;
    std::map<std::string, QAction*, std::less<>> actions_;
    std::function<void(bool)> activationHook_;
    Action closeHook_;
    std::function<void(const AppliedSettings&)> settingsHook_;
    GlobalSwitches globals_;
    AppliedSettings settings_;
    std::set<std::string> warned_;
    std::unique_ptr<ui::FocusHighlighter> highlighter_;
    QMenu* contextMenu_ = nullptr;
    QVBoxLayout* entryArea_ = nullptr;
    QWidget* voucherPanel_ = nullptr;
    QFrame* archivePanel_ = nullptr;
    bool terminating_ = false;
    bool applicationActivated_ = true;
    bool activating_ = false;
};

}  // namespace tarvo::shell
