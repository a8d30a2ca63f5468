// Every verb's usage errors in one table: exit 2, nothing on standard output and one line on
// standard error naming what was wrong.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

using FraymarkUsage = CliWorkspace;

TEST_F(FraymarkUsage, BadArgumentsAreUsageErrorsWithOneLine) {
    Write("CharacterXML/Tess.xml", "<CHARACTER_NAME>Tess</CHARACTER_NAME>\n");
    struct Case {
        const char* args;
        const char* names; // a part of the message, or "" when any one line will do
    };
    const Case cases[] = {
        {"fly", "fly"},
        {"ability", ""},
        {"ability Strength 18 51 Open_Doors extra", ""},
        {"ability Comeliness 12 0 Com_Mod", "Comeliness"},
        {"ability strength 18 51 Open_Doors", "strength"},
        {"ability Strength high 51 Open_Doors", "high"},
        {"ability Strength 18 101 Open_Doors", "101"},
        {"ability Strength 2147483648 0 Open_Doors", "2147483648"},
        {"ability Strength 18 51 Open_Doors --level 3", "--level"},
        {"character", "fraymark: character: expected 'show FILE', 'sheet FILE' or 'list'"},
        {"character open x", "unknown action 'open' (show, sheet or list)"},
        {"character show", "fraymark: character show: expected one character FILE"},
        {"character show missing.xml", "fraymark: character show: cannot open 'missing.xml'"},
        {"character show CharacterXML", "cannot open 'CharacterXML'"},
        {"character show CharacterXML/Tess.xml --out x", "unknown option --out"},
        {"character list extra", "fraymark: character list: unexpected argument 'extra'"},
        {"character list --dir nowhere", "--dir 'nowhere' is no directory"},
        {"crit", ""},
        {"crit 1500 12", ""},
        {"crit x 12 Hacking", ""},
        {"crit 1500 12 Slashing", "Slashing"},
        {"crit 1500 12 Hacking --times 2", "--times"},
        {"crit severity", ""},
        {"crit severity 3 --times -1", ""},
        {"crit severity 3 --clock", "--clock"},
        {"crit table extra", ""},
        {"data", ""},
        {"data frobnicate", "frobnicate"},
        {"data dump", ""},
        {"data dump Wands", "Wands"},
        {"data dump skills", "skills"}, // kinds are written as the directories are
        {"data dump Skills --dir /nonexistent/fraymark", "/nonexistent/fraymark"},
        {"data check --dir /nonexistent/fraymark", "/nonexistent/fraymark"},
        {"data check --depth 3", "--depth"},
        {"roll banana", ""},
        {"roll 3d", ""},
        {"roll 3d6+-2", ""},
        {"roll 3d6 --times many", "many"},
        {"roll 2147483647d6", ""},
        {"roll 1d6+2147483647", ""},
        {"rng", ""},
        {"rng --clock 1 --count -1", ""},
        {"honor", ""},
        {"honor awards extra", "extra"},
        {"honor awards --table 8", ""},
        {"honor notes 3", ""},
        {"tables", ""},
        {"tables critical", ""},
        {"tables quirks 6B", "6B"},
        {"tables honor 1", "fraymark: tables honor"},
        {"tables honor one 5", "fraymark: tables honor"},
        {"tables honor-bp", "fraymark: tables honor"},
        {"tables save", ""},
        {"tables save Bogus --level 1 --saveas 2", "Bogus"},
        {"tables save Rod --level 1", "--saveas"},
        {"tables save Rod --level 1 --saveas 0", ""},
        {"tables save Rod --level 1 --saveas 6", ""},
        {"tables save Rod --level 2147483648 --saveas 2", ""},
        {"tables save Rod --level 1 --saveas 2 --class Barb", "Barb"},
        {"tables save Rod --level 1 --saveas 2 --race Elf", "Elf"},
    };
    for (const Case& c : cases) {
        const CliResult r = Run(c.args);
        EXPECT_EQ(r.exit_code, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.args << ": " << r.err;
        EXPECT_NE(r.err.find(c.names), std::string::npos) << c.args << ": " << r.err;
    }
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
