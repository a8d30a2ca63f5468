// The one-lookup verbs: ability, tables save, tables honor, tables honor-bp and crit.
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

// A workspace with two classes and two races; both classes name the mage table, --saveas
// decides.
class LookupVerbs : public CliWorkspace {
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

// The tables are tested in core; here each verb passes its words on (the edges of the numbers
// it takes: 18/00 written 100, the largest score read as the top of the table; a damage type
// in any case, a severity however large) and prints the text as is.
// The cases are in a reviewed golden. Each save option reaches the lookup: the fighter table
// at level 1 reads 15 17 16 19 18 18, at level 20 2 4 3 2 9 5; the mage table at level 1
// 14 11 13 15 17 12.
TEST_F(LookupVerbs, PrintTheLookupTextAsIs) {
    ExpectGoldenCases("cli_lookups.txt", 0, [this](const std::string& args) { return Run(args); });
}

} // namespace
