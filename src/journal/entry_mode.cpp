#include "journal/entry_mode.h"

namespace tarvo {

EntryMode entryModeFromText(std::string_view text) {
    if (text == "novidokument") return EntryMode::NoviDokument;
    if (text == "dokument") return EntryMode::Dokument;
    if (text == "stavke") return EntryMode::Stavke;
    if (text == "laviranje") return EntryMode::Laviranje;
    return EntryMode::Nista;
}

std::string_view entryModeText(EntryMode mode) {
    switch (mode) {
        case EntryMode::NoviDokument: return "novidokument";
        case EntryMode::Dokument: return "dokument";
        case EntryMode::Stavke: return "stavke";
        case EntryMode::Laviranje: return "laviranje";
        case EntryMode::Nista: break;
    }
    return "ništa";
}

EntryControls entryControls(EntryMode mode, bool voucherHasLines, bool nalogKoristiID2) {
    EntryControls c;
    auto browsing = [voucherHasLines](EntryControls& controls) {
        controls.gridEnabled = true;
        controls.headerEdit = controls.newLine = true;
        controls.editLine = voucherHasLines;
        controls.focus = EntryFocus::NewLineButton;
    };
    switch (mode) {
        case EntryMode::NoviDokument:
        case EntryMode::Dokument:
            c.headerGroup = true;
            c.lineGroupVisible = mode == EntryMode::Dokument;
            c.gridVisible = mode == EntryMode::Dokument;
            c.headerConfirm = c.headerCancel = true;
            c.focus = nalogKoristiID2 ? EntryFocus::VoucherTypeId2 : EntryFocus::VoucherType;
            break;
        case EntryMode::Stavke:
            c.lineGroupEnabled = true;
            c.lineConfirm = c.lineCancel = true;
            c.focus = EntryFocus::LineDescription;
            break;
        case EntryMode::Laviranje:
            c.pregledaj = c.brisi = c.skloni = true;
            browsing(c);
            break;
        case EntryMode::Nista:
            c.ispravi = c.novi = c.nalogPocetnogStanja = true;
            browsing(c);
            break;
    }
    return c;
}

}  // namespace tarvo
