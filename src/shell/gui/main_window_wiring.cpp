#include "shell/gui/main_window_wiring.h"

#include "journal/gui/voucher_commands.h"
#include "journal/gui/voucher_panel.h"
#include "lifecycle/gui/tform2.h"
#include "shell/gui/tform1.h"
#include "shell/startup/session.h"

namespace tarvo::shell {
namespace {

void reopenTables(Session& session, journal::VoucherPanel& panel) {
    session.data().zatvoriTabele();
    session.data().otvoriTabele();
    session.working().setLookupTables(session.data().MyTable_konto(), session.data().MyTable_partner(),
                                      session.data().MyTable_vrstanal());
    panel.reloadLookups();
}

}  // namespace

void wireMainWindow(TForm1& window, Session& session) {
    journal::VoucherPanel* panel = journal::installVoucherPanel(window, session.entry(), session.data(), session.prompt());
    window.setVoucherPanel(panel);
    for (const auto& command : journal::voucherCommands(*panel)) window.setHandler(command.handler, command.run, command.enabled);
    for (const auto& condition : journal::voucherConditions(*panel)) window.setCondition(condition.name, condition.holds);
    panel->setIdentBrojObavezan(window.globalSwitches().identBrojPartneraObavezan);
    session.entry().setBooksChangedHandler([&session] { session.data().MyTable_nalog().refresh(); });

    window.setCloseHook([&session] { session.FormCloseQuery(false); });

    window.setActivationHook([&session, panel](bool applicationBecameActive) {
        // An open voucher is never reset: settings reach the entry, and the entry goes idle, only while none is open.
        if (applicationBecameActive && !session.entry().isVoucherOpen()) {
            session.entry().setSettings(session.journalSettings());
            panel->resetIfIdle();
        }
    });

    window.setSettingsAppliedHook([&session, panel](const AppliedSettings& settings) {
        TDataModule1& data = session.data();
        SharedTablePrefixes prefixes = data.prefixes;
        prefixes.konto = settings.kontoPrefix;
        prefixes.partner = settings.partnerPrefix;
        if (prefixes.konto == data.prefixes.konto && prefixes.partner == data.prefixes.partner) return;
        data.prefixes = prefixes;
        try {
            reopenTables(session, *panel);
        } catch (const std::exception& error) {
            session.prompt().message(error.what());
        }
    });

    window.setHandler("Administracija1Click", [&window, &session] {
        lifecycle::TForm2 administration(session, window.globalSwitches().identBrojPartneraObavezan, &window);
        window.scaleWindow(&administration);
        administration.exec();
    });

    window.setHandler("osvjeziPodatke1Click", [&window, &session, panel] {
        try {
            reopenTables(session, *panel);
            session.working().otvoriTabele();
            session.data().parameters().load();
        } catch (const std::exception& error) {
            session.prompt().message(error.what());
        }
        window.setOstalePar();
    });
}

}  // namespace tarvo::shell
