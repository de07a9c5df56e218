#pragma once
// A catalogue of the test's own on the test server: its `ex` and working database carry unique names,
// and every database it registers is dropped with it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "data/catalogue/dm_firma.h"
#include "data/catalogue/server_setup.h"
#include "data/db/error.h"
#include "test_server.h"
#include "util/user_prompt.h"

namespace tarvo::test {

inline CatalogueNames uniqueCatalogueNames() { return {uniqueName("ex"), uniqueName("pf")}; }

// A company id no other test process uses at the same time; names like "finansije_<id>_<year>" stay
// within the catalogue's 20 characters.
inline int uniqueCompanyId() { return static_cast<int>(getpid() % 99999) + 1; }

class TestCatalogue {
public:
    explicit TestCatalogue(bool prepare = true, HostArgument host = {})
        : names(uniqueCatalogueNames()), dm(prompt, std::move(host), serverParams(), names) {
        connected = dm.srediKonekciju();
        if (connected && prepare) {
            const CreationReport report = prepareServer(dm);
            for (const std::string& failure : report.failures) ADD_FAILURE() << failure;
        }
    }
    ~TestCatalogue() {
        try {
            db::Connection admin = connect();
            try {
                const db::ResultSet registered = admin.query("select distinct naziv from " + names.ex + ".baza");
                for (const db::Row& row : registered.rows())
                    admin.execute("drop database if exists `" + row[0].asString() + "`");
            } catch (const db::DbError&) {
                // No catalogue was made.
            }
            admin.execute("drop database if exists `" + names.ex + "`");
            admin.execute("drop database if exists `" + names.work + "`");
        } catch (...) {
            // The server is gone at the end of a broken run.
        }
    }
    TestCatalogue(const TestCatalogue&) = delete;
    TestCatalogue& operator=(const TestCatalogue&) = delete;

    db::Connection& connection() { return dm.MyConnection1(); }

    ScriptedPrompt prompt;
    CatalogueNames names;
    TDM_firma dm;
    bool connected = false;
};

}  // namespace tarvo::test
