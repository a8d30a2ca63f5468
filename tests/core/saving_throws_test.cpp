#include "core/data/saving_throws.h"

#include <string>

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "support/golden.h"
#include "support/workspace_fixture.h"

namespace {

class SavingThrows : public WorkspaceTest {
protected:
    // Gives the current character a class and a race of these names and a constitution.
    void MakeCharacter(int saveas, const std::string& class_name, const std::string& race_name,
                       int constitution) {
        class_record.name = class_name;
        class_record.saveas = saveas;
        race_record.name = race_name;
        current_character.class_item = &class_record;
        current_character.race_item = &race_record;
        current_character.constitution_base = constitution;
    }

    CharacterClass class_record;
    CharacterRace race_record;
};

// Every save name at every level for each table, and for the classes and races that adjust
// the tables, against the reviewed golden tests/golden/saving_throws.txt. Levels outside 1 to
// 20 read the nearest row; a name holding two saves reads the one matched first.
TEST_F(SavingThrows, EverySaveMatchesTheReviewedGolden) {
    const struct {
        int saveas;
        const char* class_name;
        const char* race_name;
        int constitution;
    } characters[] = {
        {1, "Mage", "Human", 10},
        {2, "Fighter", "Human", 10},
        {3, "Thief", "Human", 10},
        {4, "Cleric", "Human", 10},
        {5, "Thrain", "Human", 10},
        {0, "Fighter", "Human", 10},
        {6, "Fighter", "Human", 10},
        {2, "Barbarian", "Human", 10},
        {2, "Fighter/Barbarian", "Human", 10},
        {2, "barbarian", "Human", 10},
        {2, "Paladin", "Human", 10},
        {2, "Paladin", "Dwarf", 25},
        {2, "Fighter", "Mountain Dwarf", 18},
        {2, "Fighter", "dwarf", 18},
        {2, "Barbarian", "Dwarf", 18},
    };
    const char* const names[] = {"Paralyzation",  "Rod",          "Petrification",
                                 "Breath Weapon", "Apology",      "Spell",
                                 "Poison",        "Death Magic",  "Staff",
                                 "Wand",          "Polymorph",    "FrayFrenzy",
                                 "FrayLust",      "Staff or Rod", "Breath Weapon, Paralyzation",
                                 "Spells",        "rod",          "Bogus"};
    std::string text = "== columns:";
    for (const char* name : names) {
        text += std::string(" [") + name + ']';
    }
    for (const auto& c : characters) {
        MakeCharacter(c.saveas, c.class_name, c.race_name, c.constitution);
        text += "\n== saveas " + std::to_string(c.saveas) + ' ' + c.class_name + ", " +
                c.race_name + ", Constitution " + std::to_string(c.constitution) + '\n';
        text += Bands(-1, 22, [&names](int level) {
            std::string row;
            for (const char* name : names) {
                row += (row.empty() ? "" : " ") + std::to_string(GetSave(name, level));
            }
            return row;
        });
    }
    text += "== Dwarf fighter's level 1 poison save by Constitution\n";
    text += Bands(0, 26, [this](int constitution) {
        MakeCharacter(2, "Fighter", "Dwarf", constitution);
        return std::to_string(GetSave("Poison", 1));
    });
    ExpectMatchesGolden("saving_throws.txt", text);
}

TEST_F(SavingThrows, NoClassNoSaveAndNoRaceNoDwarfAdjustment) {
    MakeCharacter(2, "Fighter", "", 25);
    current_character.race_item = nullptr;
    EXPECT_EQ(GetSave("Poison", 1), 15);
    current_character.class_item = nullptr;
    EXPECT_EQ(GetSave("Rod", 5), 0);
}

TEST(SaveTables, NamesOfSaves) {
    EXPECT_TRUE(NamesASave("Spells"));
    EXPECT_TRUE(NamesASave("FrayLust"));
    EXPECT_FALSE(NamesASave("Fray"));
    EXPECT_FALSE(NamesASave("breath weapon"));
}

} // namespace
