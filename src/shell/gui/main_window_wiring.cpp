#include "shell/gui/main_window_wiring.h"

#include "shell/gui/tform1.h"
#include "shell/startup/session.h"

namespace tarvo::shell {
namespace {

void reopenTables(Session& session) {
    session.data().zatvoriTabele();
    session.data().otvoriTabele();
    session.working().setLookupTables(session.data().MyTable_konto(), session.data().MyTable_partner(),
                                      session.data().MyTable_vrstanal());
}

}  // namespace

void wireMainWindow(TForm1& window, Session& session) {
    window.setCloseHook([&session] { session.FormCloseQuery(false); });

    window.setActivationHook([&session](bool applicationBecameActive) {
        // An open voucher is never reset: settings reach the entry only while none is open.
        if (applicationBecameActive && !session.entry().isVoucherOpen())
            session.entry().setSettings(session.journalSettings());
    });

    window.setSettingsAppliedHook([&session](const AppliedSettings& settings) {
        TDataModule1& data = session.data();
        SharedTablePrefixes prefixes = data.prefixes;
        prefixes.konto = settings.kontoPrefix;
        prefixes.partner = settings.partnerPrefix;
        if (prefixes.konto == data.prefixes.konto && prefixes.partner == data.prefixes.partner) return;
        data.prefixes = prefixes;
        try {
            reopenTables(session);
        } catch (const std::exception& error) {
            session.prompt().message(error.what());
        }
    });

    window.setHandler("osvjeziPodatke1Click", [&window, &session] {
        try {
            reopenTables(session);
            session.working().otvoriTabele();
        } catch (const std::exception& error) {
            session.prompt().message(error.what());
        }
        window.setOstalePar();
    });
}

}  // namespace tarvo::shell
