#pragma once
// Companies of a test catalogue reduced to what the settings need: a registered pr database per company
// year holding only `parametar`.
#include <string>
#include <vector>

#include "data/catalogue/firma.h"
#include "data/catalogue/identifiers.h"
#include "data/params/parameter_table.h"
#include "data/schema/table_definitions.h"
#include "test_catalogue.h"

namespace tarvo::test {

class CompanyDatabases {
public:
    // One company year per entry of `years`, company ids counting up from a process-unique one. With
    // `missing` the last one is registered but never created.
    CompanyDatabases(TestCatalogue& catalogue, std::vector<int> years, bool missing = false)
        : catalogue_(catalogue) {
        const int firstId = uniqueCompanyId();
        for (size_t i = 0; i < years.size(); ++i) {
            const int id = firstId * 10 + static_cast<int>(i);
            const std::string name = "prodaja_" + std::to_string(id) + "_" + std::to_string(years[i]);
            companies.push_back({id, name, years[i]});
            catalogue.connection().execute("insert into " + catalogue.names.ex +
                                           ".baza(naziv,vbid,fid,godina,status) values('" + name + "',1," +
                                           std::to_string(id) + "," + std::to_string(years[i]) + ",'tekuca')");
            if (missing && i + 1 == years.size()) continue;
            catalogue.connection().execute("create database " + name);
            std::string create = tableDefinition("parametar");
            create.replace(create.find(" parametar("), 11, " " + name + ".parametar(");
            catalogue.connection().execute(create);
        }
    }

    struct Company {
        int id;
        std::string pr;
        int year;
    };

    // The company as the main window holds it, with its pr database (the others are not needed).
    TFirma firma(size_t index, const std::string& naziv = "Test d.o.o.") const {
        TFirma firma(companies[index].id, naziv, companies[index].year);
        firma.db_pr = companies[index].pr;
        firma.db_fin = "finansije_" + std::to_string(companies[index].id) + "_" + std::to_string(companies[index].year);
        return firma;
    }
    ParameterTable parameters(size_t index) const { return localParameters(catalogue_.connection(), companies[index].pr); }

    // The stored value, or "<nema>" when the key has no row.
    std::string stored(size_t index, const std::string& key) const {
        const db::ResultSet result = catalogue_.connection().query("select value from " + companies[index].pr +
                                                                   ".parametar where id=" + sqlQuoted(key));
        return result.empty() ? "<nema>" : result.at(0, 0).asString();
    }
    long long rowCount(size_t index) const {
        return catalogue_.connection().scalar("select count(*) from " + companies[index].pr + ".parametar").asInt();
    }
    void store(size_t index, const std::string& key, const std::string& value) const {
        catalogue_.connection().execute("replace into " + companies[index].pr + ".parametar values(" + sqlQuoted(key) +
                                        "," + sqlQuoted(value) + ")");
    }

    std::vector<Company> companies;

private:
    TestCatalogue& catalogue_;
};

}  // namespace tarvo::test
