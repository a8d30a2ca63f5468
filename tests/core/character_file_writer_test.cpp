// The character file's text: a small character against a file written out by hand, and the
// parts that appear only when the record holds something.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/files/character_file_writer.h"
#include "core/model/character.h"
#include "support/sample_character.h"
#include "support/workspace_fixture.h"

namespace {

class CharacterFileWriterTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        WriteSampleRulesData(workspace);
        CRace.LoadRace();
        CClass.LoadClass();
        MakeSampleCharacter();
    }

    static std::string Written() {
        std::ostringstream out;
        WriteCharacterFile(out);
        return out.str();
    }

    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    static int Count(const std::string& text, const std::string& part) {
        int count = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++count;
        }
        return count;
    }
};

// Brenna's file. The derived values come from the rules tables by hand: strength 12/30 is
// the 12/00 row (+0, +1, 59 lbs, press 140, doors 7, bars 5%, loads 60-74, 75-89, 90-118,
// 119-177); dexterity 14 -1/+1/+2; constitution 15 +2, 90%, 94%, 0, -45%; intelligence 13
// 3 languages, 6th, +55%, 9, none, +0%; wisdom 10 +0, none, +15%, No, +5%; charisma 11 4, 0,
// 0. Fighter saves at level 1: 15 paralyzation/poison/death, 17 rod/staff/wand, 16
// petrification/polymorph/frenzy/lust, 19 breath, 18 apology and spells. Moving 9: 9, 6.75,
// 4, 2, 1.
const char* const kBrennaFile = R"(<?xml version="1.0"?>
<FRAYMARK_CHARACTER>
<SOURCE>
<GAME>
<NAME>
<FULL>Fraymark</FULL>
<ABBR>FK</ABBR>
</NAME>
<COPYRIGHT>The Fraymark game, its rules &amp; tables: the Fraymark rights holders</COPYRIGHT>
</GAME>
<PROGRAM>
<NAME>
<FULL>Fraymark Character Generator</FULL>
<ABBR>Vexl</ABBR>
</NAME>
<VERSION>1.0</VERSION>
<COPYRIGHT>Orlund's Plainspun Fraymark Toolkit</COPYRIGHT>
<AUTHOR>The makers of Orlund's Plainspun Fraymark Toolkit</AUTHOR>
</PROGRAM>
</SOURCE>
<BIOGRAPHICAL_INFORMATION>
<CHARACTER_NAME>Brenna Ashford</CHARACTER_NAME>
<PLAYER_NAME></PLAYER_NAME>
<RACE>Human</RACE>
<CLASS_LONG_NAME>Fighter</CLASS_LONG_NAME>
<LEVEL>1</LEVEL>
<ALIGNMENT>Lawful-good</ALIGNMENT>
<SOCIAL_CLASS>Middle Middle Class</SOCIAL_CLASS>
<SOCIAL_ID>7</SOCIAL_ID>
<CHARACTER_HEIGHT>66</CHARACTER_HEIGHT>
<CHARACTER_WEIGHT UNIT="lbs.">140</CHARACTER_WEIGHT>
<SEX>Female</SEX>
<HANDEDNESS>Right</HANDEDNESS>
<AGE>19</AGE>
</BIOGRAPHICAL_INFORMATION>
<ATTRIBUTES>
<ABILITY_SCORE>
<NAME>
<FULL>Strength</FULL>
<ABBR>STR</ABBR>
</NAME>
<STRENGTH_BASE>12</STRENGTH_BASE>
<STRENGTH_PERC>30</STRENGTH_PERC>
<MODIFIER>
<TYPE>Hit Prob.</TYPE>
<VALUE>+0</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Dam Adj.</TYPE>
<VALUE>+1</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>WT. All.</TYPE>
<VALUE>59</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Max. Press</TYPE>
<VALUE>140</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Open Doors</TYPE>
<VALUE>7</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Bend Bars Lift Gates</TYPE>
<VALUE>5%</VALUE>
</MODIFIER>
</ABILITY_SCORE>
<ABILITY_SCORE>
<NAME>
<FULL>Dexterity</FULL>
<ABBR>DEX</ABBR>
</NAME>
<DEXTERITY_BASE>14</DEXTERITY_BASE>
<DEXTERITY_PERC>0</DEXTERITY_PERC>
<MODIFIER>
<TYPE>Defense Adj.</TYPE>
<VALUE>-1</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Reaction Adj.</TYPE>
<VALUE>+1</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Missile Adj.</TYPE>
<VALUE>+2</VALUE>
</MODIFIER>
</ABILITY_SCORE>
<ABILITY_SCORE>
<NAME>
<FULL>Constitution</FULL>
<ABBR>CON</ABBR>
</NAME>
<CONSTITUTION_BASE>15</CONSTITUTION_BASE>
<CONSTITUTION_PERC>0</CONSTITUTION_PERC>
<MODIFIER>
<TYPE>HP Adj.</TYPE>
<VALUE>+2</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>System Shock</TYPE>
<VALUE>90%</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Resurrect Survival</TYPE>
<VALUE>94%</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Poison Save</TYPE>
<VALUE>0</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Imm. to Dis./Alc.</TYPE>
<VALUE>-45%</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Regen./ Heal</TYPE>
<VALUE>Nil / 1 hp every day</VALUE>
</MODIFIER>
</ABILITY_SCORE>
<ABILITY_SCORE>
<NAME>
<FULL>Intelligence</FULL>
<ABBR>INT</ABBR>
</NAME>
<INTELLIGENCE_BASE>13</INTELLIGENCE_BASE>
<INTELLIGENCE_PERC>0</INTELLIGENCE_PERC>
<MODIFIER>
<TYPE># of Lang.</TYPE>
<VALUE>3</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Spell Lvl.</TYPE>
<VALUE>6th</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Learn Ability</TYPE>
<VALUE>+55%</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Max. # Spells/Lvl</TYPE>
<VALUE>9</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Illus. Imm.</TYPE>
<VALUE></VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Spell Mis.</TYPE>
<VALUE>+0%</VALUE>
</MODIFIER>
</ABILITY_SCORE>
<ABILITY_SCORE>
<NAME>
<FULL>Wisdom</FULL>
<ABBR>WIS</ABBR>
</NAME>
<WISDOM_BASE>10</WISDOM_BASE>
<WISDOM_PERC>0</WISDOM_PERC>
<MODIFIER>
<TYPE>Magical Def. Adj.</TYPE>
<VALUE>+0</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Bonus Spells</TYPE>
<VALUE></VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Spell Fail</TYPE>
<VALUE>+15%</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Spell Imm.</TYPE>
<VALUE>No</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Chance Imp. Skill</TYPE>
<VALUE>+5%</VALUE>
</MODIFIER>
</ABILITY_SCORE>
<ABILITY_SCORE>
<NAME>
<FULL>Charisma</FULL>
<ABBR>CHA</ABBR>
</NAME>
<CHARISMA_BASE>11</CHARISMA_BASE>
<CHARISMA_PERC>0</CHARISMA_PERC>
<MODIFIER>
<TYPE>Max. # Hench.</TYPE>
<VALUE>4</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>Loyalty Base</TYPE>
<VALUE>0</VALUE>
</MODIFIER>
<MODIFIER>
<TYPE>React. Adj.</TYPE>
<VALUE>0</VALUE>
</MODIFIER>
</ABILITY_SCORE>
<ABILITY_SCORE>
<NAME>
<FULL>Comeliness</FULL>
<ABBR>COM</ABBR>
</NAME>
<COMELINESS_BASE>12</COMELINESS_BASE>
<COMELINESS_PERC>5</COMELINESS_PERC>
</ABILITY_SCORE>
<ABILITY_SCORE>
<NAME>
<FULL>Honor</FULL>
<ABBR>HON</ABBR>
</NAME>
<HONOR_BASE>14</HONOR_BASE>
<MODIFIER>
<VALUE>Honor Text Goes Here</VALUE>
</MODIFIER>
</ABILITY_SCORE>
</ATTRIBUTES>
<HIT_POINTS>8</HIT_POINTS>
<CLASS_DATA>
<CLASS_NAME>Fighter</CLASS_NAME>
<CLASS_LEVEL>1</CLASS_LEVEL>
<CLASS_EXP>0</CLASS_EXP>
<CLASS_HITPOINTS_0>0</CLASS_HITPOINTS_0>
<CLASS_STR_GROW_0>0</CLASS_STR_GROW_0>
<CLASS_DEX_GROW_0>0</CLASS_DEX_GROW_0>
<CLASS_CON_GROW_0>0</CLASS_CON_GROW_0>
<CLASS_INT_GROW_0>0</CLASS_INT_GROW_0>
<CLASS_WIS_GROW_0>0</CLASS_WIS_GROW_0>
<CLASS_CHR_GROW_0>0</CLASS_CHR_GROW_0>
<CLASS_COM_GROW_0>0</CLASS_COM_GROW_0>
<CLASS_PICK_POCKETS_0>0</CLASS_PICK_POCKETS_0>
<CLASS_OPEN_LOCKS_0>0</CLASS_OPEN_LOCKS_0>
<CLASS_FIND_TRAPS_0>0</CLASS_FIND_TRAPS_0>
<CLASS_REMOVE_TRAPS_0>0</CLASS_REMOVE_TRAPS_0>
<CLASS_MOVE_SILENTLY_0>0</CLASS_MOVE_SILENTLY_0>
<CLASS_HIDE_IN_SHADOWS_0>0</CLASS_HIDE_IN_SHADOWS_0>
<CLASS_DETECT_NOISE_0>0</CLASS_DETECT_NOISE_0>
<CLASS_CLIMB_WALLS_0>0</CLASS_CLIMB_WALLS_0>
<CLASS_READ_LANGUAGES_0>0</CLASS_READ_LANGUAGES_0>
<CLASS_HITPOINTS_1>8</CLASS_HITPOINTS_1>
<CLASS_STR_GROW_1>2</CLASS_STR_GROW_1>
<CLASS_DEX_GROW_1>0</CLASS_DEX_GROW_1>
<CLASS_CON_GROW_1>0</CLASS_CON_GROW_1>
<CLASS_INT_GROW_1>0</CLASS_INT_GROW_1>
<CLASS_WIS_GROW_1>0</CLASS_WIS_GROW_1>
<CLASS_CHR_GROW_1>0</CLASS_CHR_GROW_1>
<CLASS_COM_GROW_1>0</CLASS_COM_GROW_1>
<CLASS_PICK_POCKETS_1>0</CLASS_PICK_POCKETS_1>
<CLASS_OPEN_LOCKS_1>0</CLASS_OPEN_LOCKS_1>
<CLASS_FIND_TRAPS_1>0</CLASS_FIND_TRAPS_1>
<CLASS_REMOVE_TRAPS_1>0</CLASS_REMOVE_TRAPS_1>
<CLASS_MOVE_SILENTLY_1>0</CLASS_MOVE_SILENTLY_1>
<CLASS_HIDE_IN_SHADOWS_1>0</CLASS_HIDE_IN_SHADOWS_1>
<CLASS_DETECT_NOISE_1>0</CLASS_DETECT_NOISE_1>
<CLASS_CLIMB_WALLS_1>0</CLASS_CLIMB_WALLS_1>
<CLASS_READ_LANGUAGES_1>0</CLASS_READ_LANGUAGES_1>
</CLASS_DATA>
<SAVING_THROWS>
<THROW>
<NAME>
<FULL>
Paralyzation
</FULL>
<ABBR>
Paralyz
</ABBR>
</NAME>
<VALUE>
15
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Poison
</FULL>
<ABBR>
Psn
</ABBR>
</NAME>
<VALUE>
15
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Death Magic
</FULL>
<ABBR>
Dth Mgc
</ABBR>
</NAME>
<VALUE>
15
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Petrification
</FULL>
<ABBR>
Petrif
</ABBR>
</NAME>
<VALUE>
16
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Polymorph
</FULL>
<ABBR>
Poly
</ABBR>
</NAME>
<VALUE>
16
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Rods
</FULL>
<ABBR>
Rod
</ABBR>
</NAME>
<VALUE>
17
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Staff
</FULL>
<ABBR>
Stf
</ABBR>
</NAME>
<VALUE>
17
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Wand
</FULL>
<ABBR>
Wnd
</ABBR>
</NAME>
<VALUE>
17
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
FrayFrenzy
</FULL>
<ABBR>
FrayFr
</ABBR>
</NAME>
<VALUE>
16
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
FrayLust
</FULL>
<ABBR>
FrayLu
</ABBR>
</NAME>
<VALUE>
16
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Breath Weapon
</FULL>
<ABBR>
Brt Wpn
</ABBR>
</NAME>
<VALUE>
19
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Apology
</FULL>
<ABBR>
Apgy
</ABBR>
</NAME>
<VALUE>
18
</VALUE>
</THROW>
<THROW>
<NAME>
<FULL>
Spells
</FULL>
<ABBR>
Spl
</ABBR>
</NAME>
<VALUE>
18
</VALUE>
</THROW>
</SAVING_THROWS>
<MOVEMENT_RATES>
<MOVE_CATEGORY>
<NAME>
<FULL>Unencumbered</FULL>
<ABBR>Unenc</ABBR>
</NAME>
<ENCUMBRANCE>
0 - 59
</ENCUMBRANCE>
<RATE>
9
</RATE>
</MOVE_CATEGORY>
<MOVE_CATEGORY>
<NAME>
<FULL>Light</FULL>
<ABBR>Lgt</ABBR>
</NAME>
<ENCUMBRANCE>
60 - 74
</ENCUMBRANCE>
<RATE>
6.75
</RATE>
</MOVE_CATEGORY>
<MOVE_CATEGORY>
<NAME>
<FULL>Moderate</FULL>
<ABBR>Mod</ABBR>
</NAME>
<ENCUMBRANCE>
75 - 89
</ENCUMBRANCE>
<RATE>
4
</RATE>
</MOVE_CATEGORY>
<MOVE_CATEGORY>
<NAME>
<FULL>Heavy</FULL>
<ABBR>Hvy</ABBR>
</NAME>
<ENCUMBRANCE>
90 - 118
</ENCUMBRANCE>
<RATE>
2
</RATE>
</MOVE_CATEGORY>
<MOVE_CATEGORY>
<NAME>
<FULL>Severe</FULL>
<ABBR>Svr</ABBR>
</NAME>
<ENCUMBRANCE>
119 - 177
</ENCUMBRANCE>
<RATE>
1
</RATE>
</MOVE_CATEGORY>
</MOVEMENT_RATES>
<RACIAL_ATTRIBUTES>
<RACIAL_BONUS>
Adaptable to any land
</RACIAL_BONUS>
<RACIAL_TALENT>
</RACIAL_TALENT>
<RACIAL_DOWNSIDE>
Short-lived
</RACIAL_DOWNSIDE>
</RACIAL_ATTRIBUTES>
<COINS>
<SILVERCOINS>5</SILVERCOINS>
</COINS>
<INHERITED_ITEMS>
<INHERITED_WEAPON>Long Sword &amp; Scabbard</INHERITED_WEAPON>
</INHERITED_ITEMS>
<EQUIPMENT_SECTION>
<EQUIPNAME>Starting Clothes</EQUIPNAME>
<EQUIPQTY>1</EQUIPQTY>
<EQUIPNAME>Rope</EQUIPNAME>
<EQUIPQTY>2</EQUIPQTY>
</EQUIPMENT_SECTION>
<QUIRKANDFLAW_SECTION>
<QUIRKNAME>Greedy</QUIRKNAME>
<QUIRKRATING>1</QUIRKRATING>
</QUIRKANDFLAW_SECTION>
<SKILL_SECTION>
<SKILLNAME>Climbing</SKILLNAME>
<SKILLRATING>45</SKILLRATING>
<SKILLNAME>Swimming</SKILLNAME>
<SKILLRATING>30</SKILLRATING>
</SKILL_SECTION>
<FAMILY_INFORMATION>
<FAMILY_HERITAGE>Farmers</FAMILY_HERITAGE>
<FATHER_STATUS>Alive</FATHER_STATUS>
<FATHER_QUALITY>Kind</FATHER_QUALITY>
<MOTHER_STATUS>Alive</MOTHER_STATUS>
<MOTHER_QUALITY>Stern</MOTHER_QUALITY>
<STEPPARENT></STEPPARENT>
<LEGITAMACY_OF_BIRTH>Legitimate</LEGITAMACY_OF_BIRTH>
<CIRCUMSTANCE_OF_BIRTH>Normal</CIRCUMSTANCE_OF_BIRTH>
<BIRTH_ORDER>Eldest</BIRTH_ORDER>
<SIBLINGS>1</SIBLINGS>
<SIBLING1>Brother, 15, a miller's apprentice</SIBLING1>
<SIBLING2></SIBLING2>
<SIBLING3></SIBLING3>
<SIBLING4></SIBLING4>
<SIBLING5></SIBLING5>
<SIBLING6></SIBLING6>
<SIBLING7></SIBLING7>
<SIBLING8></SIBLING8>
<SIBLING9></SIBLING9>
</FAMILY_INFORMATION>
</FRAYMARK_CHARACTER>
)";

TEST_F(CharacterFileWriterTest, SmallCharacterMatchesTheFileWrittenByHand) {
    const std::string written = Written();
    // Compare line by line first so a difference names its line.
    std::istringstream got(written), want(kBrennaFile);
    std::string got_line, want_line;
    for (int n = 1; std::getline(want, want_line); ++n) {
        ASSERT_TRUE(std::getline(got, got_line)) << "the file ends before line " << n;
        ASSERT_EQ(got_line, want_line) << "line " << n;
    }
    EXPECT_EQ(written, kBrennaFile);
}

TEST_F(CharacterFileWriterTest, SectionsAndCoinsAppearOnlyWhenTheyHoldSomething) {
    current_character.spells.AddTail(MakeItem<SpellDataItem>("Light", 2));
    current_character.silver = 0;
    current_character.gold = -3; // a debt-like negative is not written either
    current_character.copper = 12;
    const std::string text = Written();
    EXPECT_TRUE(Has(text, "<SPELL_SECTION>\n<SPELLNAME>Light</SPELLNAME>\n"
                          "<SPELLPAGES>2</SPELLPAGES>\n</SPELL_SECTION>\n"));
    EXPECT_TRUE(Has(text, "<COINS>\n<COPPERCOINS>12</COPPERCOINS>\n</COINS>\n"));
    EXPECT_FALSE(Has(text, "GOLDCOINS"));
    EXPECT_FALSE(Has(text, "<PROF_SECTION>"));
    EXPECT_FALSE(Has(text, "<TALENT_SECTION>"));
    EXPECT_FALSE(Has(text, "<BACKGROUND"));
}

TEST_F(CharacterFileWriterTest, BackgroundBlocksFollowTheClassAndWhatTheCharacterTook) {
    CharacterClass* fighter = current_character.class_item;
    ASSERT_NE(fighter, nullptr);
    current_character.camp_type = "Mountain Camp";
    current_character.accident_events = {"Fell off a wall", "Burned at the forge"};
    current_character.occupation_event = "Held a bridge";
    std::string text = Written();
    EXPECT_TRUE(Has(text, "<BACKGROUND TYPE=\"Fighter\">\n<TRAINING TYPE=\"Basic\">\n"
                          "<CAMP_TYPE>Mountain Camp</CAMP_TYPE>\n<CAMP_QUALITY></CAMP_QUALITY>\n"
                          "<CAMP_RESULTS></CAMP_RESULTS>\n"
                          "<ACCIDENT_EVENT TYPE=\"Accident\">Fell off a wall</ACCIDENT_EVENT>\n"
                          "<ACCIDENT_EVENT TYPE=\"Accident\">Burned at the forge</ACCIDENT_EVENT>\n"
                          "</TRAINING>\n<SPECIALTY_ASSIGNMENT></SPECIALTY_ASSIGNMENT>\n"
                          "<TRAINING TYPE=\"Advanced\">\n<AIT_QUALITY></AIT_QUALITY>\n</TRAINING>\n"
                          "<STATE_OF_HOSTILITIES></STATE_OF_HOSTILITIES>\n"
                          "<OCCUPYING_FORCE_ATTITUDE></OCCUPYING_FORCE_ATTITUDE>\n"
                          "<OCCUPATION_EVENT TYPE=\"During Occupation\">Held a bridge"
                          "</OCCUPATION_EVENT>\n<GUERILLA_EVENT TYPE=\"Quell Guerilla Movement\">"
                          "</GUERILLA_EVENT>\n</BACKGROUND>\n<COINS>"))
        << text;

    // A spell-caster background needs both a mage class and the supplement's obligation.
    current_character.school_location = "Far Tower";
    current_character.requires_hwg_class = true;
    EXPECT_FALSE(Has(Written(), "Magic-User"));
    fighter->mage = 1;
    text = Written();
    EXPECT_TRUE(Has(text, "<BACKGROUND TYPE=\"Magic-User\">\n"
                          "<SCHOOL_LOCATION>Far Tower</SCHOOL_LOCATION>\n"));
    EXPECT_LT(text.find("Magic-User"), text.find("TYPE=\"Fighter\""));

    current_character.vg_the_call = "A dream";
    fighter->cleric = 1;
    EXPECT_FALSE(Has(Written(), "Cleric"));
    current_character.requires_vg_class = true;
    EXPECT_TRUE(
        Has(Written(), "<BACKGROUND TYPE=\"Cleric\">\n<VG_THE_CALL>A dream</VG_THE_CALL>\n"));

    // A class outside the fighter group writes no fighter background, however it was rolled.
    fighter->fighter = 2;
    EXPECT_FALSE(Has(Written(), "TYPE=\"Fighter\""));
}

TEST_F(CharacterFileWriterTest, ClassHistoryLinesCoverLevelZeroToTheEntrysLevelWithinTheArrays) {
    struct Case {
        int level;
        int lines; // CLASS_HITPOINTS_ lines written
        const char* last;
    };
    const Case cases[] = {
        {0, 1, "<CLASS_HITPOINTS_0>"},
        {3, 4, "<CLASS_HITPOINTS_3>"},
        {99, 100, "<CLASS_HITPOINTS_99>"},
        {250, 100, "<CLASS_HITPOINTS_99>"}, // a level beyond the arrays stops at 99
        {-2, 0, nullptr},
    };
    for (const Case& c : cases) {
        ClassDataItem::pHead->level = c.level;
        const std::string text = Written();
        EXPECT_EQ(Count(text, "<CLASS_HITPOINTS_"), c.lines) << "level " << c.level;
        if (c.last) {
            EXPECT_TRUE(Has(text, c.last)) << "level " << c.level;
        }
        // Seventeen arrays a level, besides CLASS_LONG_NAME, CLASS_DATA, CLASS_NAME,
        // CLASS_LEVEL and CLASS_EXP.
        EXPECT_EQ(Count(text, "<CLASS_"), 5 + 17 * c.lines) << "level " << c.level;
    }
}

TEST_F(CharacterFileWriterTest, ExperienceIsTheShortestDecimalThatReadsBackExactly) {
    ClassDataItem::pHead->experience = 1500.5f;
    EXPECT_TRUE(Has(Written(), "<CLASS_EXP>1500.5</CLASS_EXP>"));
    ClassDataItem::pHead->experience = 1234567.0f; // six digits would make it 1234570
    EXPECT_TRUE(Has(Written(), "<CLASS_EXP>1234567</CLASS_EXP>"));
}

TEST_F(CharacterFileWriterTest, WithoutRaceOrClassTheSavedRaceNameStandsAndDerivedValuesAreZero) {
    current_character.race_item = nullptr;
    current_character.class_item = nullptr;
    current_character.race = "Gnome Titan";
    const std::string text = Written();
    EXPECT_TRUE(Has(text, "<RACE>Gnome Titan</RACE>"));
    EXPECT_TRUE(Has(text, "<VALUE>\n0\n</VALUE>"));
    EXPECT_TRUE(Has(text, "<RACIAL_BONUS>\n</RACIAL_BONUS>\n"));
    EXPECT_TRUE(Has(text, "<RATE>\n0\n</RATE>"));
}

} // namespace
