// Every verb's usage errors in one table: exit 2, nothing on standard output and one line on
// standard error naming what was wrong.
#include <algorithm>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

using FraymarkUsage = CliWorkspace;

// The cases and their messages are in a reviewed golden, one case a paragraph: the arguments,
// then the line on standard error indented by two spaces. The test runs the golden's cases.
TEST_F(FraymarkUsage, BadArgumentsAreUsageErrorsWithOneLine) {
    Write("CharacterXML/Tess.xml", "<CHARACTER_NAME>Tess</CHARACTER_NAME>\n");
    std::ifstream golden(std::string(FRAYMARK_SOURCE_DIR) + "/tests/golden/cli_usage_errors.txt");
    std::string args, messages;
    int cases = 0;
    while (std::getline(golden, args)) {
        if (args.starts_with("  ")) {
            continue;
        }
        const CliResult r = Run(args);
        EXPECT_EQ(r.exit_code, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
        messages += args + "\n  " + r.err;
        ++cases;
    }
    EXPECT_GE(cases, 60) << "every verb's usage errors";
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
