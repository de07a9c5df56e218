#include "data/selection/izbor_firme.h"

#include <charconv>

#include "data/catalogue/identifiers.h"
#include "data/db/error.h"
#include "data/schema/creation.h"

namespace tarvo {
namespace {

std::optional<int> parseInt(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

constexpr IzborFirme::Option kOptions[] = {
    IzborFirme::Option::radijeBirajFirmuKucanjemSifre, IzborFirme::Option::printToTxt,
    IzborFirme::Option::nalogKoristiID2,              IzborFirme::Option::partnerKoristiID2,
    IzborFirme::Option::maksimizirajIzbFirme,          IzborFirme::Option::skloniStareFirme,
};

}  // namespace

const char* IzborFirme::keyOf(Option option) {
    switch (option) {
        case Option::radijeBirajFirmuKucanjemSifre: return "radijeBirajFirmuKucanjemSifre";
        case Option::printToTxt: return "printToTxt";
        case Option::nalogKoristiID2: return "nalogKoristiID2";
        case Option::partnerKoristiID2: return "partnerKoristiID2";
        case Option::maksimizirajIzbFirme: return "maksimizirajIzbFirme";
        case Option::skloniStareFirme: return "skloniStareFirme";
    }
    return "";
}

IzborFirme::IzborFirme(TDM_firma& catalogue) : catalogue_(catalogue) {
    sortColumn_ = catalogue_.izGlobPar("firmeSortPo") == "id" ? "id" : "naziv";
    for (Option o : kOptions) options_.push_back(catalogue_.izGlobPar(keyOf(o)) == "da");
    // A stored threshold that is not a year would break every list load: it is ignored.
    std::string stored = catalogue_.izGlobPar("staraFirmaAkoJeTekGod");
    threshold_ = parseInt(stored) ? std::to_string(*parseInt(stored)) : "";
}

bool IzborFirme::option(Option o) const { return options_[static_cast<size_t>(o)]; }

void IzborFirme::setOption(Option o, bool on) {
    options_[static_cast<size_t>(o)] = on;
    catalogue_.uGlobPar(keyOf(o), on ? "da" : "ne");
}

void IzborFirme::setSortById(bool byId) {
    sortColumn_ = byId ? "id" : "naziv";
    ucitajListu();
}

void IzborFirme::rememberSort() { catalogue_.uGlobPar("firmeSortPo", sortColumn_); }

bool IzborFirme::setOldCompanyThreshold(const std::string& text) {
    auto year = parseInt(text);
    if (!year) {
        catalogue_.prompt().message("Godina mora biti cijeli broj!");
        return false;
    }
    threshold_ = std::to_string(*year);
    catalogue_.uGlobPar("staraFirmaAkoJeTekGod", threshold_);
    if (option(Option::skloniStareFirme)) ucitajListu();
    return true;
}

std::string IzborFirme::condition() const {
    std::string condition = "status=\"tekuca\"";
    if (option(Option::skloniStareFirme) && !threshold_.empty()) condition += " and f.tgodina>" + threshold_;
    return condition;
}

void IzborFirme::ucitajListu() {
    db::Connection& c = catalogue_.MyConnection1();
    const std::string& ex = catalogue_.names().ex;
    db::ResultSet rows = c.query("select f.naziv,f.id,f.tgodina,b.naziv as bn,b.fid from " + ex + ".baza b left join " +
                                 ex + ".firma f on f.id=b.fid where " + condition() + " group by fid order by f." +
                                 sortColumn_);
    companies_.clear();
    std::string restored;
    for (const auto& row : rows.rows()) {
        Company company{row[0].asString(), static_cast<int>(row[1].asInt()), static_cast<int>(row[2].asInt())};
        if (row[1].isNull()) {
            company = Company{"xxx", static_cast<int>(row[4].asInt()), 0};
            c.execute("insert ignore into " + ex + ".firma (id, naziv, tgodina) values (" +
                      std::to_string(company.id) + ", \"xxx\", 0)");
            restored += " " + std::to_string(company.id);
        }
        companies_.push_back(std::move(company));
    }
    if (!restored.empty()) {
        catalogue_.prompt().message(
            "Firme koje ste brisali, a kojima su ostale njihove baze podataka,\r\nvraćene su pod imenima "
            "\"xxx\"\r\nTo su firme sa šiframa:" + restored);
    }
    current_.reset();
    years_.clear();
    allDatabases_.emplace(catalogue_.sveBaze_MyQuery2());
    if (!companies_.empty()) selectRow(0);
}

void IzborFirme::selectRow(size_t row) {
    const Company& company = companies_.at(row);
    current_ = row;
    years_.clear();
    for (size_t i = 0; allDatabases_ && i < allDatabases_->recordCount(); ++i) {
        if (allDatabases_->valueAt(i, "fid").asInt() == company.id)
            years_.push_back(static_cast<int>(allDatabases_->valueAt(i, "godina").asInt()));
    }
    yearText_ = std::to_string(company.tgodina);
    companyCode_ = std::to_string(company.id);
}

bool IzborFirme::companyCodeExit(const std::string& text) {
    auto id = parseInt(text);
    if (id && *id > 0) {
        for (size_t i = 0; i < companies_.size(); ++i) {
            if (companies_[i].id == *id) {
                selectRow(i);
                return true;
            }
        }
    }
    companyCode_ = "1";
    return false;
}

std::optional<TFirma> IzborFirme::confirm() {
    if (!current_) {
        catalogue_.prompt().message("Nema odabrane firme!");
        return std::nullopt;
    }
    auto year = parseInt(yearText_);
    if (!year) {
        catalogue_.prompt().message("'" + yearText_ + "' nije ispravna godina!");
        return std::nullopt;
    }
    const Company& company = companies_[*current_];
    TFirma firma(company.id, company.naziv, *year);
    catalogue_.GetBazeFirme(firma);
    return firma;
}

TFirma IzborFirme::openArchive() {
    TFirma firma;
    firma.reset();
    db::Connection& c = catalogue_.MyConnection1();
    const std::string& ex = catalogue_.names().ex;
    db::ResultSet last = c.query("select value from " + ex + ".gparametri where id=\"idZadnjeRaspakovaneArhive\"");
    if (!last.empty()) {
        auto id = parseInt(last.at(0, 0).asString());
        if (id) {
            db::ResultSet archive = c.query("select * from " + ex + ".katalogarhiva where id=" + std::to_string(*id));
            if (!archive.empty()) {
                firma.godina = static_cast<int>(archive.at(0, "godina").asInt());
                firma.id = static_cast<int>(archive.at(0, "fid").asInt());
                firma.naziv = archive.at(0, "naziv").asString();
            }
        }
    }
    firma.arhivski = true;
    firma.db_pr = "x_prodaja";
    firma.db_fin = "x_finansije";
    firma.db_mat = "x_materijal";
    firma.db_op = "x_opl";
    // The archive lives on the catalogue's server, like the working database.
    const std::string host = catalogue_.connectionParams().host;
    firma.hostPr = firma.hostFin = firma.hostMat = firma.hostOp = host;
    CreationReport report;
    for (const auto& [name, role] : {std::pair{firma.db_pr, "prodaja"}, std::pair{firma.db_fin, "finansije"},
                                     std::pair{firma.db_mat, "materijal"}, std::pair{firma.db_op, "opl"}}) {
        createDatabaseWithTables(c, name, role, std::nullopt, report);
    }
    return firma;
}

}  // namespace tarvo
