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

// The general help names every verb and a verb's own help describes it; the texts are in a
// reviewed golden, one case a paragraph.
TEST(FraymarkHelp, DescribesEveryVerb) {
    std::string printed;
    for (const std::string& args : GoldenCases("cli_help.txt")) {
        const CliResult r = RunFraymark(args);
        EXPECT_EQ(r.exit_code, 0) << args;
        printed += args + "\n";
        for (const std::string& line : Split(r.out)) {
            printed += "  " + line + "\n";
        }
    }
    ExpectMatchesGolden("cli_help.txt", printed);
}

} // namespace
