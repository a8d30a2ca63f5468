#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

// One line each, cells of the game's honor tables; anything malformed is a usage error.
TEST(TablesHonorVerbs, StandingBpAndUsageErrors) {
    const std::pair<const char*, const char*> cases[] = {
        {"tables honor 1 17", "Great Honor d4\n"},
        {"tables honor 2 22", "Average Honor d4+1\n"},
        {"tables honor 1 -3", "Dishonorable d1\n"},
        {"tables honor 25 211", "Too Much Honor d12+2\n"},
        {"tables honor-bp 0", "-9\n"},
        {"tables honor-bp 13", "-1\n"},
        {"tables honor-bp 14", "+1\n"},
        {"tables honor-bp 30", "+12\n"},
        {"tables honor 1", ""},
        {"tables honor 1 2 3", ""},
        {"tables honor one 5", ""},
        {"tables honor 1 5x", ""},
        {"tables honor-bp", ""},
        {"tables honor-bp 1.5", ""},
    };
    for (const auto& [arguments, out] : cases) {
        const CliResult result = RunFraymark(arguments);
        EXPECT_EQ(result.out, out) << arguments;
        if (*out != '\0') {
            EXPECT_EQ(result.exit_code, 0) << arguments << ": " << result.err;
            EXPECT_EQ(result.err, "") << arguments;
        } else {
            EXPECT_EQ(result.exit_code, 2) << arguments;
            EXPECT_EQ(result.err.rfind("fraymark: tables honor", 0), 0u) << result.err;
        }
    }
}

} // namespace
