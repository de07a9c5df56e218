#include "util/sqltext.h"

#include <regex>
#include <stdexcept>

#include <gtest/gtest.h>

#include "util/balance_query.h"

namespace tarvo {
namespace {

struct ConditionCase {
    const char* criterion;
    const char* expected;
};

TEST(BuildCodeCondition, ListsRangesPrefixesAndQuotes) {
    const ConditionCase cases[] = {
        {"20", R"((kontoid like "20%"))"},
        {"20;21:23", R"((kontoid like "20%" or LEFT(kontoid,2) between "21" and "23"))"},
        {"1:200", R"((LEFT(kontoid,3) between "1" and "200"))"},
        {"20:", R"((kontoid like "20:%"))"},
        {"20\r\n21\n22", R"((kontoid like "20%" or kontoid like "21%" or kontoid like "22%"))"},
        {"20; 21 ;;", R"((kontoid like "20%" or kontoid like "21%"))"},
        {"20:25:30", R"((LEFT(kontoid,2) between "20" and "25"))"},
        {"21::23", R"((LEFT(kontoid,2) between "21" and "23"))"},
        {"", "()"},
        {" ; ", "()"},
        {R"(20" or 1=1 or ")", R"((kontoid like "20\" or 1=1 or \"%"))"},
        {"O'Brien:P\\", R"((LEFT(kontoid,7) between "O\'Brien" and "P\\"))"},
    };
    for (const ConditionCase& c : cases) {
        SCOPED_TRACE(c.criterion);
        EXPECT_EQ(buildCodeCondition(c.criterion, "kontoid"), c.expected);
    }
}

TEST(BuildCodeCondition, LengthsCountCharacters) {
    EXPECT_EQ(buildCodeCondition("č1:ž22", "sifra"), R"((LEFT(sifra,3) between "č1" and "ž22"))");
}

TEST(EscapeSqlString, BackslashAndBothQuotes) {
    EXPECT_EQ(escapeSqlString(R"(a\b"c'd)"), R"(a\\b\"c\'d)");
    EXPECT_EQ(escapeSqlString("2020 čćž"), "2020 čćž");
}

// What the server makes of the text between the quotes of a literal.
std::string readLiteral(std::string_view body) {
    std::string value;
    for (std::size_t i = 0; i < body.size(); ++i) value += body[i] == '\\' && i + 1 < body.size() ? body[++i] : body[i];
    return value;
}

TEST(EscapeRegex, FindsTheTypedTextLiterally) {
    const struct {
        const char* typed;
        const char* near;  // a text an unescaped pattern would also find
    } cases[] = {
        {"A.B", "AxB"},  {"(x", "x"},     {"a+b?", "aab"},       {"[1]", "1"},  {"{2}", "{2"},
        {"x|y", "y"},    {"^$", ""},      {"c:\\dir", "c:dir"},  {"*", "x"},   {"Firma (BiH)", "Firma BiH"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::regex pattern(escapeRegexValue(c.typed));
        EXPECT_TRUE(std::regex_search(std::string("..") + c.typed + "..", pattern));
        EXPECT_FALSE(std::regex_search(std::string(c.near), pattern));
        // Written raw into a literal, escapeRegex reaches the engine as escapeRegexValue.
        EXPECT_EQ(readLiteral(escapeRegex(c.typed)), escapeRegexValue(c.typed));
        EXPECT_EQ(readLiteral(escapeSqlString(escapeRegexValue(c.typed))), escapeRegexValue(c.typed));
    }
}

TEST(EscapeRegex, Forms) {
    EXPECT_EQ(escapeRegexValue("A.B(x"), R"(A\.B\(x)");
    EXPECT_EQ(escapeRegex("A.B(x"), R"(A\\.B\\(x)");
    EXPECT_EQ(escapeRegex(R"(say "hi")"), R"(say \"hi\")");
}

TEST(SqlDateLiteral, IsoDate) {
    using namespace std::chrono;
    EXPECT_EQ(sqlDateLiteral(year(2024) / January / 5), R"(date("2024-01-05"))");
}

TEST(AccountPartnerBalanceQuery, FillsAndEscapes) {
    EXPECT_EQ(accountPartnerBalanceQuery("fin_2024", 17, "2020", true),
              "select if(udug-upot>0,udug-upot,null) as sdug, if(upot-udug>0,upot-udug,null) as spot from "
              "(select round(sum(duguje),2) as udug, round(sum(potrazuje),2) as upot from fin_2024.konnal s "
              "where true and s.kontoid like \"2020%\" and s.partnerid=17 ) as t1");
    EXPECT_NE(accountPartnerBalanceQuery("f", 1, "43\"", false).find(R"(like "43\"")"), std::string::npos);
    EXPECT_THROW(accountPartnerBalanceQuery("f; drop table x", 1, "43", false), std::invalid_argument);
    EXPECT_THROW(accountPartnerBalanceQuery("", 1, "43", false), std::invalid_argument);
}

}  // namespace
}  // namespace tarvo
