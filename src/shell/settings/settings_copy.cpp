#include "shell/settings/settings_copy.h"

#include "data/catalogue/identifiers.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "data/params/copy_parameter.h"
#include "data/params/parameter_table.h"
#include "shell/settings/settings_form.h"
#include "util/user_prompt.h"

namespace tarvo::shell {
namespace {

struct RegisteredPr {
    std::string naziv;
    std::string fid;
    std::string godina;
};

std::vector<RegisteredPr> registeredPrDatabases(db::Connection& connection, const CatalogueNames& names) {
    std::vector<RegisteredPr> databases;
    const db::ResultSet rows = connection.query("select naziv,fid,godina from " + requireDatabaseName(names.ex) +
                                                ".baza where vbid=1 order by id");
    for (const db::Row& row : rows.rows())
        databases.push_back({row[0].asString(), row[1].asString(), row[2].asString()});
    return databases;
}

}  // namespace

std::optional<CopyToAllResult> copySavedSetting(SettingsForm& form, const std::string& key,
                                                const SettingsCopyContext& context,
                                                const CopyToAllProgress& progress) {
    if (!context.prompt.ask("Da li želite da ovaj parametar kopirate u tekuće godine svih ostalih firmi?"))
        return std::nullopt;
    if (form.changed()) {
        const SettingsSaveResult saved = form.save();
        if (!saved.ok()) {
            context.prompt.message(saved.message());
            return std::nullopt;
        }
    }
    return copyParameterToAllCompanies(context.catalogue, context.names, context.prompt, key, context.prDatabase,
                                       progress);
}

CopyToAllResult writeSettingIntoAllCompanies(SettingsForm& form, const std::string& key, const std::string& value,
                                             const SettingsCopyContext& context,
                                             const std::function<void(const std::string&)>& status) {
    CopyToAllResult result;
    const std::string row = "(id,value) values(" + sqlQuoted(key) + "," + sqlQuoted(value) +
                            ") on duplicate key update value=" + sqlQuoted(value);
    for (const RegisteredPr& database : registeredPrDatabases(context.catalogue, context.names)) {
        CopyToAllJob job;
        job.targets = {database.naziv};
        job.statementsFor = [&](const std::string& target) {
            return std::vector<CopyStatement>{{"insert into " + requireDatabaseName(target) + ".parametar" + row}};
        };
        CopyToAllResult one = copyToAll(context.catalogue, job);
        const bool ok = !one.targets.empty() && one.targets.front().ok;
        if (status)
            status("FIRMA:" + database.fid + " GODINA:" + database.godina + " BAZA:" + database.naziv +
                   (ok ? "...OK!" : "...GREŠKA!"));
        result.targets.insert(result.targets.end(), one.targets.begin(), one.targets.end());
    }
    try {
        form.parameters().load();
    } catch (const db::DbError&) {
        // The loaded values stay as they were; the next refresh reads them again.
    }
    std::string done = "PRENOS PARAMETRA ZAVRŠEN!";
    if (result.failures() > 0) {
        done += "\n\nNije uspjelo (" + std::to_string(result.failures()) + "):";
        for (const std::string& line : result.failureLines()) done += "\n" + line;
    }
    context.prompt.message(done);
    return result;
}

}  // namespace tarvo::shell
