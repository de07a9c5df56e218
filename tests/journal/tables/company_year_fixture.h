#pragma once
// One company year of the test's own catalogue, opened in a TDataModule1 the way the program opens it,
// with the family folder in a temporary directory. Built once per test program: creating a company year
// takes a while, so tests set up the rows they rely on themselves.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "data/catalogue/firma.h"
#include "data/catalogue/server_setup.h"
#include "data/company_year/tdatamodule1.h"
#include "test_catalogue.h"
#include "util/user_prompt.h"

namespace tarvo::test {

class CompanyYear {
public:
    static constexpr int kYear = 2024;

    CompanyYear() : fid(uniqueCompanyId()), firma(fid, "Tabele d.o.o.", kYear), data(prompt) {
        familyFolder = std::filesystem::temp_directory_path() / uniqueName("kelma");
        std::filesystem::create_directories(familyFolder);
        setenv("KELMA_HOME", familyFolder.c_str(), 1);
        const CreationReport report = registerCompanyYear(catalogue.dm, fid, firma.naziv, kYear);
        EXPECT_TRUE(report.ok()) << report.message();
        catalogue.dm.GetBazeFirme(firma);
        data.copyFrom(firma);
        data.setServer(catalogue.dm.connectionParams());
        opened = data.srediKonekciju();
        if (opened) data.otvoriTabele();
    }
    ~CompanyYear() {
        std::error_code ignored;
        std::filesystem::remove_all(familyFolder, ignored);
    }

    // Replaces the chart of accounts by these codes, each named "Konto <code>".
    void setAccounts(const std::vector<std::string>& codes) {
        db::Connection& fin = data.MyConnection2();
        fin.execute("delete from konto");
        for (const std::string& code : codes)
            fin.execute("insert into konto (id, naziv) values ('" + fin.escape(code) + "', 'Konto " + fin.escape(code) + "')");
        data.MyTable_konto().refresh();
    }

    TestCatalogue catalogue;
    ScriptedPrompt prompt;
    int fid;
    TFirma firma;
    TDataModule1 data;
    std::filesystem::path familyFolder;
    bool opened = false;
};

// The company year shared by the tests of one program.
inline CompanyYear& companyYear() {
    static auto company = std::make_unique<CompanyYear>();
    return *company;
}

}  // namespace tarvo::test
