#pragma once
#include <string_view>

namespace tarvo {

// The five modes of the voucher entry, named by the texts `setujKontroleZaEdit` takes.
enum class EntryMode {
    NoviDokument,  // "novidokument": a new header is being typed
    Dokument,      // "dokument": the header is being edited again
    Stavke,        // "stavke": a line is being typed or edited
    Laviranje,     // "laviranje": browsing an open voucher
    Nista,         // "ništa" (and any other text): no voucher open
};

// Any text other than the four named modes is "ništa".
EntryMode entryModeFromText(std::string_view text);
std::string_view entryModeText(EntryMode mode);

// Where the focus goes when a mode is entered.
enum class EntryFocus {
    VoucherType,     // the voucher-type name box
    VoucherTypeId2,  // the voucher-type secondary-code box ("nalogKoristiID2" is "da")
    LineDescription,
    NewLineButton,   // "nova stavka"
};

// What the window enables and shows in a mode.
struct EntryControls {
    // Menu "Dokument".
    bool pregledaj = false;
    bool ispravi = false;
    bool novi = false;
    bool nalogPocetnogStanja = false;  // "Napravi nalog početnog stanja"
    bool brisi = false;
    bool skloni = false;               // "Skloni (ažuriraj)"
    // Group boxes and the grid.
    bool headerGroup = false;          // "Osnovni podaci o dokumentu"
    bool lineGroupEnabled = false;     // "Unos stavki dokumenta"
    bool lineGroupVisible = true;
    bool gridEnabled = false;
    bool gridVisible = true;
    // Buttons.
    bool headerConfirm = false;        // BitBtn4 "potvrdi unos"
    bool headerCancel = false;         // BitBtn8 "otkaži unos/ispravku"
    bool headerEdit = false;           // BitBtn5 "ispravi osn.podatke"
    bool newLine = false;              // BitBtn3 "nova stavka"
    bool editLine = false;             // BitBtn6 "ispravi stavku"
    bool lineConfirm = false;          // BitBtn2 line "potvrdi unos"
    bool lineCancel = false;           // BitBtn7 line "otkaži unos / ispravku"
    EntryFocus focus = EntryFocus::NewLineButton;
};

// "ispravi stavku" is enabled only while the voucher has lines.
EntryControls entryControls(EntryMode mode, bool voucherHasLines, bool nalogKoristiID2);

}  // namespace tarvo
