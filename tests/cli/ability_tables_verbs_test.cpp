// The one-lookup verbs: ability, tables save, tables honor and tables honor-bp.
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

struct Lookup {
    const char* args;
    const char* out;
};

void ExpectPrinted(const CliResult& r, const Lookup& c) {
    EXPECT_EQ(r.exit_code, 0) << c.args << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args;
    EXPECT_EQ(r.err, "") << c.args;
}

// The tables are tested in core; here each verb passes its words on (the edges of the numbers
// it takes included) and prints the text as is.
TEST(LookupVerbs, PrintTheLookupTextAsIs) {
    const Lookup cases[] = {
        {"ability Strength 18 51 Open_Doors", "14(6)\n"},
        {"ability Constitution 0 0 Regeneration", "\n"},
        {"ability Strength 18 0 to_hit", "error\n"},
        {"tables honor 1 17", "Great Honor d4\n"},
        {"tables honor 25 211", "Too Much Honor d12+2\n"},
        {"tables honor-bp 13", "-1\n"},
        {"tables honor-bp 14", "+1\n"},
    };
    for (const Lookup& c : cases) {
        ExpectPrinted(RunFraymark(c.args), c);
    }
}

// 18/00 is written 100 and taken; the largest score reads as the top of the table.
TEST(LookupVerbs, TakeTheEdgesOfTheirNumbers) {
    const CliResult top = RunFraymark("ability Strength 18 100 Open_Doors");
    EXPECT_EQ(top.exit_code, 0) << top.err;
    EXPECT_EQ(Split(top.out).size(), 1u) << top.out;
    const CliResult largest = RunFraymark("ability Strength 2147483647 0 Open_Doors");
    EXPECT_EQ(largest.exit_code, 0) << largest.err;
    EXPECT_EQ(largest.out, RunFraymark("ability Strength 25 0 Open_Doors").out);
}

// A workspace with two classes and two races; both classes name the mage table, --saveas
// decides.
class SaveWorkspace : public CliWorkspace {
protected:
    void SetUp() override {
        CliWorkspace::SetUp();
        for (const char* name : {"Barbarian", "Paladin"}) {
            Write(std::string("Classes/") + name + "Class.qdf",
                  std::string("<CHARACTER_CLASS>\n<NAME>") + name +
                      "</NAME>\n<SAVEAS>1</SAVEAS>\n</CHARACTER_CLASS>\n");
        }
        for (const char* name : {"Dwarf", "Human"}) {
            Write(std::string("Races/") + name + "_Male_Race.qdf",
                  std::string("<CHARACTER_RACE>\n<NAME>") + name +
                      "</NAME>\n<SEX>Male</SEX>\n</CHARACTER_RACE>\n");
        }
    }
};

// Each option reaches the lookup: the fighter table at level 1 reads 15 17 16 19 18 18, at
// level 20 2 4 3 2 9 5; the mage table at level 1 14 11 13 15 17 12.
TEST_F(SaveWorkspace, PrintsTheSaveOfTheDescribedCharacter) {
    const Lookup cases[] = {
        {"tables save Spell --level 0 --saveas 2", "18\n"},
        {"tables save Spells --level 1 --saveas 1", "12\n"},
        {"tables save Rod --level 1 --saveas 1 --class Barbarian", "9\n"},
        {"tables save Paralyzation --level 20 --saveas 2 --class Paladin", "1\n"},
        {"tables save Paralyzation --level 2147483647 --saveas 2", "2\n"},
        {"tables save Poison --level 1 --saveas 2 --race Dwarf --con 18", "10\n"},
        {"tables save Poison --level 1 --saveas 2 --race Human --con 18", "15\n"},
        {"tables save Poison --level 1 --saveas 2 --class Barbarian --race Dwarf --con 18", "6\n"},
    };
    for (const Lookup& c : cases) {
        ExpectPrinted(Run(c.args), c);
    }
}

} // namespace
