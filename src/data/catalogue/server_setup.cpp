#include "data/catalogue/server_setup.h"

#include "data/catalogue/dm_firma.h"
#include "data/catalogue/identifiers.h"
#include "data/db/error.h"
#include "util/strings.h"
#include "util/utf8.h"

namespace tarvo {

CreationReport prepareServer(TDM_firma& catalogue) {
    return createCatalogue(catalogue.MyConnection1(), catalogue.names());
}

CreationReport registerCompanyYear(TDM_firma& catalogue, int fid, const std::string& naziv, int godina,
                                   const std::string& orgTip) {
    CreationReport report;
    db::Connection& connection = catalogue.MyConnection1();
    const std::string& ex = catalogue.names().ex;
    const std::string suffix = "_" + std::to_string(fid) + "_" + std::to_string(godina);
    if (fid <= 0 || godina < 1000 || godina > 9999) {
        report.failures.push_back("Neispravna firma ili godina: " + suffix);
        return report;
    }
    connection.execute("insert into " + ex + ".firma(id,naziv,tgodina) values(" + std::to_string(fid) + "," +
                       sqlQuoted(naziv) + "," + std::to_string(godina) + ") on duplicate key update tgodina=" +
                       "greatest(ifnull(tgodina,0)," + std::to_string(godina) + ")");

    std::string prDatabase;
    const db::ResultSet roles = connection.query("select id, naziv from " + ex + ".vbaze order by id");
    for (const db::Row& role : roles.rows()) {
        const int vbid = static_cast<int>(role[0].asInt());
        const db::ResultSet registered =
            connection.query("select naziv from " + ex + ".baza where fid=" + std::to_string(fid) + " and vbid=" +
                             std::to_string(vbid) + " and godina=" + std::to_string(godina) + " order by id");
        std::string name = registered.empty() ? utf8Lower(trimmed(role[1].asString())) + suffix
                                              : registered.at(0, 0).asString();
        if (registered.empty() && !isValidCataloguedName(name)) {
            report.failures.push_back("Neispravan naziv baze podataka: \"" + name + "\"");
            continue;
        }
        if (registered.empty() && !catalogue.uBaze(fid, vbid, "tekuca", name, godina)) {
            report.failures.push_back("Baza " + name + " nije registrovana");
            continue;
        }
        if (vbid == 1) prDatabase = name;
    }

    const bool newPr = isValidDatabaseName(prDatabase) && !databaseExists(connection, prDatabase);
    CreationReport created = createCataloguedDatabases(connection, catalogue.names(), {fid, godina}, orgTip);
    report.failures.insert(report.failures.end(), created.failures.begin(), created.failures.end());
    if (newPr) {
        try {
            catalogue.distributer().writeIntoDatabase(prDatabase, "OrganizacioniTip", organizacioniTipOf(orgTip));
        } catch (const db::DbError& error) {
            report.failures.push_back("Parametar OrganizacioniTip u bazi " + prDatabase +
                                      " nije upisan: " + error.serverMessage());
        }
    }
    return report;
}

}  // namespace tarvo
