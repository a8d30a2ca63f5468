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
        MakeBrenna();
    }
};

// Brenna's file, tests/golden/brenna_character.xml, first written out by hand (its derived
// values worked out in docs/testing.md).
TEST_F(CharacterFileWriterTest, SmallCharacterMatchesTheReviewedFile) {
    ExpectMatchesGolden("brenna_character.xml", Written());
}

// Sections and coins appear only when they hold something; without race or class records the
// saved race name stands and the derived values are zero.
TEST_F(CharacterFileWriterTest, SectionsAndCoinsOnlyWhenTheyHoldSomethingDerivedValuesOrZero) {
    current_character.race_item = nullptr;
    current_character.class_item = nullptr;
    current_character.race = "Gnome Titan";
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
    EXPECT_TRUE(Has(text, "<RACE>Gnome Titan</RACE>"));
    EXPECT_TRUE(Has(text, "<VALUE>\n0\n</VALUE>"));
    EXPECT_TRUE(Has(text, "<RACIAL_BONUS>\n</RACIAL_BONUS>\n"));
    EXPECT_TRUE(Has(text, "<RATE>\n0\n</RATE>"));
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

} // namespace
