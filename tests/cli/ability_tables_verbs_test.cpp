#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

TEST(AbilityVerb, PrintsTheLookupTextAsIs) {
    struct Case {
        const char* args;
        const char* out;
    };
    const Case cases[] = {
        {"ability Strength 18 51 Open_Doors", "14(6)\n"},
        {"ability Strength 18 50 to_hit_adj", "+3\n"},
        {"ability Strength 10 0 Light_Encumbrance", "44 - 54\n"},
        {"ability Strength -3 0 Damage_adj", "-8\n"},
        {"ability Dexterity 17 0 Pick_Pockets", "+5%\n"},
        {"ability Constitution 0 0 Regeneration", "\n"},
        {"ability Constitution 30 0 Regeneration", "1 hp every turn\n"},
        {"ability Intelligence 18 51 Maximum_Number_Spells", "20\n"},
        {"ability Wisdom 18 51 Bonus_Spells", "2-2-1-1-1\n"},
        {"ability Charisma 3 0 Hon_Mod", "-7\n"},
        {"ability Strength 18 0 to_hit", "error\n"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunFraymark(c.args);
        EXPECT_EQ(r.exit_code, 0) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args;
        EXPECT_TRUE(r.err.empty()) << c.args;
    }
}

// A usage error prints nothing on standard output and one line on standard error.
void ExpectUsageError(const std::string& args, const std::string& working_dir = "") {
    const CliResult r = RunFraymark(args, working_dir);
    EXPECT_EQ(r.exit_code, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args << ": " << r.out;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
}

TEST(AbilityVerb, BadArgumentsAreUsageErrors) {
    for (const char* args : {
             "ability",
             "ability Strength 18 51",
             "ability Strength 18 51 Open_Doors extra",
             "ability Comeliness 12 0 Com_Mod",
             "ability strength 18 51 Open_Doors",
             "ability Strength high 51 Open_Doors",
             "ability Strength 18 101 Open_Doors",
             "ability Strength 18 -1 Open_Doors",
             "ability Strength 99999999999 0 Open_Doors",
             "ability Strength 18 51 Open_Doors --level 3",
         }) {
        ExpectUsageError(args);
    }
}

} // namespace
