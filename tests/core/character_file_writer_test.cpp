// The character file's text: a small character against a reviewed file, and the parts that
// appear only when the record holds something.
#include <string>

#include <gtest/gtest.h>

#include "character_file_fixture.h"
#include "support/golden.h"

namespace {

class CharacterFileWriterTest : public CharacterFileTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        WriteSampleRulesData(workspace);
        CRace.LoadRace();
        CClass.LoadClass();
        MakeSampleCharacter();
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
    EXPECT_FALSE(Has(text, "<BACKGROUND"));
}

// A background is written when the class belongs to its group and the character took it: the
// spell-casters' when the supplement obliged it, the fighter's also when it was rolled.
TEST_F(CharacterFileWriterTest, BackgroundBlocksFollowTheClassAndWhatTheCharacterTook) {
    Character_Class& c = current_character;
    CharacterClass& cls = *c.class_item;
    c.camp_type = "Mountain Camp";
    c.accident_events = {"Fell off a wall", "Burned at the forge"};
    c.war_events = {"Siege of the ford"};
    c.occupation_event = "Held a bridge";
    c.noncombat_events = {"Road patrol"};
    c.school_location = "Far Tower";
    c.vg_the_call = "A dream";
    const struct {
        int mage, fighter, cleric;
        bool obliged;
        const char* blocks;
    } cases[] = {
        {0, 1, 0, true, "Fighter "},
        {1, 1, 1, false, "Fighter "},
        {2, 1, 1, true, "Magic-User Fighter Cleric "},
        {1, 2, 1, true, "Magic-User Cleric "}, // a fighter value other than 1 is no fighter
    };
    for (const auto& k : cases) {
        cls.mage = k.mage, cls.fighter = k.fighter, cls.cleric = k.cleric;
        c.requires_hwg_class = c.requires_vg_class = k.obliged;
        const std::string text = Written();
        std::string blocks;
        const std::string open = "<BACKGROUND TYPE=\"";
        for (auto at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
            blocks +=
                text.substr(at + open.size(), text.find('"', at + open.size()) - at - open.size()) +
                ' ';
        }
        EXPECT_EQ(blocks, k.blocks) << k.mage << k.fighter << k.cleric << k.obliged;
    }
    // The three blocks as the file carries them (reviewed).
    cls.mage = cls.fighter = cls.cleric = 1;
    const std::string text = Written();
    const auto start = text.find("<BACKGROUND");
    ExpectMatchesGolden("character_backgrounds.xml",
                        text.substr(start, text.find("<COINS>") - start));
}

TEST_F(CharacterFileWriterTest, ClassHistoryLinesCoverLevelZeroToTheEntrysLevelWithinTheArrays) {
    const struct {
        int level;
        int lines; // CLASS_HITPOINTS_ lines written
        const char* last;
    } cases[] = {
        {0, 1, "<CLASS_HITPOINTS_0>"},
        {3, 4, "<CLASS_HITPOINTS_3>"},
        {99, 100, "<CLASS_HITPOINTS_99>"},
        {250, 100, "<CLASS_HITPOINTS_99>"}, // a level beyond the arrays stops at 99
        {-2, 0, "<CLASS_DATA>"},
    };
    for (const auto& k : cases) {
        ClassDataItem::pHead->level = k.level;
        const std::string text = Written();
        EXPECT_EQ(Count(text, "<CLASS_HITPOINTS_"), k.lines) << "level " << k.level;
        EXPECT_TRUE(Has(text, k.last)) << "level " << k.level;
        // Seventeen arrays a level, besides CLASS_LONG_NAME, CLASS_DATA, CLASS_NAME,
        // CLASS_LEVEL and CLASS_EXP.
        EXPECT_EQ(Count(text, "<CLASS_"), 5 + 17 * k.lines) << "level " << k.level;
    }
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
