#include "data/company_year/tdatamodule1.h"

#include "data/catalogue/identifiers.h"
#include "data/db/bulk_loader.h"
#include "data/db/error.h"

namespace tarvo {
namespace {

constexpr const char* kNoConnection = "Nema potrebne konekcije! Napuštam aplikaciju!";
constexpr const char* kDefaultKonnalIndex = "nalogid;rbr;id";

constexpr const char* kDefizQuery =
    "SELECT defiz.id, defiz.iid, defiz.sekcija, defiz.opis, defiz.atribut, defiz.kljuc, defiz.imefonta, "
    "defiz.stilfonta, defiz.velfonta, defiz.xpos, defiz.ypos, defiz.sirina, defiz.redova, defiz.prikaziopis, "
    "defiz.linetype, defiz.lx, defiz.ly, defiz.ltox, defiz.ltoy, defiz.akfmt, defiz.opfmt, defiz.brushcolor, "
    "defiz.spejsing, defiz.vrvpomak FROM defiz";

std::unique_ptr<db::Dataset> tableOf(db::Connection& connection, const std::string& table, const char* index = "") {
    auto dataset = std::make_unique<db::Dataset>(db::Dataset::table(connection, table));
    dataset->setIndexFields(index);
    return dataset;
}

}  // namespace

TDataModule1::TDataModule1(UserPrompt& prompt) : prompt_(prompt) {}

void TDataModule1::copyFrom(const TFirma& firma) {
    db_pr = firma.db_pr;
    db_fin = firma.db_fin;
    db_mat = firma.db_mat;
    db_op = firma.db_op;
    hostPr = firma.hostPr;
    hostFin = firma.hostFin;
    hostMat = firma.hostMat;
    hostOp = firma.hostOp;
}

RoleNames TDataModule1::roles() const { return RoleNames{db_fin, db_mat, db_op, db_pr}; }

db::ConnectionParams TDataModule1::paramsFor(const std::string& host, const std::string& database) const {
    db::ConnectionParams params = server_;
    if (!host.empty()) params.host = host;
    params.database = database;
    return params;
}

bool TDataModule1::connectOne(db::Connection& connection, const std::string& host, const std::string& database) {
    try {
        requireDatabaseName(database);
        connection.open(paramsFor(host, database));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TDataModule1::setujBaze() {
    parameters_.reset();
    for (auto [connection, host, database] : {std::tuple{&pr_, &hostPr, &db_pr}, std::tuple{&fin_, &hostFin, &db_fin}}) {
        if (!connection->isOpen()) continue;
        const bool sameServer = connection->params().host == (host->empty() ? server_.host : *host);
        try {
            requireDatabaseName(*database);
            if (sameServer) connection->selectDatabase(*database);
            else connection->open(paramsFor(*host, *database));
        } catch (const std::exception& error) {
            prompt_.message("Baza " + *database + " se ne može otvoriti:\n" + error.what());
            return false;
        }
    }
    return true;
}

bool TDataModule1::srediKonekciju() {
    if (!pr_.isOpen() && !connectOne(pr_, hostPr, db_pr)) {
        prompt_.message(kNoConnection);
        return false;
    }
    if (!fin_.isOpen() && !connectOne(fin_, hostFin, db_fin)) {
        prompt_.message(kNoConnection);
        return false;
    }
    return true;
}

void TDataModule1::zatvoriKonekcije() {
    zatvoriTabele();
    parameters_.reset();
    pr_.close();
    fin_.close();
}

std::string TDataModule1::qualified(const std::string& prefix, const std::string& table) const {
    return prefix.empty() ? table : prefix + table;
}

void TDataModule1::otvoriTabele() {
    zatvoriTabele();
    parametar_ = tableOf(pr_, "parametar");
    partner_ = tableOf(pr_, qualified(prefixes.partner, "partner"), "naziv");
    izvjestaj_ = tableOf(pr_, "izvjestaj");
    defiz_ = std::make_unique<db::Dataset>(db::Dataset::query(pr_, kDefizQuery, "defiz"));
    defiz_->setIndexFields("iid;sekcija;id");
    konto_ = tableOf(fin_, qualified(prefixes.konto, "konto"), "id");
    vrstanal_ = tableOf(fin_, "vrstanal", "id");
    nalog_ = tableOf(fin_, "nalog", "vnalid;id");
    nalog_->addLookupField("nazivVrsteNaloga", "vnalid", *vrstanal_, "id", "opis");
    nalog_->addLookupField("vnalid2", "vnalid", *vrstanal_, "id", "id2");
    konnal_ = std::make_unique<db::Dataset>(db::Dataset::query(fin_, "select * from konnal where 1=0", "konnal"));
    konnal_->setIndexFields(konnalIndex_);
    konnal_->addLookupField("nazivKonta", "kontoid", *konto_, "id", "naziv");
    konnal_->addLookupField("nazivPartnera", "partnerid", *partner_, "id", "naziv");
    konnal_->addLookupField("partnerid2", "partnerid", *partner_, "id", "id2");
    fpogidok_ = tableOf(fin_, "fpogidok", "id");
    fpogidok_->addLookupField("opisVrsteNaloga", "vnalid", *vrstanal_, "id", "opis");
    sfkidok_ = tableOf(fin_, "sfkidok");
    sfkidok_->addLookupField("opisPogleda", "fpogidok_id", *fpogidok_, "id", "opis");
    dsfkidok_ = tableOf(fin_, "dsfkidok", "sfkidok_id;redoslijed");
    dsfkidok_->addLookupField("opisSheme", "sfkidok_id", *sfkidok_, "id", "opis");

    for (db::Dataset* dataset : {parametar_.get(), partner_.get(), izvjestaj_.get(), defiz_.get(), konto_.get(),
                                 vrstanal_.get(), nalog_.get(), konnal_.get(), fpogidok_.get(), sfkidok_.get(),
                                 dsfkidok_.get()}) {
        dataset->open();
    }
    open_ = true;
}

void TDataModule1::zatvoriTabele() {
    for (auto* dataset : {&dsfkidok_, &sfkidok_, &fpogidok_, &konnal_, &nalog_, &vrstanal_, &konto_, &defiz_,
                          &izvjestaj_, &partner_, &parametar_}) {
        if (*dataset) (*dataset)->close();
    }
    open_ = false;
}

void TDataModule1::prikaziStavkeNaloga(long long nalogid) {
    konnal_->setSql("select * from konnal where nalogid = " + std::to_string(nalogid));
    if (!konnal_->isOpen()) konnal_->open();
}

std::string TDataModule1::setKonnalIndex(const std::string& fields) {
    konnalIndex_ = fields;
    if (konnal_ && konnal_->isOpen()) {
        try {
            konnal_->setIndexFields(fields);
        } catch (const db::DbError&) {
            konnalIndex_ = kDefaultKonnalIndex;
            konnal_->setIndexFields(konnalIndex_);
        }
    }
    return konnalIndex_;
}

ParameterTable& TDataModule1::parameters() {
    if (!parameters_) parameters_ = std::make_unique<ParameterTable>(localParameters(pr_, db_pr));
    return *parameters_;
}

std::string TDataModule1::getParam(const std::string& key) { return parameters().getParam(key); }

std::string TDataModule1::sgetParam(const std::string& key, const std::string& defaultValue) {
    return parameters().sgetParam(key, defaultValue);
}

bool TDataModule1::setParam(const std::string& key, const std::string& value) {
    return parameters().setParam(key, value);
}

void TDataModule1::RekalkUkupno(long long nalogid) {
    const std::string id = std::to_string(nalogid);
    fin_.execute("update nalog set ukdug=(select ifnull(round(sum(duguje),2),0) from konnal where nalogid=" + id +
                 "), ukpot=(select ifnull(round(sum(potrazuje),2),0) from konnal where nalogid=" + id +
                 ") where id=" + id);
}

std::string TDataModule1::substitute(std::string_view sql, const std::vector<SqlKey>& keys) const {
    return substituteSql(sql, prefixes, keys, roles());
}

}  // namespace tarvo
