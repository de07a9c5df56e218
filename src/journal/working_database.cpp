#include "journal/working_database.h"

#include "data/catalogue/identifiers.h"
#include "data/db/error.h"
#include "journal/voucher_transfer.h"
#include "util/sqltext.h"

namespace tarvo {
namespace {

constexpr std::string_view kDefaultLineOrdering = "nalogid;rbr;id";

}  // namespace

TDMlokalni::TDMlokalni(UserPrompt& prompt, std::string database)
    : prompt_(prompt),
      database_(requireDatabaseName(database)),
      nalog_(db::Dataset::table(connection_, "nalog")),
      konnal_(db::Dataset::table(connection_, "konnal")) {
    nalog_.setIndexFields("vnalid;id");
    konnal_.setIndexFields(kDefaultLineOrdering);
}

bool TDMlokalni::srediKonekciju(db::ConnectionParams server) {
    server.database = database_;
    try {
        connection_.open(server);
        return true;
    } catch (const db::DbError&) {
        prompt_.message("DMlokalni: Nema potrebne konekcije! Napuštam aplikaciju!");
        return false;
    }
}

void TDMlokalni::otvoriTabele() {
    nalog_.close();
    nalog_.open();
    konnal_.close();
    try {
        konnal_.open();
    } catch (const db::DbError&) {
        if (konnal_.indexFields() == kDefaultLineOrdering) throw;
        konnal_.close();
        konnal_.setIndexFields(kDefaultLineOrdering);
        konnal_.open();
    }
}

void TDMlokalni::zatvoriTabele() {
    konnal_.close();
    nalog_.close();
}

void TDMlokalni::setStavkeIndexi(std::string_view fields) {
    try {
        konnal_.setIndexFields(fields);
    } catch (const db::DbError&) {
        konnal_.setIndexFields(kDefaultLineOrdering);
    }
}

void TDMlokalni::setLookupTables(const db::Dataset& konto, const db::Dataset& partner, const db::Dataset& vrstanal) {
    nalog_.addLookupField("nazivVrsteNaloga", "vnalid", vrstanal, "id", "opis");
    nalog_.addLookupField("vnalid2", "vnalid", vrstanal, "id", "id2");
    konnal_.addLookupField("nazivKonta", "kontoid", konto, "id", "naziv");
    konnal_.addLookupField("nazivPartnera", "partnerid", partner, "id", "naziv");
    konnal_.addLookupField("partnerid2", "partnerid", partner, "id", "id2");
}

void TDMlokalni::brisiDokument(long long id) {
    const std::string n = std::to_string(id);
    db::Transaction transaction(connection_);
    connection_.execute("delete from " + database_ + ".nalog where id=" + n);
    connection_.execute("delete from " + database_ + ".konnal where nalogid=" + n);
    transaction.commit();
}

bool TDMlokalni::RekalkUkupno(const std::string& id) {
    try {
        connection_.execute(recomputeTotalsSql(database_, "\"" + escapeSqlString(id) + "\""));
        return true;
    } catch (const db::DbError&) {
        prompt_.message("Greška pri rekalkulaciji ukupno?");
        return false;
    }
}

void TDMlokalni::obrisiSvePripreme() {
    db::Transaction transaction(connection_);
    connection_.execute("delete from " + database_ + ".konnal");
    connection_.execute("delete from " + database_ + ".nalog");
    transaction.commit();
}

}  // namespace tarvo
