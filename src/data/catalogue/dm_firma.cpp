#include "data/catalogue/dm_firma.h"

#include "data/catalogue/credentials.h"
#include "data/catalogue/identifiers.h"
#include "data/catalogue/roles.h"
#include "data/db/error.h"

namespace tarvo {
namespace {

bool isBazaStatus(const std::string& status) { return status == "tekuca" || status == "stara" || status == "arhiva"; }

}  // namespace

TDM_firma::TDM_firma(UserPrompt& prompt, HostArgument host, db::ConnectionParams server, CatalogueNames names)
    : prompt_(prompt), host_(std::move(host)), server_(std::move(server)), names_(std::move(names)),
      distributer_(connection1_, names_), rb_(rbParameters(connection1_, names_)) {}

db::ConnectionParams TDM_firma::connectionParams() const {
    db::ConnectionParams params = host_.apply(server_);
    params.user = kRootUser;
    params.passwords = connection1_.isOpen() ? std::vector<std::string>{connection1_.password()} : rootPasswords();
    params.database.clear();
    return params;
}

bool TDM_firma::connect(db::Connection& connection) {
    db::ConnectionParams params = host_.apply(server_);
    params.user = kRootUser;
    params.passwords = rootPasswords();
    params.database.clear();
    try {
        connection.open(params);
        if (databaseExists(connection, names_.ex)) connection.selectDatabase(names_.ex);
        return true;
    } catch (const db::DbError&) {
        connection.close();
        prompt_.message("Nema potrebne konekcije! Napuštam aplikaciju!");
        return false;
    }
}

bool TDM_firma::srediKonekciju() { return connect(connection1_); }
bool TDM_firma::srediKonekciju2() { return connect(connection2_); }

std::string TDM_firma::bazaQuery(int fid, int vbid, int godina) const {
    return "select * from " + names_.ex + ".baza where fid=" + std::to_string(fid) + " and vbid=" +
           std::to_string(vbid) + " and godina=" + std::to_string(godina) + " order by id";
}

std::optional<TDM_firma::Registered> TDM_firma::findRegistered(int fid, int vbid, int godina) {
    const std::string sql = bazaQuery(fid, vbid, godina);
    const db::ResultSet rows = connection1_.query(sql);
    if (rows.empty()) {
        prompt_.message("Nema odgovarajuće baze podataka:upit=" + sql);
        return std::nullopt;
    }
    if (rows.size() > 1) prompt_.message("Ima previše baza podataka za vbid=" + std::to_string(vbid));
    Registered registered{rows.at(0, "naziv").asString(), rows.at(0, "host").asString()};
    if (!isValidDatabaseName(registered.naziv)) {
        prompt_.message("Neispravan naziv baze podataka: \"" + registered.naziv + "\"");
        return std::nullopt;
    }
    return registered;
}

std::string TDM_firma::izBaza(int fid, int vbid, int godina) {
    auto registered = findRegistered(fid, vbid, godina);
    return registered ? registered->naziv : std::string();
}

bool TDM_firma::uBaze(int fid, int vbid, const std::string& status, const std::string& naziv, int godina) {
    if (!isValidCataloguedName(naziv)) {
        prompt_.message("Neispravan naziv baze podataka: \"" + naziv + "\"");
        return false;
    }
    if (!isBazaStatus(status)) {
        prompt_.message("Neispravan status baze podataka: \"" + status + "\"");
        return false;
    }
    const db::ResultSet rows = connection1_.query(bazaQuery(fid, vbid, godina));
    if (rows.empty()) {
        connection1_.execute("insert into " + names_.ex + ".baza(naziv,vbid,fid,godina,status) values(" +
                             sqlQuoted(naziv) + "," + std::to_string(vbid) + "," + std::to_string(fid) + "," +
                             std::to_string(godina) + "," + sqlQuoted(status) + ")");
        return true;
    }
    if (rows.size() > 1) {
        prompt_.message("Ima previše baza podataka za vbid=" + std::to_string(vbid));
        return false;
    }
    const std::string question =
        "Želite li ispraviti postojeće nazive baza podataka za ovu firmu?\n"
        "(ako to učinite, možda nećete imati pristup podacima ako ste ih već imali)\n"
        "stari naziv: " + rows.at(0, "naziv").asString() + "\nnovi naziv: " + naziv;
    if (!prompt_.ask(question)) return false;
    connection1_.execute("update " + names_.ex + ".baza set naziv=" + sqlQuoted(naziv) + ",status=" + sqlQuoted(status) +
                         " where id=" + std::to_string(rows.at(0, "id").asInt()));
    return true;
}

void TDM_firma::GetBazeFirme(TFirma& firma) {
    for (const RoleInfo& role : databaseRoles()) {
        auto registered = findRegistered(firma.id, role.vbid, firma.godina);
        firma.db(role.role) = registered ? registered->naziv : std::string();
        firma.host(role.role) = registered ? host_.hostFor(registered->host) : std::string();
    }
}

db::Dataset TDM_firma::sveBaze_MyQuery2() {
    db::Dataset dataset = db::Dataset::query(
        connection1_, "select * from " + names_.ex + ".baza group by fid,godina order by fid asc,godina desc");
    dataset.open();
    return dataset;
}

CreationReport TDM_firma::kreirajBazeITabele(const BazaFilter& filter, const std::string& orgTipForNew) {
    CreationReport report = createCataloguedDatabases(connection1_, names_, filter, orgTipForNew);
    prompt_.message(report.message());
    return report;
}

DefaultRowsResult TDM_firma::akoTrebaDodajDefaultZapise(const std::string& table, const std::string& orgTip) {
    return tarvo::akoTrebaDodajDefaultZapise(connection1_, table, orgTip);
}

std::string TDM_firma::izGlobPar(const std::string& key) { return distributer_.readGlobal(key); }

void TDM_firma::uGlobPar(const std::string& key, const std::string& value) {
    if (!host_.portMode()) distributer_.writeGlobal(key, value);
}

std::string TDM_firma::sgetParam(const std::string& key, const std::string& defaultValue) {
    if (host_.portMode()) return distributer_.findGlobal(key).value_or(defaultValue);
    return distributer_.getOrCreateGlobal(key, defaultValue);
}

void TDM_firma::uGlobParVL(const std::string& key, const std::string& text) {
    if (!host_.portMode()) distributer_.writeGlobalLines(key, text);
}

std::string TDM_firma::izGlobParVL(const std::string& key) { return distributer_.readGlobalLines(key); }

std::string TDM_firma::getParamRB(const std::string& key) { return rb_.getParam(key); }

bool TDM_firma::setParamRB(const std::string& key, const std::string& value) { return rb_.setParam(key, value); }

std::string TDM_firma::sgetParamRB(const std::string& key, const std::string& defaultValue) {
    return rb_.sgetParam(key, defaultValue);
}

}  // namespace tarvo
