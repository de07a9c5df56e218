#include "shell/startup/session.h"

#include "data/catalogue/server_setup.h"
#include "data/db/error.h"

namespace tarvo {

const char* Session::tableOpenFailureMessage() {
    return "Neke tabele ne mogu da otvorim! Aplikacija neće biti pokrenuta.\r\n"
           "Uđite u Grel, odaberite opciju \"ostalo\"\r\n"
           "pa \"kreiraj sve baze i sve tabele za sve firme\"\r\n"
           "pa opciju \"u tekućim i prethodnim godinama\"";
}

Session::Session(UserPrompt& prompt, CommandLine commandLine, db::ConnectionParams server, CatalogueNames names)
    : prompt_(prompt),
      commandLine_(std::move(commandLine)),
      data_(prompt),
      catalogue_(prompt, commandLine_.host, std::move(server), names),
      working_(prompt, names.work) {}

bool Session::connectCatalogue() {
    if (!catalogue_.srediKonekciju()) {
        terminating_ = true;
        return false;
    }
    CreationReport report = prepareServer(catalogue_);
    if (!report.ok()) prompt_.message(report.message());
    return true;
}

std::optional<TFirma> Session::autoSelect(IzborFirme& selection) {
    selection.ucitajListu();
    if (!selection.companyCodeExit(commandLine_.companyId)) {
        prompt_.message("Firma sa šifrom " + commandLine_.companyId + " ne postoji!");
        terminating_ = true;
        return std::nullopt;
    }
    selection.setYearText(commandLine_.year);
    auto firma = selection.confirm();
    if (!firma) terminating_ = true;
    return firma;
}

bool Session::openCompany(const TFirma& firma) {
    company_ = firma;
    data_.copyFrom(company_);
    data_.setServer(catalogue_.connectionParams());
    if (!data_.setujBaze() || !data_.srediKonekciju() || !working_.srediKonekciju(catalogue_.connectionParams())) {
        terminating_ = true;
        return false;
    }
    try {
        data_.otvoriTabele();
        working_.setLookupTables(data_.MyTable_konto(), data_.MyTable_partner(), data_.MyTable_vrstanal());
        working_.otvoriTabele();
    } catch (const std::exception&) {
        prompt_.message(tableOpenFailureMessage());
        terminating_ = true;
        return false;
    }
    const std::string index = data_.sgetParam("Tarvo_stavke_indexi", "nalogid;rbr;id");
    if (data_.setKonnalIndex(index) != index)
        prompt_.message("Neispravan redoslijed stavki \"" + index + "\": koristi se nalogid;rbr;id");
    working_.setStavkeIndexi(data_.setKonnalIndex(index));

    entry_ = std::make_unique<VoucherEntry>(working_, data_.MyConnection2(), booksNamesOf(data_), company_.godina,
                                            journalSettings(), prompt_);
    return true;
}

JournalSettings Session::journalSettings() {
    return readJournalSettings(
        [this](const std::string& key, const std::string& value) { return data_.sgetParam(key, value); },
        [this](const std::string& key, const std::string& value) { return catalogue_.sgetParam(key, value); });
}

bool Session::FormCloseQuery(bool voucherPanelVisible) {
    if (voucherPanelVisible) {
        prompt_.message("Prvo završite tj. ažurirajte nalog!");
        return false;
    }
    data_.zatvoriKonekcije();
    working_.zatvoriTabele();
    working_.MyConnection1().close();
    return true;
}

}  // namespace tarvo
