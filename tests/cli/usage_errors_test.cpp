// Every verb's usage errors in one table: exit 2, nothing on standard output and one line on
// standard error naming what was wrong.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

using FraymarkUsage = CliWorkspace;

// The messages are in a reviewed golden, one case a paragraph: the arguments, then the line.
TEST_F(FraymarkUsage, BadArgumentsAreUsageErrorsWithOneLine) {
    Write("CharacterXML/Tess.xml", "<CHARACTER_NAME>Tess</CHARACTER_NAME>\n");
    const char* const cases[] = {"fly",
                                 "ability",
                                 "ability Strength 18 51 Open_Doors extra",
                                 "ability Comeliness 12 0 Com_Mod",
                                 "ability strength 18 51 Open_Doors",
                                 "ability Strength high 51 Open_Doors",
                                 "ability Strength 18 101 Open_Doors",
                                 "ability Strength 2147483648 0 Open_Doors",
                                 "ability Strength 18 51 Open_Doors --level 3",
                                 "character",
                                 "character open x",
                                 "character show",
                                 "character show missing.xml",
                                 "character show CharacterXML",
                                 "character show CharacterXML/Tess.xml --out x",
                                 "character list extra",
                                 "character list --dir nowhere",
                                 "crit",
                                 "crit 1500 12",
                                 "crit x 12 Hacking",
                                 "crit 1500 12 Slashing",
                                 "crit 1500 12 Hacking --times 2",
                                 "crit severity",
                                 "crit severity 3 --times -1",
                                 "crit severity 3 --clock",
                                 "crit table extra",
                                 "data",
                                 "data frobnicate",
                                 "data dump",
                                 "data dump Wands",
                                 "data dump skills",
                                 "data dump Skills --dir /nonexistent/fraymark",
                                 "data check --dir /nonexistent/fraymark",
                                 "data check --depth 3",
                                 "roll banana",
                                 "roll 3d",
                                 "roll 3d6+-2",
                                 "roll 3d6 --times many",
                                 "roll 2147483647d6",
                                 "roll 1d6+2147483647",
                                 "rng",
                                 "rng --clock 1 --count -1",
                                 "honor",
                                 "honor awards extra",
                                 "honor awards --table 8",
                                 "honor notes 3",
                                 "tables",
                                 "tables critical",
                                 "tables quirks 6B",
                                 "tables honor 1",
                                 "tables honor one 5",
                                 "tables honor-bp",
                                 "tables save",
                                 "tables save Bogus --level 1 --saveas 2",
                                 "tables save Rod --level 1",
                                 "tables save Rod --level 1 --saveas 0",
                                 "tables save Rod --level 1 --saveas 6",
                                 "tables save Rod --level 2147483648 --saveas 2",
                                 "tables save Rod --level 1 --saveas 2 --class Barb",
                                 "tables save Rod --level 1 --saveas 2 --race Elf"};
    std::string messages;
    for (const char* args : cases) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.exit_code, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
        messages += std::string(args) + "\n  " + r.err;
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
