// Every verb's usage errors in one table: exit 2, nothing on standard output and one line on
// standard error naming what was wrong.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

TEST(FraymarkUsage, BadArgumentsAreUsageErrorsWithOneLine) {
    struct Case {
        const char* args;
        const char* names; // a part of the message, or "" when any one line will do
    };
    const Case cases[] = {
        {"fly", "fly"},
        {"ability", ""},
        {"ability Strength 18 51", ""},
        {"ability Strength 18 51 Open_Doors extra", ""},
        {"ability Comeliness 12 0 Com_Mod", "Comeliness"},
        {"ability strength 18 51 Open_Doors", "strength"},
        {"ability Strength high 51 Open_Doors", "high"},
        {"ability Strength 18 101 Open_Doors", "101"},
        {"ability Strength 18 -1 Open_Doors", "-1"},
        {"ability Strength 99999999999 0 Open_Doors", "99999999999"},
        {"ability Strength 18 51 Open_Doors --level 3", "--level"},
        {"crit", ""},
        {"crit 1500 12", ""},
        {"crit x 12 Hacking", ""},
        {"crit 1500 twelve Hacking", ""},
        {"crit 1500 12 Slashing", "Slashing"},
        {"crit 1500 12 Monster", "Monster"},
        {"crit 1500 12 Hacking --times 2", "--times"},
        {"crit severity", ""},
        {"crit severity x", ""},
        {"crit severity 3 4", ""},
        {"crit severity 3 --times -1", ""},
        {"crit severity 3 --clock", "--clock"},
        {"crit severity 3 --speed 2", "--speed"},
        {"crit table extra", ""},
        {"crit table --clock 3", "--clock"},
        {"data", ""},
        {"data frobnicate", "frobnicate"},
        {"data dump", ""},
        {"data dump Wands", "Wands"},
        {"data dump skills", "skills"}, // kinds are written as the directories are
        {"data dump Skills Races", ""},
        {"data dump Skills --dir /nonexistent/fraymark", "/nonexistent/fraymark"},
        {"data check --dir /nonexistent/fraymark", "/nonexistent/fraymark"},
        {"data check extra", "extra"},
        {"data check --depth 3", "--depth"},
        {"roll banana", ""},
        {"roll 3d", ""},
        {"roll 3d6x", ""},
        {"roll 3d6+-2", ""},
        {"roll", ""},
        {"roll 3d6 --times many", "many"},
        {"roll 3d6 --clock", "--clock"},
        {"roll 2147483647d6", ""},
        {"roll 1d6+2147483647", ""},
        {"rng", ""},
        {"rng --clock 1 --count -1", ""},
        {"rng --clock 1 --speed 3", "--speed"},
        {"honor", ""},
        {"honor awards extra", "extra"},
        {"honor awards --table 8", ""},
        {"honor awards --table 4B", ""},
        {"honor notes 3", ""},
        {"honor notes --table 2", ""},
        {"tables quirks 6B", "6B"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunFraymark(c.args);
        EXPECT_EQ(r.exit_code, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.args << ": " << r.err;
        EXPECT_NE(r.err.find(c.names), std::string::npos) << c.args << ": " << r.err;
    }
}

TEST(FraymarkUsage, HelpDescribesEveryVerb) {
    const CliResult r = RunFraymark("--help");
    EXPECT_EQ(r.exit_code, 0);
    for (const char* verb :
         {"fraymark rng", "fraymark roll", "fraymark crit", "fraymark data", "fraymark character",
          "fraymark honor", "fraymark ability", "fraymark tables"}) {
        EXPECT_NE(r.out.find(verb), std::string::npos) << verb;
    }
    const CliResult verb = RunFraymark("roll --help");
    EXPECT_EQ(verb.exit_code, 0);
    EXPECT_NE(verb.out.find("penetrating"), std::string::npos);
    EXPECT_EQ(RunFraymark("data --help").exit_code, 0);
}

} // namespace
