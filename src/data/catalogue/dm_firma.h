#pragma once
#include <optional>
#include <string>

#include "data/catalogue/catalogue_names.h"
#include "data/catalogue/firma.h"
#include "data/catalogue/host_argument.h"
#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "data/params/distributer.h"
#include "data/params/parameter_table.h"
#include "data/schema/creation.h"
#include "data/schema/default_rows.h"
#include "util/user_prompt.h"

namespace tarvo {

// The company catalogue: the connections to `ex`, the databases of each company year, their creation
// and the global parameters. Every message to the user goes through the prompt.
class TDM_firma {
public:
    // `server` holds what the host argument does not decide (a test server's address, a socket).
    explicit TDM_firma(UserPrompt& prompt, HostArgument host = {}, db::ConnectionParams server = {},
                       CatalogueNames names = {});
    TDM_firma(const TDM_firma&) = delete;
    TDM_firma& operator=(const TDM_firma&) = delete;

    // Connects as root, first without a password, then with the stored one; on failure says
    // "Nema potrebne konekcije! Napuštam aplikaciju!" and returns false. The catalogue becomes the current
    // database when it exists.
    bool srediKonekciju();
    // The same for the second catalogue connection.
    bool srediKonekciju2();

    db::Connection& MyConnection1() { return connection1_; }
    db::Connection& MyConnection2() { return connection2_; }
    UserPrompt& prompt() { return prompt_; }
    const HostArgument& hostArgument() const { return host_; }
    const CatalogueNames& names() const { return names_; }
    // Settings for any further connection to the same server (the company year's, the working one's).
    db::ConnectionParams connectionParams() const;

    // The registered database of a company, role and year; "" (with a message) when none is, or when the
    // catalogue holds a name that is not valid. With several rows the lowest id wins, after a message.
    std::string izBaza(int fid, int vbid, int godina);
    // Registers a database, or renames the registered one when the user agrees. False when nothing changed.
    bool uBaze(int fid, int vbid, const std::string& status, const std::string& naziv, int godina);
    // Fills the four database names and hosts of a company with id and year set.
    void GetBazeFirme(TFirma& firma);
    // One row per company and year, companies ascending, years descending.
    db::Dataset sveBaze_MyQuery2();

    // Creates every registered database the filter lets through, with its tables and default rows, and
    // says "Kreiranje baza i tabela završeno!" with the list of what failed, if anything.
    // `orgTipForNew` ("PRED", "UDR", "SDT") chooses the default rows of a company year not yet typed.
    CreationReport kreirajBazeITabele(const BazaFilter& filter = {}, const std::string& orgTipForNew = "PRED");
    // Default rows for a table of the catalogue connection's current database, when it is empty.
    DefaultRowsResult akoTrebaDodajDefaultZapise(const std::string& table, const std::string& orgTip);

    // Global parameters. In port mode nothing is written: uGlobPar and uGlobParVL do nothing and sgetParam
    // does not store the default.
    TDistributerParametara& distributer() { return distributer_; }
    std::string izGlobPar(const std::string& key);
    void uGlobPar(const std::string& key, const std::string& value);
    std::string sgetParam(const std::string& key, const std::string& defaultValue);
    void uGlobParVL(const std::string& key, const std::string& text);
    std::string izGlobParVL(const std::string& key);

    // The catalogue's key/value table `rb`.
    std::string getParamRB(const std::string& key);
    bool setParamRB(const std::string& key, const std::string& value);
    std::string sgetParamRB(const std::string& key, const std::string& defaultValue);

private:
    struct Registered {
        std::string naziv;
        std::string host;
    };
    bool connect(db::Connection& connection);
    std::string bazaQuery(int fid, int vbid, int godina) const;
    // The registered row for izBaza and GetBazeFirme, with their messages.
    std::optional<Registered> findRegistered(int fid, int vbid, int godina);

    UserPrompt& prompt_;
    HostArgument host_;
    db::ConnectionParams server_;
    CatalogueNames names_;
    db::Connection connection1_;
    db::Connection connection2_;
    TDistributerParametara distributer_;
    ParameterTable rb_;
};

}  // namespace tarvo
