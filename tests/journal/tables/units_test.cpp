#include <gtest/gtest.h>

#include "data/db/value.h"
#include "journal/tables/field_text.h"
#include "journal/tables/next_code.h"
#include "journal/tables/table_script_check.h"
#include "journal/tables/table_sort.h"

using namespace tarvo;
using namespace tarvo::tables;

namespace {

TEST(NextFreeCode, FollowsTheTrailingDigitsOfTheHighestCode) {
    struct Case {
        const char* typed;
        const char* highest;
        const char* next;
    };
    const Case cases[] = {
        {"AB", "AB099", "AB100"},
        {"AB", "AB09", "AB10"},
        {"AB", "", "1"},            // nothing starts with the typed text
        {"", "000123", "000124"},   // zero-padded to the code's length
        {"", "AB12", "0013"},       // a leading non-digit part is not kept
        {"", "999", "1000"},
        {"", "", "1"},              // empty table
        {"", "ABC", "ABC1"},        // no trailing digits
        {"K", "KX", "KX1"},
        {"AB1", "AB12", "AB13"},    // the digits never reach into the typed text
        {"AB12", "AB12", "AB121"},
        {"A", "A0005", "A6"},       // not zero-padded after a typed text
        {"Č", "Č9", "Č10"},         // the typed text counts characters, not bytes
        {"", "99999999999999999999", "100000000000000000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nextFreeCode(c.typed, c.highest), c.next) << "typed \"" << c.typed << "\", highest \"" << c.highest << "\"";
}

TEST(NextFreeCode, EscapesLikeWildcards) {
    EXPECT_EQ(escapeLikePattern("a%b_c\\d"), "a\\%b\\_c\\\\d");
    EXPECT_EQ(escapeLikePattern("AB"), "AB");
}

TEST(TableSort, ShiftAddsTheColumnToAnExistingOrdering) {
    EXPECT_EQ(orderingAfterClick("", "naziv", false), "naziv");
    EXPECT_EQ(orderingAfterClick("naziv", "id", false), "id");
    EXPECT_EQ(orderingAfterClick("naziv", "id", true), "naziv;id");
    EXPECT_EQ(orderingAfterClick("", "id", true), "id");
    EXPECT_EQ(sortStatusText("naziv;id"), "Tabela sortirana po kolonama: \"naziv;id\"");
}

TEST(FieldText, ShowsAndReadsValuesTheWayTheScreenWritesThem) {
    db::Column text{"naziv", db::TypeClass::Text, 240};
    db::Column amount{"popust", db::TypeClass::Float, 6, 2};
    db::Column required{"nk1", db::TypeClass::Float, 9, 3, false, false, true};
    db::Column whole{"rokpldana", db::TypeClass::Integer, 4};
    db::Column day{"datum", db::TypeClass::Date, 10};

    EXPECT_EQ(displayText(amount, db::Value("12.50")), "12,50");
    EXPECT_EQ(displayText(day, db::Value("2024-03-05")), "05.03.2024");
    EXPECT_EQ(displayText(text, db::Value::null()), "");
    EXPECT_EQ(fieldSize(text), 60u);
    EXPECT_EQ(fieldSize(whole), 0u);

    EXPECT_EQ(valueFromInput(amount, "12,5"), db::Value("12.5"));
    EXPECT_EQ(valueFromInput(amount, ""), db::Value::null());
    EXPECT_EQ(valueFromInput(required, " "), db::Value("0")) << "a NOT NULL number gets 0, never NULL";
    EXPECT_EQ(valueFromInput(whole, " 7 "), db::Value("7"));
    EXPECT_EQ(valueFromInput(day, "5.3.24"), db::Value("2024-03-05"));
    EXPECT_EQ(valueFromInput(text, "  x "), db::Value("  x ")) << "text is kept as typed";
    EXPECT_FALSE(valueFromInput(whole, "7a"));
    EXPECT_FALSE(valueFromInput(amount, "1.234,5"));
    EXPECT_FALSE(valueFromInput(day, "31.02.2024"));
}

TEST(TableScriptCheck, AcceptsDumpsOfTheTableOnly) {
    const std::vector<std::string> ours = {
        "SET NAMES utf8mb4",
        "/*!40101 SET @OLD_CHARACTER_SET_CLIENT=@@CHARACTER_SET_CLIENT */",
        "DROP TABLE IF EXISTS `konto`",
        "CREATE TABLE `konto` (\n  `id` char(9) NOT NULL, `naziv` char(60)\n) ENGINE=InnoDB",
        "LOCK TABLES `konto` WRITE",
        "/*!40000 ALTER TABLE `konto` DISABLE KEYS */",
        "INSERT INTO `konto` VALUES ('2000','Kupci'),('4320','Dobavljači')",
        "UNLOCK TABLES",
    };
    EXPECT_EQ(refusalForTableScript(ours, "konto"), std::nullopt);
    EXPECT_EQ(refusalForTableScript({"insert into konto values ('1','a')"}, "konto"), std::nullopt);

    const std::vector<std::string> foreign[] = {
        {"DROP TABLE IF EXISTS `partner`"},
        {"INSERT INTO `konto` VALUES ('1','a')", "delete from nalog"},
        {"DROP TABLE `konto`, `nalog`"},
        {"INSERT INTO finansije_1_2024.konto VALUES ('1','a')"},
        {"INSERT INTO `ex`.`konto` VALUES ('1','a')"},
        {"CREATE DATABASE x", "INSERT INTO konto VALUES ('1','a')"},
        {"USE finansije_2_2024", "INSERT INTO konto VALUES ('1','a')"},
        {"SET GLOBAL max_connections=1", "INSERT INTO konto VALUES ('1','a')"},
        {"INSERT INTO `KONTO` VALUES ('1','a')"},
        {"INSERT INTO `kontox` VALUES ('1','a')"},
    };
    for (const auto& statements : foreign) {
        const auto refusal = refusalForTableScript(statements, "konto");
        ASSERT_TRUE(refusal) << statements.back();
        EXPECT_NE(refusal->find("tabelu konto"), std::string::npos) << *refusal;
    }
    EXPECT_EQ(refusalForTableScript({"SET NAMES utf8mb4"}, "konto"), "Fajl ne sadrži podatke tabele konto!");
}

}  // namespace
