// The reader's rules on small data files written into the test's own workspace.
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/data/data_dump.h"
#include "core/data/data_reader.h"
#include "core/data/rules_lists.h"
#include "support/golden.h"
#include "support/workspace_fixture.h"

namespace {

using namespace std::string_literals;

class DataReaderTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        ClearAllRulesLists();
    }
    void TearDown() override {
        ClearAllRulesLists();
        WorkspaceTest::TearDown();
    }

    // A record file: `body` between the record's tags.
    void Record(const std::string& path, const std::string& tag, const std::string& body) {
        WriteFile(path, "<" + tag + ">\n" + body + "</" + tag + ">\n");
    }
    void Named(const std::string& path, const std::string& tag, const std::string& name) {
        Record(path, tag, "<NAME>" + name + "</NAME>\n");
    }

    template <typename R> std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const R* r = R::pHead.get(); r; r = r->next.get()) {
            names.push_back(r->name);
        }
        return names;
    }
};

// Records of every kind but the classes, as the data dump shows them, against the reviewed
// tests/golden/data_records.txt: what each line below gives is said beside it.
TEST_F(DataReaderTest, RecordsAreReadAsTheirLinesSay) {
    Record("Skills/Climbing_Skill.qdf", "CHARACTER_SKILL",
           "        <BOOK>3</BOOK>\n"                         // indentation is harmless
           "<PAGE>&lt;12&gt; </PAGE> <!-- old printing -->\n" // as written, comment after
           "\n"
           "<CHARACTER_SKILL>\n" // a lone opening tag is no element
           "<NAME>Climb</NAME>\n"
           "<NAME>ing</NAME>\n" // running text is joined
           "<DIFFICULTY>2</DIFFICULTY>\n"
           "<DIFFICULTY>99999999999</DIFFICULTY>\n"             // a later element wins, saturated
           "<MASTERY_ABILITIES>  STR/DEX</MASTERY_ABILITIES>\n" // leading blanks are kept
           "<CATEGORY>7 <!-- Artisan --></CATEGORY>\n"          // value ends at the first "</"
           "NAME>Rope</NAME>\n"                                 // no "<": the tag does not match
           "<COURSE_COST>6</COURSE_COST>\n<EP_ADJ>4</EP_ADJ>\n" // one field, two tags
           "<COURSE_PREREQS>Rope Use</COURSE_PREREQS>\n<COURSE_PREREQS>Balance</COURSE_PREREQS>\n"
           "<NUM_OF_COURSE_DIE>2</NUM_OF_COURSE_DIE>\n<COURSE_DIE>6</COURSE_DIE>\n"
           "<EXTEND></EXTEND>\n");
    // Lines are read in pieces of 255: an element or a tag cut apart is lost, an element
    // whole in the second piece is read.
    Record("Skills/Long_Skill.qdf", "CHARACTER_SKILL",
           "<NAME>" + std::string(300, 'x') + "</NAME>\n" + std::string(250, ' ') +
               "<BOOK>5</BOOK>\n" + std::string(255, '#') + "<PAGE>9</PAGE>\n" +
               "<DIFFICULTY>3</DIFFICULTY>\n");
    // A START_CATEGORY starts the categories afresh; the last coin named gives the cost.
    Record("Equipment/Rope_Equipment.qdf", "CHARACTER_EQUIP",
           "<NAME>Rope</NAME>\n<COST_IN_SILVER>5</COST_IN_SILVER>\n<CATEGORY>Weapons</CATEGORY>\n"
           "<CATEGORY>Armor</CATEGORY>\n<START_CATEGORY></START_CATEGORY>\n"
           "<CATEGORY>Gear</CATEGORY>\n<WEIGHT>7.5</WEIGHT>\n<COMBINE></COMBINE>\n");
    Record(
        "Equipment/Sword_Equipment.qdf", "CHARACTER_EQUIP",
        "<NAME>Sword</NAME>\n<COST_IN_SILVER>5</COST_IN_SILVER>\n<COST_IN_GOLD>1</COST_IN_GOLD>\n");
    // A talent may be taken once unless it says otherwise.
    Named("Talents/Keen_Eye_Talent.qdf", "CHARACTER_TALENT", "Keen Eye");
    Record("Talents/Tough_Talent.qdf", "CHARACTER_TALENT", "<NAME>Tough</NAME>\n<MAX>3</MAX>\n");
    // A spell's duration is running text, its area of effect plain text that a later element
    // replaces.
    Record("Spells/Glow_Spell.qdf", "CHARACTER_SPELL",
           "<NAME>Glow</NAME>\n<DURATION>1 turn </DURATION>\n<DURATION>per level</DURATION>\n"
           "<AREA_OF_EFFECT>one</AREA_OF_EFFECT>\n<AREA_OF_EFFECT>two</AREA_OF_EFFECT>\n"
           "<LEVEL>2</LEVEL>\n");
    // Huge numbers saturate, a word reads as 0, each list entry is counted.
    Record("Races/Giant_Male_Race.qdf", "CHARACTER_RACE",
           "<NAME>Giant</NAME>\n<BASEWEIGHT>99999999999999999999</BASEWEIGHT>\n"
           "<BASEHEIGHT>-99999999999</BASEHEIGHT>\n<MOVE>twelve</MOVE>\n"
           "<LEVELLIMIT>Fighter</LEVELLIMIT>\n<TALENT>Strong</TALENT>\n<TALENT>Tall</TALENT>\n");
    // A record ends at its closing tag's line, which is not read as an element, or at the end
    // of the file; a file named like a record but empty still gives an empty record.
    WriteFile("Proficiencies/Axe_Prof.qdf", "<CHARACTER_PROF>\n<NAME>Axe</NAME>\n"
                                            "<TYPE>1</TYPE></CHARACTER_PROF>\n<BOOK>4</BOOK>\n");
    WriteFile("Proficiencies/Bow_Prof.qdf", "<CHARACTER_PROF>\n<NAME>Bow</NAME>\n<BOOK>2</BOOK>\n");
    WriteFile("Proficiencies/Club_Prof.qdf", "");
    std::ostringstream dump;
    for (const RulesKind kind :
         {RulesKind::kSkills, RulesKind::kEquipment, RulesKind::kTalents, RulesKind::kSpells,
          RulesKind::kRaces, RulesKind::kProficiencies}) {
        DumpRulesList(kind, dump);
    }
    ExpectMatchesGolden("data_records.txt", dump.str());

    // A file that cannot be opened leaves the record alone.
    CharacterProf record;
    record.name = "kept";
    CProfs.ParseProfXML(workspace / "Proficiencies/Nowhere_Prof.qdf", &record);
    EXPECT_EQ(record.name, "kept");
    CProfs.ParseProfXML(workspace / "Proficiencies/Nowhere_Prof.qdf", nullptr); // no crash
}

TEST_F(DataReaderTest, ClassTagOrderKeepsLookAlikeTagsApart) {
    Record("Classes/RogueClass.qdf", "CHARACTER_CLASS",
           "<NAME>Rogue</NAME>\n<THIEFPOINTS_1>60</THIEFPOINTS_1>\n"
           "<THIEFSKILLS>Climb Walls, </THIEFSKILLS>\n<THIEFSKILLS>Pick Pockets</THIEFSKILLS>\n"
           "<HITDIE_2>8</HITDIE_2>\n<HITDIEROLL_2>3</HITDIEROLL_2>\n"
           "<AGEDIE_>6</AGEDIE_>\n<AGEDIEROLLS>2</AGEDIEROLLS>\n"
           "<XPTABLE_2>2500</XPTABLE_2>\n<XPTABLE_12>450000</XPTABLE_12>\n<XPTABLE>7</XPTABLE>\n"
           "<XPTABLE_-1>11</XPTABLE_-1>\n<XPTABLE_100>12</XPTABLE_100>\n"
           "<CONMULTIPLIER_99>5</CONMULTIPLIER_99>\n<MINSTR>18.51</MINSTR>\n"
           "<SAVEVARIANCE>2</SAVEVARIANCE>\n<SAVEAS>4</SAVEAS>\n"
           "<ALIGNMENT>Chaotic-neutral</ALIGNMENT>\n<ALIGNMENT>Neutral</ALIGNMENT>\n");
    Record("Classes/CutpurseClass.qdf", "CHARACTER_CLASS",
           "<NAME>Cutpurse</NAME>\n<THIEF>1</THIEF>\n");
    CClass.LoadClass();
    ASSERT_EQ(CharacterClass::Count(), 2u);
    const CharacterClass& c = *CharacterClass::pHead->next;
    // THIEFPOINTS and THIEFSKILLS leave the thief group alone; XPTABLE without a level is
    // level 0; levels -1 and 100 are ignored and spill nowhere.
    const int32_t read[] = {c.thiefpoints[1], c.thief,       c.hitdie[2],         c.hitdieroll[2],
                            c.agedie,         c.agedierolls, c.xptable[0],        c.xptable[2],
                            c.xptable[12],    c.xptable[99], c.conmultiplier[99], c.saveas,
                            c.savevariance};
    EXPECT_EQ(std::vector<int32_t>(std::begin(read), std::end(read)),
              (std::vector<int32_t>{60, 0, 8, 3, 6, 2, 7, 2500, 450000, 0, 5, 4, 2}));
    EXPECT_EQ(c.thiefskills, "Climb Walls, Pick Pockets");
    EXPECT_EQ(c.minstr, 18.51f);
    EXPECT_EQ(c.alignment, (std::vector<std::string>{"Chaotic-neutral", "Neutral"}));
    // The thief group's own tag, and the defaults of what a class leaves out.
    const CharacterClass& d = *CharacterClass::pHead;
    const int32_t defaults[] = {d.thief,       d.thiefpoints[1], d.agedie,
                                d.agedierolls, d.specialize,     d.wisdie};
    EXPECT_EQ(std::vector<int32_t>(std::begin(defaults), std::end(defaults)),
              (std::vector<int32_t>{1, 0, 8, 1, 999, 0}));
}

TEST_F(DataReaderTest, ListingIgnoresLetterCaseFoldsToUpperCaseAndSkipsWhatIsNoRecordFile) {
    Named("Skills/b_Skill.qdf", "CHARACTER_SKILL", "N");
    WriteFile("Skills/b_Skill.qdf", ReadFile("Skills/b_Skill.qdf") + "<NAME>b</NAME>\n");
    Named("Skills/A_Skill.qdf", "CHARACTER_SKILL", "A");
    Named("Skills/c_skill.QDF", "CHARACTER_SKILL", "c");
    Named("Skills/Notes.txt", "CHARACTER_SKILL", "x");
    Named("Skills/Old_Skill.qdf.bak", "CHARACTER_SKILL", "x");
    WriteFile("Skills/Folder_Skill.qdf/inner.txt", ""); // a directory named like a record
    WriteFile("Skills/empty.qdf", "");
    CSkill.LoadSkill();
    EXPECT_EQ(Names<CharacterSkill>(), (std::vector<std::string>{"A", "N", "c", ""}));
    // "_" lies between the upper and lower case letters: folded to upper case, "ClericClass"
    // comes before "Cleric_WizardClass"; folded to lower case it would come after.
    for (const std::string name : {"Cleric_Wizard", "Cleric", "cleric_fighter", "Druid"}) {
        Named("Classes/" + name + "Class.qdf", "CHARACTER_CLASS", name);
    }
    Record("Classes/empty.qdf", "CHARACTER_CLASS", ""); // only three lists end with it
    CClass.LoadClass();
    EXPECT_EQ(Names<CharacterClass>(),
              (std::vector<std::string>{"Cleric", "cleric_fighter", "Cleric_Wizard", "Druid"}));
}

TEST_F(DataReaderTest, MissingDirectoriesLoadNothingAndNeverTheWorkspaceRoot) {
    // Record files lying in the workspace root itself must not be taken for a missing
    // directory's contents.
    Named("Stray_Skill.qdf", "CHARACTER_SKILL", "Stray");
    Named("StrayClass.qdf", "CHARACTER_CLASS", "Stray");
    Named("empty.qdf", "CHARACTER_SKILL", "Stray");
    LoadAllRulesLists();
    LoadAllRulesLists(); // a second load replaces the lists rather than adding to them
    EXPECT_EQ(CharacterRace::Count() + CharacterClass::Count() + CharacterSpell::Count() +
                  CharacterEquip::Count(),
              0u);
    // The three lists that end with the "empty.qdf" record still get an empty one.
    EXPECT_EQ(Names<CharacterSkill>(), std::vector<std::string>{""});
    EXPECT_EQ(Names<CharacterTalent>(), std::vector<std::string>{""});
    EXPECT_EQ(Names<CharacterProf>(), std::vector<std::string>{""});
    EXPECT_EQ(CharacterTalent::pHead->max, 1);
}

TEST_F(DataReaderTest, BinaryGarbageLoadsWithoutHarm) {
    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage.push_back(static_cast<char>(state >> 16));
    }
    garbage += "\n<NAME>x\0y</NAME>\n"s;
    WriteFile("Skills/Noise_Skill.qdf", garbage);
    WriteFile("Skills/Zero_Skill.qdf", std::string(600, '\0'));
    CSkill.LoadSkill();
    EXPECT_EQ(CharacterSkill::Count(), 3u);
}

} // namespace
