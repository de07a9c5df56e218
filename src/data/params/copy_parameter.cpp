#include "data/params/copy_parameter.h"

#include "data/catalogue/identifiers.h"
#include "data/db/connection.h"
#include "data/db/error.h"
#include "util/user_prompt.h"

namespace tarvo {

std::optional<CopyToAllResult> copyParameterToAllCompanies(db::Connection& connection, const CatalogueNames& names,
                                                           UserPrompt& prompt, const std::string& key,
                                                           const std::string& sourceDatabase,
                                                           const CopyToAllProgress& progress) {
    if (!isValidDatabaseName(sourceDatabase)) {
        prompt.message("Neispravan naziv baze podataka: \"" + sourceDatabase + "\"");
        return std::nullopt;
    }
    const std::string source = sourceDatabase + ".parametar";
    const std::string condition = " where id=" + sqlQuoted(key);
    bool present = false;
    try {
        present = !connection.query("select 1 from " + source + condition).empty();
    } catch (const db::DbError&) {
        // A source database or table that does not exist holds no row either.
    }
    if (!present) {
        prompt.message("Parametar \"" + key + "\" ne postoji u bazi " + sourceDatabase + ". Kopiranje nije pokrenuto.");
        return std::nullopt;
    }

    const std::string targetsSql = "select naziv from " + requireDatabaseName(names.ex) +
                                   ".baza where vbid=1 and naziv<>" + sqlQuoted(sourceDatabase) + " order by id";
    if (progress.log) progress.log("Izvršavam upit: " + targetsSql);
    CopyToAllJob job;
    const db::ResultSet targets = connection.query(targetsSql);
    for (const db::Row& row : targets.rows()) job.targets.push_back(row[0].asString());
    const std::string count = std::to_string(job.targets.size());
    if (progress.status) progress.status("BROJAČ BAZA: 0/" + count);
    if (!prompt.ask("Promjene obuhvataju " + count + " baza. Nastaviti?")) return std::nullopt;

    job.statementsFor = [&](const std::string& target) {
        return std::vector<CopyStatement>{{"replace into " + requireDatabaseName(target) +
                                               ".parametar(id,value) select id,value from " + source + condition,
                                           true}};
    };
    job.logLine = [](const std::string& target) { return "Dodajem odabrani parametar u bazu \"" + target + "\""; };
    job.statusLine = [](std::size_t i, std::size_t n) {
        return "DODAVANJE PARAMETRA...BAZA: " + std::to_string(i) + "/" + std::to_string(n);
    };
    CopyToAllResult result = copyToAll(connection, job, progress);

    std::string done = "Kopiranje završeno!";
    if (result.failures() > 0) {
        done += "\n\nNije uspjelo (" + std::to_string(result.failures()) + "):";
        for (const std::string& line : result.failureLines()) done += "\n" + line;
    }
    prompt.message(done);
    return result;
}

}  // namespace tarvo
