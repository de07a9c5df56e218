#include <gtest/gtest.h>

#include "data/db/script.h"

using tarvo::db::ScriptSplitter;
using tarvo::db::splitScript;

namespace {

struct SplitCase {
    const char* name;
    std::string script;
    std::vector<std::string> statements;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, CutsStatements) {
    EXPECT_EQ(splitScript(GetParam().script), GetParam().statements);
}

TEST_P(SplitTest, GivesTheSameStatementsFedOneByteAtATime) {
    std::vector<std::string> got;
    ScriptSplitter splitter([&](std::string s) { got.push_back(std::move(s)); });
    for (char c : GetParam().script) splitter.feed(std::string_view(&c, 1));
    splitter.finish();
    EXPECT_EQ(got, GetParam().statements);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, SplitTest,
    ::testing::Values(
        SplitCase{"plain", "select 1; select 2;", {"select 1", "select 2"}},
        SplitCase{"last_without_delimiter", "select 1;\nselect 2", {"select 1", "select 2"}},
        SplitCase{"semicolons_in_quotes", "insert into t values ('a;b', \"c;d\", `e;f`);",
                  {"insert into t values ('a;b', \"c;d\", `e;f`)"}},
        SplitCase{"escaped_quotes", "insert into t values ('it\\'s;', 'x''y;', \"q\\\";\");",
                  {"insert into t values ('it\\'s;', 'x''y;', \"q\\\";\")"}},
        SplitCase{"line_comments", "-- heading; with semicolon\nselect 1; # trailing; comment\nselect 2;",
                  {"select 1", "select 2"}},
        SplitCase{"double_dash_without_space_is_minus", "select 1--1;", {"select 1--1"}},
        SplitCase{"block_comment_dropped", "select /* a; b */ 1;", {"select  1"}},
        SplitCase{"executable_comment_kept", "/*!40101 SET NAMES utf8 */;\nselect 1;",
                  {"/*!40101 SET NAMES utf8 */", "select 1"}},
        SplitCase{"crlf", "select 1;\r\nselect\r\n2;\r\n", {"select 1", "select\n2"}},
        SplitCase{"crlf_inside_quotes_kept", "select 'a\r\nb';", {"select 'a\r\nb'"}},
        SplitCase{"delimiter_lines",
                  "DELIMITER ;;\ncreate trigger x before insert on t for each row begin set @a=1; end ;;\n"
                  "DELIMITER ;\nselect 1;",
                  {"create trigger x before insert on t for each row begin set @a=1; end", "select 1"}},
        SplitCase{"only_comments", "-- nothing\n/* here */\n", {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
