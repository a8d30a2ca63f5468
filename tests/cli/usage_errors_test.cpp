// Every verb's usage errors in one table: exit 2, nothing on standard output and one line on
// standard error naming what was wrong.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

using FraymarkUsage = CliWorkspace;

// The cases and their messages are in a reviewed golden: the test runs the golden's cases.
TEST_F(FraymarkUsage, BadArgumentsAreUsageErrorsWithOneLine) {
    Write("CharacterXML/Tess.xml", "<CHARACTER_NAME>Tess</CHARACTER_NAME>\n");
    std::string messages;
    const auto cases = GoldenCases("cli_usage_errors.txt");
    EXPECT_GE(cases.size(), 60u) << "every verb's usage errors";
    for (const std::string& args : cases) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.exit_code, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
        messages += args + "\n  " + r.err;
    }
    ExpectMatchesGolden("cli_usage_errors.txt", messages);
}

TEST(FraymarkHelp, DescribesEveryVerb) {
    const CliResult r = RunFraymark("--help");
    EXPECT_EQ(r.exit_code, 0);
    for (const char* verb :
         {"fraymark rng", "fraymark roll", "fraymark crit", "fraymark data", "fraymark honor",
          "fraymark ability", "fraymark tables", "fraymark character list [--dir DIR]"}) {
        EXPECT_NE(r.out.find(verb), std::string::npos) << verb;
    }
    const CliResult roll = RunFraymark("roll --help");
    EXPECT_EQ(roll.exit_code, 0);
    EXPECT_NE(roll.out.find("penetrating"), std::string::npos);
    const CliResult character = RunFraymark("character --help");
    EXPECT_EQ(character.exit_code, 0);
    EXPECT_TRUE(character.out.starts_with("Usage: fraymark character show FILE")) << character.out;
    EXPECT_EQ(RunFraymark("data --help").exit_code, 0);
}

} // namespace
