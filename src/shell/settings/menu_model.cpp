#include "shell/settings/menu_model.h"

#include <array>

namespace tarvo::shell {
namespace {

// Entries: caption, handler, shortcut, built, hidden, refused while a voucher is open.
constexpr std::array kDokument{
    MenuEntry{"Pregledaj", "Pregledaj1Click", "Ctrl+P"},
    MenuEntry{"Novi", "Novi1Click", "Ctrl+N"},
    MenuEntry{"Ispravi", "Ispravi1Click"},
    MenuEntry{"Briši", "Brisi1Click", "Ctrl+F9"},
    MenuEntry{"Skloni (ažuriraj)", "Auriraj1Click", "Alt+A"},
    MenuEntry{"Napravi nalog početnog stanja", "NalogPocetnogStanja1Click"},
};

constexpr std::array kBrutoBilans{
    MenuEntry{"(Sub)analitički bruto bilans", "AnalitickiBrutoBilans1Click"},
    MenuEntry{"Sintetički bruto bilans", "SintetickiBrutoBilans1Click"},
};

constexpr std::array kPregled{
    MenuEntry{"Nalozi za period", "NaloziZaPeriod1Click"},
    MenuEntry{"Kartica", "Kartica1Click"},
    MenuEntry{"Specifikacija", "Specifikacija1Click"},
    MenuEntry{"Bruto bilans", "", "", false, false, false, kBrutoBilans},
    MenuEntry{"Bilans stanja", "BilansStanja1Click"},
    MenuEntry{"Bilans uspjeha", "BilansUspjeha1Click", "", false, true},
    MenuEntry{"Bilans stanja", "BilansStanja2Click", "", false, true},
    MenuEntry{"Dnevnik blagajne za period", "DnevnikBlagajne1Click"},
};

constexpr std::array kZatvaranjeKartica{
    MenuEntry{"Zatvaranje kartica (za čitav period)", "ZatvaranjeKartica1Click", "", false, false, true},
    MenuEntry{"Dnevno zatvaranje za blagajnu", "DnevnoZatvaranje1Click", "", false, false, true},
};

constexpr std::array kRazno{
    MenuEntry{"Administracija", "Administracija1Click"},
    MenuEntry{"Zatvaranje kartica", "", "", false, false, false, kZatvaranjeKartica},
    MenuEntry{"Završni obračun", "ZavrsniObracun1Click"},
    MenuEntry{"Izvod otvorenih stavki", "IzvodOtvorenihStavki1Click"},
};

constexpr std::array kSpecificne{
    MenuEntry{"Kompenzacije", "Kompenzacije1Click"},
    MenuEntry{"Osnovna/stalna sredstva", "OsnovnaSredstva1Click"},
    MenuEntry{"Izvodi banke", "IzvodiBanke1Click"},
};

constexpr std::array kMainMenu{
    MenuEntry{"Dokument", "", "", false, false, false, kDokument},
    MenuEntry{"Pregled", "", "", false, false, false, kPregled},
    MenuEntry{"Razno", "", "", false, false, false, kRazno},
    MenuEntry{"Specifične evidencije", "", "", false, false, false, kSpecificne},
    MenuEntry{"Izlaz", "Izlaz1Click", "", true},
};

constexpr std::array kContextMenu{
    MenuEntry{"neki parametri stanja", "nekiParametriStanja1Click", "", true},
    MenuEntry{"osvježi podatke (zatvori pa otvori tabele i ponovo učitaj parametre)", "osvjeziPodatke1Click", "",
              true},
    MenuEntry{"definicije izvještaja", "definicijeIzvjestaja1Click"},
    MenuEntry{"globalni parametri", "globalniParametri1Click", "", true},
    MenuEntry{"postavke aplikacije", "postavkeAplikacije1Click", "", true},
    MenuEntry{"počisti tj. izbriši sadržaj pomoćnih tabela za pripremu naloga", "pocistiPomocneTabele1Click"},
};

constexpr std::array kButtons{
    MenuEntry{"Kvedo", "KvedoClick", "", true},
    MenuEntry{"Rulenbaro", "RulenbaroClick", "", true},
    MenuEntry{"OTVORI ARHIVU", kOtvoriArhivu},
};

constexpr std::array kShortcuts{
    ShortcutRow{"Alt+A", PanelState::Any, "Auriraj1Click"},
    ShortcutRow{"Ctrl+N", PanelState::Hidden, "Novi1Click"},
    ShortcutRow{"Ctrl+N", PanelState::Visible, "dodajNovogPartnera", "fokusNaPartneru"},
    ShortcutRow{"Ctrl+N", PanelState::Visible, "dodajNoviKonto", "fokusNaKontu"},
    ShortcutRow{"Ctrl+N", PanelState::Visible, "novaStavka"},
    ShortcutRow{"Ctrl+P", PanelState::Any, "Pregledaj1Click"},
    ShortcutRow{"Esc", PanelState::Visible, "otkaziUnosIspravku"},
    ShortcutRow{"Esc", PanelState::Visible, "otkaziUnosIspravku2"},
    ShortcutRow{"Enter", PanelState::Visible, "ispraviStavku", "fokusNaStavkama"},
    ShortcutRow{"Ctrl+T", PanelState::Visible, "brisiStavku", "ispraviOsnPodatkeIStavku"},
    ShortcutRow{"Ctrl+F9", PanelState::Any, "Brisi1Click"},
    ShortcutRow{"Alt+R", PanelState::Visible, "popuniKolonu", "fokusNaStavkama"},
    ShortcutRow{"Ctrl+F", PanelState::Visible, "traziKonto", "fokusNaKontuZaPretragu"},
    ShortcutRow{"Ctrl+F", PanelState::Visible, "pretrazivanje", "fokusNaPartneruZaPretragu"},
};

void collect(std::span<const MenuEntry> entries, std::vector<const MenuEntry*>& out) {
    for (const MenuEntry& entry : entries) {
        if (!entry.handler.empty()) out.push_back(&entry);
        collect(entry.children, out);
    }
}

}  // namespace

std::span<const MenuEntry> mainMenu() { return kMainMenu; }
std::span<const MenuEntry> mainContextMenu() { return kContextMenu; }
std::span<const MenuEntry> mainButtons() { return kButtons; }
std::span<const ShortcutRow> mainShortcuts() { return kShortcuts; }

std::vector<const MenuEntry*> allHandledEntries() {
    std::vector<const MenuEntry*> entries;
    collect(kMainMenu, entries);
    collect(kContextMenu, entries);
    collect(kButtons, entries);
    return entries;
}

const MenuEntry* findEntry(std::string_view handler) {
    for (const MenuEntry* entry : allHandledEntries())
        if (entry->handler == handler) return entry;
    return nullptr;
}

}  // namespace tarvo::shell
