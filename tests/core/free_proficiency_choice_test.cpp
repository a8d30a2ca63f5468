#include <gtest/gtest.h>

#include "core/app/clear_all.h"
#include "core/data/item_data.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/wizard/fighter_background.h"
#include "core/wizard/free_proficiency_choice.h"
#include "step_fixture.h"
#include "support/prof_fixtures.h"

namespace {

class FreeProficiencyChoiceTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        WriteProfFile(workspace, "Long_sword", {.name = "Long sword"});
        WriteProfFile(workspace, "Dagger", {.name = "Dagger"});
        WriteProfFile(workspace, "Long_bow", {.name = "Long bow", .type = 2, .spcost = 2});
        WriteProfFile(workspace, "Javelin", {.name = "Javelin", .type = 3});
        WriteProfFile(workspace, "Pugilism", {.name = "Pugilism", .type = 4});
        WriteProfFile(workspace, "Khopesh", {.name = "Khopesh", .book = 2});
        WriteEmptyProfFile(workspace);
        CProfs.LoadProfs();
        Clear_All();
    }
};

// The core book is offered even before a new character switches it on.
TEST_F(FreeProficiencyChoiceTest, OffersMeleeWeaponsOfEnabledBooksInListOrder) {
    BooksToUse[kPlayersHandbook] = 0;
    const std::vector<std::string> melee = {"Dagger", "Long sword"};
    EXPECT_EQ(FreeProficiencyChoice(kMeleeWeaponKind).Entries(), melee);
    EXPECT_EQ(FreeProficiencyChoice(kMeleeWeaponLimitedKind).Entries(), melee);
    BooksToUse[kWarbrandsGuide] = 1;
    EXPECT_EQ(FreeProficiencyChoice(kMeleeWeaponKind).Entries(),
              (std::vector<std::string>{"Dagger", "Khopesh", "Long sword"}));
}

TEST_F(FreeProficiencyChoiceTest, TakingUsesAFreeSlotAndRatesByTheList) {
    current_character.free_proficiencies = 2;
    program_data.building_points = 3.0f;
    FreeProficiencyChoice full(kMeleeWeaponKind);
    FreeProficiencyChoice limited(kMeleeWeaponLimitedKind);
    EXPECT_TRUE(full.Take("Long sword"));
    EXPECT_TRUE(limited.Take("Dagger"));
    EXPECT_EQ(Listed(ProfDataItem::pHead.get()),
              (std::vector<std::string>{"Long sword=-1", "Dagger=1"}));
    EXPECT_EQ(current_character.free_proficiencies, 0);
    ExpectTranscriptMatchesGolden();
}

TEST_F(FreeProficiencyChoiceTest, RefusedChoicesChangeNothing) {
    FreeProficiencyChoice full(kMeleeWeaponKind);
    // No free slot.
    EXPECT_FALSE(full.Take("Dagger"));
    current_character.free_proficiencies = 3;
    EXPECT_TRUE(full.Take("Dagger"));
    const struct {
        const char* name;
        const char* why;
    } refused[] = {
        {"Dagger", "already held"},      {"Long bow", "not a melee weapon"},
        {"Khopesh", "book not enabled"}, {"Long", "not a whole name"},
        {"Halberd", "not in the list"},  {"", "the nameless record"},
    };
    for (const auto& r : refused) {
        EXPECT_FALSE(full.Take(r.name)) << r.why;
    }
    EXPECT_EQ(Listed(ProfDataItem::pHead.get()), std::vector<std::string>{"Dagger=-1"});
    EXPECT_EQ(current_character.free_proficiencies, 2);
    ExpectTranscriptMatchesGolden();
}

} // namespace
