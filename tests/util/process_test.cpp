#include "util/process.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(RunProgram, ReportsTheExitStatus) {
    const ProgramRun failed = runProgram("/bin/false", true);
    EXPECT_TRUE(failed.started);
    EXPECT_TRUE(failed.waited);
    EXPECT_EQ(failed.exitStatus, 1);
    EXPECT_FALSE(failed.succeeded());

    const ProgramRun ok = runProgram("true", true);  // found through PATH
    EXPECT_TRUE(ok.succeeded());
    EXPECT_EQ(ok.exitStatus, 0);

    const ProgramRun quoted = runProgram(R"(sh -c "exit 3")", true);
    EXPECT_EQ(quoted.exitStatus, 3);

    const ProgramRun killed = runProgram("sh", {"-c", "kill -9 $$"}, true);
    EXPECT_EQ(killed.exitStatus, 128 + 9);
}

TEST(RunProgram, ReportsAProgramThatCannotStart) {
    const ProgramRun missing = runProgram("/nonexistent/program --flag", true);
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(missing.succeeded());
    EXPECT_EQ(missing.message, "Ne mogu da izvršim /nonexistent/program --flag");

    EXPECT_FALSE(runProgram("tarvo-no-such-program-anywhere", false).started);
    EXPECT_FALSE(runProgram("   ", true).started);
}

TEST(RunProgram, NoShellAndOwnProcessGroup) {
    // A shell would expand the star; the program must get it as typed.
    EXPECT_EQ(runProgram("sh", {"-c", "test \"$0\" = '*'", "*"}, true).exitStatus, 0);
    // Field 5 of /proc/<pid>/stat is the process group.
    EXPECT_EQ(runProgram("sh", {"-c", "test \"$(cut -d' ' -f5 /proc/$$/stat)\" = \"$$\""}, true).exitStatus, 0);
}

TEST(RunProgram, WithoutWaiting) {
    const ProgramRun run = runProgram("/bin/true", false);
    EXPECT_TRUE(run.started);
    EXPECT_FALSE(run.waited);
    EXPECT_TRUE(run.succeeded());
}

TEST(SplitCommandLine, QuotesGroupBlanks) {
    EXPECT_EQ(splitCommandLine(R"(mysqldump  -u root "C:\my dir\x.sql")"),
              (std::vector<std::string>{"mysqldump", "-u", "root", R"(C:\my dir\x.sql)"}));
    EXPECT_EQ(splitCommandLine(R"(a "" b)"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitCommandLine(" \t ").empty());
}

}  // namespace
}  // namespace tarvo
