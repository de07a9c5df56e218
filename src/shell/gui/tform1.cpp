#include "shell/gui/tform1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <stdexcept>
#include <thread>

#include "data/catalogue/dm_firma.h"
#include "data/catalogue/firma.h"
#include "data/catalogue/identifiers.h"
#include "data/db/connection.h"
#include "data/gui/tfglobpar.h"
#include "data/params/parameter_table.h"
#include "shell/gui/colour_palette.h"
#include "shell/gui/tfpostavke.h"
#include "shell/settings/screen_scale.h"
#include "shell/settings/settings_form.h"
#include "ui/focus_highlighter.h"
#include "ui/window_scale.h"
#include "util/user_prompt.h"

namespace tarvo::shell {
namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QKeyCombination keyOf(std::string_view text) { return QKeySequence(qs(text))[0]; }

// The key as the shortcut rows name it: the keypad's Enter and Return are both "Enter".
QKeyCombination pressedKey(const QKeyEvent& key) {
    const Qt::Key code = key.key() == Qt::Key_Return ? Qt::Key_Enter : static_cast<Qt::Key>(key.key());
    return QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, code);
}

std::string currentDatabase(db::Connection* connection) {
    return connection && connection->isOpen() ? connection->currentDatabase() : std::string();
}

}  // namespace

TForm1::TForm1(TForm1Context context, QWidget* parent) : QMainWindow(parent), context_(context) {
    setObjectName("Form1");
    buildMenus();
    buildCentralArea();
    statusBar();
    installBuiltHandlers();
    rebuildCaption();
    highlighter_ = std::make_unique<ui::FocusHighlighter>(qColor(kFocusHighlightColour));
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &TForm1::applicationStateChanged);
    resize(1024, 700);
}

TForm1::~TForm1() { qApp->removeEventFilter(this); }

void TForm1::buildMenus() {
    for (const MenuEntry& entry : mainMenu()) {
        if (entry.children.empty()) addEntry(menuBar(), entry);
        else buildMenu(menuBar()->addMenu(qs(entry.caption)), entry.children);
    }
    contextMenu_ = buildMenu(new QMenu(this), mainContextMenu());
}

QMenu* TForm1::buildMenu(QMenu* menu, std::span<const MenuEntry> entries) {
    for (const MenuEntry& entry : entries) {
        if (entry.children.empty()) addEntry(menu, entry);
        else buildMenu(menu->addMenu(qs(entry.caption)), entry.children);
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction* action : menu->actions())
            if (!action->menu()) action->setEnabled(handlerEnabled(action->objectName().toStdString()));
    });
    return menu;
}

QAction* TForm1::addEntry(QWidget* owner, const MenuEntry& entry) {
    // The shortcut is only shown: the main window's key preview handles the keys.
    QString text = qs(entry.caption);
    if (!entry.shortcut.empty()) text += "\t" + qs(entry.shortcut);
    auto* action = new QAction(text, owner);
    action->setObjectName(qs(entry.handler));
    action->setVisible(!entry.hidden);
    owner->addAction(action);
    const std::string handler(entry.handler);
    connect(action, &QAction::triggered, this, [this, handler] { runHandler(handler); });
    actions_[handler] = action;
    return action;
}

void TForm1::buildCentralArea() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    auto* buttons = new QHBoxLayout;
    archivePanel_ = new QFrame(central);
    archivePanel_->setFrameShape(QFrame::StyledPanel);
    auto* archiveRow = new QHBoxLayout(archivePanel_);
    for (const MenuEntry& entry : mainButtons()) {
        const bool archive = entry.handler == kOtvoriArhivu;
        auto* button = new QPushButton(qs(entry.caption), archive ? archivePanel_ : central);
        button->setObjectName(qs(entry.handler));
        const std::string handler(entry.handler);
        connect(button, &QPushButton::clicked, this, [this, handler] { runHandler(handler); });
        (archive ? archiveRow : buttons)->addWidget(button);
    }
    buttons->addStretch();
    archiveRow->addStretch();
    column->addLayout(buttons);
    // Where the voucher entry is shown; it takes the window's room also while empty.
    auto* area = new QWidget(central);
    area->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    entryArea_ = new QVBoxLayout(area);
    entryArea_->setContentsMargins(0, 0, 0, 0);
    column->addWidget(area, 1);
    column->addWidget(archivePanel_);
    archivePanel_->hide();
    setCentralWidget(central);
}

void TForm1::installBuiltHandlers() {
    const std::map<std::string_view, Action> built{
        {"Izlaz1Click", [this] { close(); }},
        {"nekiParametriStanja1Click", [this] { nekiParametriStanja(); }},
        {"osvjeziPodatke1Click", [this] { osvjeziPodatke(); }},
        {"globalniParametri1Click", [this] { globalniParametri(); }},
        {"postavkeAplikacije1Click", [this] { postavkeAplikacije(); }},
        {"KvedoClick", [this] { startSibling(SiblingProgram::Kvedo); }},
        {"RulenbaroClick", [this] { startSibling(SiblingProgram::Rulenbaro); }},
    };
    for (const MenuEntry* entry : allHandledEntries()) {
        if (!entry->built) continue;
        auto found = built.find(entry->handler);
        if (found == built.end()) throw std::logic_error("No handler for " + std::string(entry->handler));
        handlers_[std::string(entry->handler)] = Handler{found->second, {}};
    }
}

void TForm1::setHandler(const std::string& name, Action action, Condition enabled) {
    handlers_[name] = Handler{std::move(action), std::move(enabled)};
}

void TForm1::setCondition(const std::string& name, Condition condition) { conditions_[name] = std::move(condition); }

void TForm1::setActivationHook(std::function<void(bool)> hook) { activationHook_ = std::move(hook); }

bool TForm1::handlerEnabled(std::string_view name) const {
    auto found = handlers_.find(name);
    if (found != handlers_.end()) return !found->second.enabled || found->second.enabled();
    // Entries of the menus that nobody handles yet stay enabled and say so.
    return findEntry(name) != nullptr;
}

void TForm1::runHandler(std::string_view name) {
    const MenuEntry* entry = findEntry(name);
    if (entry && entry->refusedWhileVoucherOpen && voucherPanelVisible()) {
        context_.prompt.message(std::string(kPrvoZavrsiteObradu));
        return;
    }
    auto found = handlers_.find(name);
    if (found == handlers_.end() || !found->second.action) {
        context_.prompt.message(std::string(kUIzradi));
        return;
    }
    try {
        found->second.action();
    } catch (const std::exception& error) {
        context_.prompt.message(error.what());
    }
}

QAction* TForm1::menuAction(std::string_view handler) const {
    auto found = actions_.find(handler);
    return found == actions_.end() ? nullptr : found->second;
}

void TForm1::setVoucherPanel(QWidget* panel) {
    if (voucherPanel_) entryArea_->removeWidget(voucherPanel_);
    voucherPanel_ = panel;
    if (panel) entryArea_->addWidget(panel);
}

bool TForm1::voucherPanelVisible() const { return voucherPanel_ && !voucherPanel_->isHidden(); }

bool TForm1::shortcutApplies(const ShortcutRow& row) const {
    const bool panel = voucherPanelVisible();
    if (row.panel == PanelState::Hidden && (panel || !isVisible())) return false;
    if (row.panel == PanelState::Visible && !panel) return false;
    if (!row.condition.empty()) {
        auto condition = conditions_.find(row.condition);
        if (condition == conditions_.end() || !condition->second || !condition->second()) return false;
    }
    return handlerEnabled(row.handler);
}

bool TForm1::previewKey(QKeyEvent* key, bool overrideOnly) {
    const QKeyCombination pressed = pressedKey(*key);
    for (const ShortcutRow& row : mainShortcuts()) {
        if (keyOf(row.key) != pressed || !shortcutApplies(row)) continue;
        key->accept();
        if (!overrideOnly) runHandler(row.handler);
        return true;
    }
    if (pressed == keyOf(kAlwaysConsumedKey)) {
        key->accept();
        return true;
    }
    return false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const bool keyPress = event->type() == QEvent::KeyPress;
    // Only while this window is the active one and no menu or drop-down list has the keys.
    if ((keyPress || event->type() == QEvent::ShortcutOverride) && watched->isWidgetType() &&
        QApplication::activeWindow() == this && !QApplication::activePopupWidget()) {
        if (previewKey(static_cast<QKeyEvent*>(event), !keyPress)) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) { contextMenu_->exec(event->globalPos()); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (voucherPanelVisible()) {
        context_.prompt.message("Prvo završite tj. ažurirajte nalog!");
        event->ignore();
        return;
    }
    try {
        if (closeHook_) closeHook_();
    } catch (const std::exception& error) {
        context_.prompt.message(error.what());
    }
    event->accept();
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) onActivated();
    return QMainWindow::event(event);
}

void TForm1::onActivated() {
    // A message shown while reloading activates the window again when it closes.
    if (terminating_ || activating_) return;
    activating_ = true;
    setOstalePar();
    if (context_.firma.arhivski) archivePanel_->show();
    const bool becameActive = applicationActivated_;
    applicationActivated_ = false;
    try {
        if (activationHook_) activationHook_(becameActive);
    } catch (const std::exception& error) {
        warnOnce(error.what());
    }
    activating_ = false;
}

void TForm1::applicationStateChanged(Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive) {
        applicationActivated_ = true;
        if (isMinimized()) showNormal();
    } else if (state == Qt::ApplicationInactive && globals_.omoguciMinimiziranje &&
               QApplication::focusWidget() != this) {
        showMinimized();
    }
}

void TForm1::warnOnce(const std::string& text) {
    if (warned_.insert(text).second) context_.prompt.message(text);
}

void TForm1::setGlobPar() {
    try {
        CatalogueGlobalStore store(context_.catalogue);
        globals_ = shell::setGlobPar(store, context_.firma);
    } catch (const std::exception& error) {
        warnOnce(error.what());
        return;
    }
    applyColourScheme(globals_.colourScheme);
    for (const std::string& warning : globals_.warnings) warnOnce(warning);
}

namespace {

// The borrowed tables of another company are used only when its database is there; a catalogue that
// cannot answer does not stop them.
DatabaseCheck databaseCheck(TDM_firma& catalogue) {
    return [&catalogue](const std::string& database) {
        try {
            return databaseExists(catalogue.MyConnection1(), database);
        } catch (const std::exception&) {
            return true;
        }
    };
}

}  // namespace

void TForm1::setOstalePar() {
    try {
        settings_ = shell::setOstalePar(context_.parametri, context_.firma, databaseCheck(context_.catalogue));
    } catch (const std::exception& error) {
        warnOnce(error.what());
        return;
    }
    for (const std::string& warning : settings_.warnings) warnOnce(warning);
    if (settingsHook_) settingsHook_(settings_);
}

void TForm1::ucitajPostavkeAplikacije(const SettingsForm& form) {
    settings_ =
        shell::ucitajPostavkeAplikacije(form, context_.parametri, context_.firma, databaseCheck(context_.catalogue));
    for (const std::string& warning : settings_.warnings) warnOnce(warning);
    if (settingsHook_) settingsHook_(settings_);
}

void TForm1::rebuildCaption() {
    setWindowTitle(QString::fromStdString(mainWindowCaption(context_.firma)));
    archivePanel_->setVisible(context_.firma.arhivski);
}

void TForm1::applyScreenScale() { scaleWindow(this); }

void TForm1::scaleWindow(QWidget* window) const {
    if (!scalingNeeded(globals_.scaleFactor)) return;
    ui::scaleBy(window, scalePercent(globals_.scaleFactor) / 100.0);
    ui::centreOnScreen(window);
}

void TForm1::nekiParametriStanja() {
    const TFirma& firma = context_.firma;
    const DatabaseState state{firma.db_op,
                              firma.db_pr,
                              firma.db_fin,
                              firma.db_mat,
                              currentDatabase(context_.connection1),
                              currentDatabase(context_.connection2),
                              firma.orgTip};
    context_.prompt.message(parametriStanjaText(state));
}

void TForm1::osvjeziPodatke() {
    context_.parametri.load();
    setOstalePar();
}

void TForm1::globalniParametri() {
    const GlobalParametersInEffect inEffect{globals_.scaleFactor, globals_.sharedArticleCompany,
                                            globals_.konvZnakovaZaDos, globals_.omoguciMinimiziranje,
                                            globals_.identBrojPartneraObavezan};
    TFGlobPar dialog(context_.catalogue, context_.prompt, inEffect, this);
    dialog.setCompanyDetailsHandler([this] { runHandler(kDetaljiOFirmi); });
    scaleWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted) return;
    const GlobalParametersInEffect& saved = dialog.inEffect();
    const int oldPercent = scalePercent(globals_.scaleFactor);
    globals_.scaleFactor = saved.scaleFactor;
    globals_.konvZnakovaZaDos = saved.konvZnakovaZaDos;
    globals_.omoguciMinimiziranje = saved.omoguciMinimiziranje;
    globals_.identBrojPartneraObavezan = saved.identBrojPartneraObavezan;
    if (scalePercent(saved.scaleFactor) != oldPercent) {
        ui::scaleBy(this, static_cast<double>(scalePercent(saved.scaleFactor)) / oldPercent);
        ui::centreOnScreen(this);
    }
}

void TForm1::postavkeAplikacije() {
    const SettingsCopyContext copyContext{context_.catalogue.MyConnection1(), context_.catalogue.names(),
                                          context_.firma.db_pr, context_.prompt};
    TFpostavke dialog(context_.parametri, copyContext, this);
    scaleWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted) return;
    ucitajPostavkeAplikacije(dialog.form());
    context_.prompt.message("SNIMLJENE PROMJENE");
}

void TForm1::startSibling(SiblingProgram program) {
    const db::ConnectionParams server =
        context_.connection1 ? context_.connection1->params() : context_.catalogue.connectionParams();
    const SiblingLaunch launch = siblingLaunch(program, server, context_.firma);
    if (!launch.refusal.empty()) {
        context_.prompt.message(launch.refusal);
        return;
    }
    // The window takes no input until the sibling ends, but it still paints.
    ProgramRun run;
    bool failed = false;
    setEnabled(false);
    QEventLoop waiting;
    std::thread worker([&] {
        try {
            run = runSibling(launch);
        } catch (const std::exception&) {
            failed = true;
        }
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    setEnabled(true);
    if (failed) context_.prompt.message("GREŠKA!");
    else if (!run.started) context_.prompt.message(run.message);
}

}  // namespace tarvo::shell
