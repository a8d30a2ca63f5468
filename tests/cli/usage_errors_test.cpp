// Every verb's usage errors in one table: exit 2, nothing on standard output and one line on
// standard error naming what was wrong.
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

using FraymarkUsage = CliWorkspace;

// The cases and their one-line messages are in a reviewed golden.
TEST_F(FraymarkUsage, BadArgumentsAreUsageErrorsWithOneLine) {
    Write("CharacterXML/Tess.xml", "<CHARACTER_NAME>Tess</CHARACTER_NAME>\n");
    ExpectGoldenCases("cli_usage_errors.txt", 2,
                      [this](const std::string& args) { return Run(args); });
}

// The general help names every verb and a verb's own help describes it; the texts are in a
// reviewed golden.
TEST(FraymarkHelp, DescribesEveryVerb) {
    ExpectGoldenCases("cli_help.txt", 0, [](const std::string& args) { return RunFraymark(args); });
}

} // namespace
