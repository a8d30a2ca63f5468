// fraymark data dump / data check on small fixture workspaces.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

namespace fs = std::filesystem;

class DataVerbsTest : public CliWorkspace {
protected:
    // A small sound data set.
    void WriteSoundSet() const {
        Write("Races/Dwarf_Female_Race.qdf",
              "<CHARACTER_RACE>\n<NAME>Dwarf</NAME>\n<SEX>Female</SEX>\n"
              "<LEVELLIMIT>Fighter 15</LEVELLIMIT>\n</CHARACTER_RACE>\n");
        Write("Classes/FighterClass.qdf",
              "<CHARACTER_CLASS>\n<NAME>Fighter</NAME>\n<XPTABLE_2>2000</XPTABLE_2>\n"
              "<XPTABLE_99>7</XPTABLE_99>\n<MINSTR>18.51</MINSTR>\n"
              "<ALIGNMENT>Lawful-good</ALIGNMENT>\n</CHARACTER_CLASS>\n");
        Write("Skills/Rope_Use_Skill.qdf",
              "<CHARACTER_SKILL>\n<NAME>Rope Use</NAME>\n<BOOK>0</BOOK>\n</CHARACTER_SKILL>\n");
        Write(
            "Skills/Climbing_Skill.qdf",
            "<CHARACTER_SKILL>\n<NAME>Climbing</NAME>\n<COURSE_PREREQS>Rope Use</COURSE_PREREQS>\n"
            "<EXTEND></EXTEND>\n</CHARACTER_SKILL>\n");
        Write("Skills/empty.qdf", "<CHARACTER_SKILL>\n</CHARACTER_SKILL>\n");
        Write("Talents/empty.qdf", "<CHARACTER_TALENT>\n</CHARACTER_TALENT>\n");
        Write("Proficiencies/empty.qdf", "<CHARACTER_PROF>\n</CHARACTER_PROF>\n");
        fs::create_directories(dir / "Spells");
        Write("Equipment/Categories_Equipment.qdf",
              "<CHARACTER_EQUIP>\n<NAME>Categories</NAME>\n<CATEGORY>Gear</CATEGORY>\n"
              "</CHARACTER_EQUIP>\n");
        Write("Equipment/Rope_Equipment.qdf",
              "<CHARACTER_EQUIP>\n<NAME>Rope</NAME>\n<TABLEID>1</TABLEID>\n"
              "<COST_IN_SILVER>4</COST_IN_SILVER>\n<WEIGHT>0.1</WEIGHT>\n</CHARACTER_EQUIP>\n");
    }
};

// One object a record in list order (the skills' empty.qdf record last), level arrays in
// full, numbers as stored and text escaped into valid JSON; a kind without its directory
// prints nothing.
TEST_F(DataVerbsTest, DumpPrintsOneObjectPerRecordInListOrder) {
    WriteSoundSet();
    Write("Spells/Odd_Spell.qdf", "<CHARACTER_SPELL>\n<NAME>Say \"hi\" \\ \there\xff</NAME>\n"
                                  "<RANGE>caf\xc3\xa9</RANGE>\n</CHARACTER_SPELL>\n");
    fs::remove_all(dir / "Races");
    std::string dumps;
    for (const char* kind : {"Skills", "Classes", "Equipment", "Spells", "Talents", "Races"}) {
        const CliResult r = RunFraymark(std::string("data dump ") + kind + " " + Dir());
        EXPECT_EQ(r.exit_code, 0) << kind << ": " << r.err;
        EXPECT_EQ(r.err, "") << kind;
        dumps += kind + std::string(":\n") + r.out;
    }
    ExpectMatchesGolden("cli_data_dump.txt", dumps);
}

// Warnings alone pass the check, errors fail it; --dir names the data, the current directory
// is the default. The reports are in a reviewed golden.
TEST_F(DataVerbsTest, CheckPassesOnWarningsAndFailsOnErrors) {
    WriteSoundSet();
    std::string reports;
    const auto check = [&](const std::string& what, const CliResult& r, int exit_code) {
        EXPECT_EQ(r.exit_code, exit_code) << what;
        reports += what + ":\n" + r.out;
    };
    check("sound, by --dir", RunFraymark("data check " + Dir()), 0);
    const std::string swim = "<CHARACTER_SKILL>\n<NAME>Swim</NAME>\n<FINS>2</FINS>\n";
    Write("Skills/Swim_Skill.qdf", swim + "</CHARACTER_SKILL>\n");
    check("an unknown tag", Run("data check"), 0);
    Write("Skills/Swim_Skill.qdf", swim);
    check("and a record left open", Run("data check"), 1);
    fs::remove(dir / "Skills/Swim_Skill.qdf");
    fs::remove(dir / "Talents/empty.qdf");
    check("no empty record", Run("data check"), 1);
    ExpectMatchesGolden("cli_data_check.txt", reports);
}

} // namespace
