#pragma once
#include <string>
#include <string_view>

#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "util/user_prompt.h"

namespace tarvo {

// The working database where vouchers are prepared before they are posted: its connection and its two
// tables, shared by every company, year and workstation on the server.
class TDMlokalni {
public:
    explicit TDMlokalni(UserPrompt& prompt, std::string database = "p_finansije");
    TDMlokalni(const TDMlokalni&) = delete;
    TDMlokalni& operator=(const TDMlokalni&) = delete;

    // Connects to the working database on the server of `server` (its database is replaced by ours), with
    // the passwords it lists. On failure says "DMlokalni: Nema potrebne konekcije! Napuštam aplikaciju!"
    // and returns false.
    bool srediKonekciju(db::ConnectionParams server);
    db::Connection& MyConnection1() { return connection_; }
    const std::string& databaseName() const { return database_; }

    // The headers ordered by "vnalid;id" and the lines by `Tarvo_stavke_indexi`. Throws db::DbError.
    void otvoriTabele();
    void zatvoriTabele();
    db::Dataset& MyTable_nalog() { return nalog_; }
    db::Dataset& MyTable_konnal() { return konnal_; }

    // The lines' ordering (`Tarvo_stavke_indexi`, "nalogid;rbr;id" by default). An ordering that names a
    // column the table lacks gives way to the default, here or when the tables are opened.
    void setStavkeIndexi(std::string_view fields);
    const std::string& stavkeIndexi() const { return konnal_.indexFields(); }
    // Lookup columns of the two tables: `nazivVrsteNaloga` and `vnalid2` of the headers, `nazivKonta`,
    // `nazivPartnera` and `partnerid2` of the lines. The three datasets must outlive this module.
    void setLookupTables(const db::Dataset& konto, const db::Dataset& partner, const db::Dataset& vrstanal);

    // Removes one voucher from the working copy. Throws db::DbError.
    void brisiDokument(long long id);
    // Sets the voucher's totals to the sums of its lines (0 without lines). On failure says
    // "Greška pri rekalkulaciji ukupno?" and returns false.
    bool RekalkUkupno(const std::string& id);
    // Removes every voucher in preparation, of every company, in one transaction. Throws db::DbError.
    void obrisiSvePripreme();

private:
    UserPrompt& prompt_;
    std::string database_;
    db::Connection connection_;
    db::Dataset nalog_;
    db::Dataset konnal_;
};

}  // namespace tarvo
