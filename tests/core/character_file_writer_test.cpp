// The character file's text: a small character against a reviewed file, and the parts that
// appear only when the record holds something.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/files/character_file_writer.h"
#include "core/model/character.h"
#include "support/golden.h"
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

// Brenna's file, tests/golden/brenna_character.xml, first written out by hand. The derived
// values come from the rules tables by hand: strength 12/30 is the 12/00 row (+0, +1, 59 lbs,
// press 140, doors 7, bars 5%, loads 60-74, 75-89, 90-118, 119-177); dexterity 14 -1/+1/+2;
// constitution 15 +2, 90%, 94%, 0, -45%; intelligence 13 3 languages, 6th, +55%, 9, none, +0%;
// wisdom 10 +0, none, +15%, No, +5%; charisma 11 4, 0, 0. Fighter saves at level 1: 15
// paralyzation/poison/death, 17 rod/staff/wand, 16 petrification/polymorph/frenzy/lust, 19
// breath, 18 apology and spells. Moving 9: 9, 6.75, 4, 2, 1.
TEST_F(CharacterFileWriterTest, SmallCharacterMatchesTheReviewedFile) {
    ExpectMatchesGolden("brenna_character.xml", Written());
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
