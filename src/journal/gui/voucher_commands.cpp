#include "journal/gui/voucher_commands.h"

#include <QAction>
#include <QMainWindow>

#include "data/company_year/tdatamodule1.h"
#include "journal/gui/code_table_editors.h"
#include "journal/gui/voucher_panel.h"

namespace tarvo::journal {

VoucherPanel* installVoucherPanel(QMainWindow& window, VoucherEntry& entry, TDataModule1& data, UserPrompt& prompt) {
    auto* panel = new VoucherPanel(entry, {data.MyTable_konto(), data.MyTable_partner(), data.MyTable_vrstanal()},
                                   prompt, &window);
    panel->setEditors({
        [&data, &prompt](QWidget* parent) { return addNewAccount(data, prompt, parent); },
        [&data, &prompt](QWidget* parent, bool identBrojObavezan) {
            return addNewPartner(data, prompt, parent, identBrojObavezan);
        },
        [&data, &prompt](QWidget* parent) { return addNewVoucherType(data, prompt, parent); },
    });
    if (!window.centralWidget()) window.setCentralWidget(panel);
    panel->refresh();
    return panel;
}

std::vector<VoucherCommand> voucherCommands(VoucherPanel& panel) {
    VoucherPanel* p = &panel;
    auto open = [p] { return p->isVoucherOpen(); };
    auto when = [p](bool needsOpen, bool EntryControls::*flag) {
        return [p, needsOpen, flag] { return p->isVoucherOpen() == needsOpen && p->entry().controls().*flag; };
    };
    return {
        {"Pregledaj1Click", [p] { p->Pregledaj1Click(); }, when(true, &EntryControls::pregledaj), "Pregledaj", "Ctrl+P"},
        {"Novi1Click", [p] { p->Novi1Click(); }, when(false, &EntryControls::novi), "Novi", "Ctrl+N"},
        {"Ispravi1Click", [p] { p->Ispravi1Click(); }, when(false, &EntryControls::ispravi), "Ispravi"},
        {"Brisi1Click", [p] { p->Brii1Click(); }, when(true, &EntryControls::brisi), "Briši", "Ctrl+F9"},
        {"Auriraj1Click", [p] { p->Auriraj1Click(); }, when(true, &EntryControls::skloni), "Skloni (ažuriraj)",
         "Alt+A"},
        {"pocistiPomocneTabele1Click", [p] { p->N4Click(); }, [] { return true; }},
        {"novaStavka", [p] { p->BitBtn3Click(); }, when(true, &EntryControls::newLine)},
        {"dodajNovogPartnera", [p] { p->dodajnovogpartnera1Click(); }, open},
        {"dodajNoviKonto", [p] { p->dodatinovikonto1Click(); }, open},
        {"otkaziUnosIspravku", [p] { p->BitBtn8Click(); }, when(true, &EntryControls::headerCancel)},
        {"otkaziUnosIspravku2", [p] { p->BitBtn7Click(); }, when(true, &EntryControls::lineCancel)},
        {"ispraviStavku", [p] { p->BitBtn6Click(); }, when(true, &EntryControls::editLine)},
        {"brisiStavku", [p] { p->briistavku1Click(); },
         [p] { return p->isVoucherOpen() && p->entry().controls().headerEdit && p->entry().controls().editLine; }},
        {"popuniKolonu", [p] { p->popuniilizamijenivrijednostukoloni1Click(); }, when(true, &EntryControls::gridEnabled)},
        {"traziKonto", [p] { p->traikonto1Click(); }, open},
        {"pretrazivanje", [p] { p->pretraivanje1Click(); }, open},
    };
}

std::vector<VoucherCondition> voucherConditions(VoucherPanel& panel) {
    VoucherPanel* p = &panel;
    return {
        {"fokusNaPartneru", [p] { return p->focusForNewPartner(); }},
        {"fokusNaKontu", [p] { return p->focusForNewAccount(); }},
        {"fokusNaStavkama", [p] { return p->focusOnGrid(); }},
        {"ispraviOsnPodatkeIStavku",
         [p] { return p->entry().controls().headerEdit && p->entry().controls().editLine; }},
        {"fokusNaKontuZaPretragu", [p] { return p->focusOnAccount(); }},
        {"fokusNaPartneruZaPretragu", [p] { return p->focusOnPartner(); }},
    };
}

QList<QAction*> createVoucherMenuActions(VoucherPanel& panel, QWidget& window) {
    QList<QAction*> actions;
    std::vector<std::pair<QAction*, std::function<bool()>>> states;
    for (VoucherCommand& command : voucherCommands(panel)) {
        if (command.caption.empty()) continue;
        auto* action = new QAction(QString::fromStdString(command.caption), &window);
        if (!command.shortcut.empty()) action->setShortcut(QKeySequence(QString::fromStdString(command.shortcut)));
        QObject::connect(action, &QAction::triggered, &panel, command.run);
        window.addAction(action);
        actions << action;
        states.emplace_back(action, command.enabled);
    }
    auto update = [states] {
        for (const auto& [action, enabled] : states) action->setEnabled(enabled());
    };
    QObject::connect(&panel, &VoucherPanel::stateChanged, &window, update);
    update();
    return actions;
}

}  // namespace tarvo::journal
