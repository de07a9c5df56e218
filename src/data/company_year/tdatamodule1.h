#pragma once
#include <memory>
#include <string>
#include <vector>

#include "data/catalogue/firma.h"
#include "data/catalogue/substitution.h"
#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "data/params/parameter_table.h"
#include "util/user_prompt.h"

namespace tarvo {

// The open company year: one connection to its pr database and one to its finance database, and the
// tables almost every window reads. The year's posting lines are not read whole: `MyTable_konnal` holds
// the lines of one voucher at a time (`prikaziStavkeNaloga`).
class TDataModule1 {
public:
    explicit TDataModule1(UserPrompt& prompt);
    TDataModule1(const TDataModule1&) = delete;
    TDataModule1& operator=(const TDataModule1&) = delete;

    std::string db_pr = "prodaja", db_fin = "finansije", db_mat = "materijal", db_op = "opl";
    std::string hostPr = "localhost", hostFin = "localhost", hostMat = "localhost", hostOp = "localhost";
    // Tables borrowed from another company ("finansije_3_2024."), empty for the own ones.
    SharedTablePrefixes prefixes;

    // User, passwords and port of every connection (port mode sets the port).
    void setServer(db::ConnectionParams server) { server_ = std::move(server); }
    const db::ConnectionParams& server() const { return server_; }
    void copyFrom(const TFirma& firma);
    RoleNames roles() const;

    // Points the connections at `hostPr`/`db_pr` and `hostFin`/`db_fin`. An open connection switches at
    // once; a failed switch is reported and returns false (the previous company is not silently kept).
    bool setujBaze();
    // Connects both (first without a password, then with the stored one); on failure says
    // "Nema potrebne konekcije! Napuštam aplikaciju!" and returns false.
    bool srediKonekciju();
    bool connected() const { return pr_.isOpen() && fin_.isOpen(); }
    void zatvoriKonekcije();

    db::Connection& MyConnection1() { return pr_; }
    db::Connection& MyConnection2() { return fin_; }

    // Opens the tables in their fixed order; the first failure throws db::DbError naming the table.
    void otvoriTabele();
    void zatvoriTabele();
    bool tablesOpen() const { return open_; }

    db::Dataset& MyTable_parametar() { return *parametar_; }
    db::Dataset& MyTable_partner() { return *partner_; }
    db::Dataset& MyTable_izvjestaj() { return *izvjestaj_; }
    db::Dataset& MQ_defiz() { return *defiz_; }
    db::Dataset& MyTable_konto() { return *konto_; }
    db::Dataset& MyTable_vrstanal() { return *vrstanal_; }
    db::Dataset& MyTable_nalog() { return *nalog_; }
    db::Dataset& MyTable_konnal() { return *konnal_; }
    db::Dataset& MyTable_fpogidok() { return *fpogidok_; }
    db::Dataset& MyTable_sfkidok() { return *sfkidok_; }
    db::Dataset& MyTable_dsfkidok() { return *dsfkidok_; }

    // The posting lines of one voucher of the books in `MyTable_konnal`, in its sort order.
    void prikaziStavkeNaloga(long long nalogid);
    // Sort list of the posting lines (the parameter `Tarvo_stavke_indexi`); an unknown column falls back to
    // "nalogid;rbr;id". Returns the list in use.
    std::string setKonnalIndex(const std::string& fields);

    // Local parameters (`parametar` of the pr database).
    std::string getParam(const std::string& key);
    std::string sgetParam(const std::string& key, const std::string& defaultValue);
    bool setParam(const std::string& key, const std::string& value);
    ParameterTable& parameters();

    // Totals of a voucher of the books recomputed from its lines (0 without lines).
    void RekalkUkupno(long long nalogid);

    // Stored SQL with its prefixes, keys and role placeholders replaced.
    std::string substitute(std::string_view sql, const std::vector<SqlKey>& keys = {}) const;

private:
    db::ConnectionParams paramsFor(const std::string& host, const std::string& database) const;
    bool connectOne(db::Connection& connection, const std::string& host, const std::string& database);
    std::string qualified(const std::string& prefix, const std::string& table) const;

    UserPrompt& prompt_;
    db::ConnectionParams server_;
    db::Connection pr_;
    db::Connection fin_;
    std::unique_ptr<ParameterTable> parameters_;
    std::unique_ptr<db::Dataset> parametar_, partner_, izvjestaj_, defiz_, konto_, vrstanal_, nalog_, konnal_,
        fpogidok_, sfkidok_, dsfkidok_;
    std::string konnalIndex_ = "nalogid;id;rbr";
    bool open_ = false;
};

}  // namespace tarvo
