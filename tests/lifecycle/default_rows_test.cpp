// The default rows shipped with the program, loaded by the program's own creation of a company year.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/catalogue/firma.h"
#include "data/schema/table_sets.h"
#include "test_catalogue.h"

using namespace tarvo;

namespace {

const std::vector<std::string> kOrgTypes{"PRED", "UDR", "SDT"};

// One catalogue with a company year of every organisation type, made once for the suite.
class DefaultRows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        catalogue_ = std::make_unique<test::TestCatalogue>();
        ASSERT_TRUE(catalogue_->connected);
        const int fid = test::uniqueCompanyId();
        int godina = 2021;
        for (const std::string& orgTip : kOrgTypes) {
            Registered& year = years_[orgTip];
            year.report = registerCompanyYear(catalogue_->dm, fid, "Zadana " + orgTip, godina, orgTip);
            year.firma = TFirma(fid, "Zadana " + orgTip, godina++);
            catalogue_->dm.GetBazeFirme(year.firma);
        }
    }
    static void TearDownTestSuite() {
        years_.clear();
        catalogue_.reset();
    }

    static long long rowsOf(const std::string& database, const std::string& table) {
        return catalogue_->connection().scalar("select count(*) from " + database + "." + table).asInt();
    }

    struct Registered {
        CreationReport report;
        TFirma firma;
    };
    static inline std::unique_ptr<test::TestCatalogue> catalogue_;
    static inline std::map<std::string, Registered> years_;
};

TEST_F(DefaultRows, EveryFileLoadsIntoAFreshCompanyYear) {
    const char* dataDir = std::getenv("TARVO_DATA_DIR");
    ASSERT_NE(dataDir, nullptr);
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(dataDir) / "deftabele"))
        if (entry.path().extension() == ".sql") files.push_back(entry.path());
    ASSERT_FALSE(files.empty());

    EXPECT_EQ(rowsOf(catalogue_->names.ex, "vbaze"), 4);
    for (const std::string& orgTip : kOrgTypes) {
        SCOPED_TRACE(orgTip);
        const Registered& year = years_.at(orgTip);
        for (const std::string& failure : year.report.failures) ADD_FAILURE() << failure;
        for (const std::filesystem::path& file : files) {
            std::string table = file.stem().string();
            if (table == "vbaze") continue;  // the catalogue's, checked above
            if (table.rfind("konto_", 0) == 0) {
                if (table != "konto_" + orgTip) continue;
                table = "konto";
            }
            const std::optional<std::string> database = databaseOfTable(table, year.firma);
            ASSERT_TRUE(database) << file << " fills no table of a company";
            EXPECT_GT(rowsOf(*database, table), 0) << file;
        }
    }
}

TEST_F(DefaultRows, EveryChartHoldsTheAccountsTheProgramNames) {
    const std::vector<std::string> accounts{"2000", "2010", "2050", "20091", "20092", "20093", "2100", "2110",
                                            "2120", "270",  "3410", "351",  "4320",  "4330",  "4510",  "4520",
                                            "4521", "4522", "4523", "4524", "4525", "470",   "4810",  "5201",
                                            "5202", "5203", "599",  "699",  "710",   "711"};
    for (const std::string& orgTip : kOrgTypes) {
        const std::string& fin = years_.at(orgTip).firma.db_fin;
        ASSERT_FALSE(fin.empty()) << orgTip;
        for (const std::string& account : accounts) {
            EXPECT_EQ(catalogue_->connection()
                          .scalar("select count(*) from " + fin + ".konto where id=\"" + account + "\"")
                          .asInt(),
                      1)
                << "account " << account << " missing from the " << orgTip << " chart";
        }
    }
}

}  // namespace
