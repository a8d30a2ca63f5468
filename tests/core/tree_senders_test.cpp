#include "core/tree/tree_senders.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "character_file_fixture.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "support/golden.h"
#include "support/rules_records.h"
#include "tree_recorder.h"

// The branches the senders hand to the tree, compared with reviewed goldens
// (tests/golden/tree_*.txt).
namespace {

CharacterClass* AddClass(const std::string& name, int bp, float min_strength = 3) {
    CharacterClass& record = AddRecord<CharacterClass>(name);
    record.bp = bp;
    record.minstr = min_strength;
    for (float* max : {&record.maxstr, &record.maxdex, &record.maxcon, &record.maxint,
                       &record.maxwis, &record.maxcha, &record.maxcom}) {
        *max = 25;
    }
    return &record;
}

// A wood elf of middling scores with three class entries in her level limits.
class TreeSenders : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        BooksToUse[kPlayersHandbook] = 1;
        CharacterRace& race = AddRecord<CharacterRace>("Wood Elf");
        race.sex = "Female";
        race.move = 6;
        race.levellimit = {"Fighter 9", "Thief Unlimited", "Fighter/Thief 9/15"};
        current_character.race_item = &race;
        for (int32_t* score : current_character.Scores()) {
            *score = 12;
        }
    }
    TreeRecorder tree;
};

// The abilities and the racial branches; without a race the racial branches are still sent,
// emptied.
TEST_F(TreeSenders, MessageToTreeSendsAbilitiesThenTheRacialBranches) {
    AddClass("Fighter", 5);
    AddClass("Wizard", 0);
    AddClass("Thief", -2);
    AddClass("Fighter/Thief", 0);

    messagetotree();
    current_character.race_item = nullptr;
    messagetotree();
    ExpectMatchesGolden("tree_abilities_and_race.txt", tree.Dump());
}

// Priors and particulars in their order with the sibling lines, quirks repeated as often as
// held with their page, then the owned items with their numbers.
TEST_F(TreeSenders, PriorsQuirksAndOwnedItems) {
    Character_Class& c = current_character;
    c.age = 19, c.character_height = 61, c.character_weight = 102, c.siblings = 2;
    c.social_class = "Lower Middle Class";
    c.legitimacy_of_birth = "Legitimate";
    c.handedness = "Left";
    c.circumstance_of_birth = "Born at home";
    c.mother_status = "Alive";
    c.father_status = "Dead";
    c.mother_quality = "Loving";
    c.father_quality = "Stern";
    c.family_heritage = "Millers";
    c.birth_order = "First born";
    SetSiblingLine(0, "Brother, 17");
    SetSiblingLine(1, "Sister, 15");
    QuirkDataItem::AddTail(MakeItem<QuirkDataItem>("Missing Finger", 3));
    QuirkDataItem::AddTail(MakeItem<QuirkDataItem>("Albino", 1));
    QuirkDataItem::AddTail(MakeItem<QuirkDataItem>("Fear of Soup", 0));
    SkillDataItem::AddTail(MakeItem<SkillDataItem>("Riding", 32));
    TalentDataItem::AddTail(MakeItem<TalentDataItem>("Keen Sight", 2));
    ProfDataItem::AddTail(MakeItem<ProfDataItem>("Long sword", 2));
    ProfDataItem::AddTail(MakeItem<ProfDataItem>("Dagger", 1));
    ProfDataItem::AddTail(MakeItem<ProfDataItem>("Club", 3));
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("Torch", 6));

    messagePPtotree();
    sendquirkflawtotree();
    sendskillstotree();
    sendtalentstotree();
    sendprofstotree();
    sendequiptotree();
    ExpectMatchesGolden("tree_priors_quirks_items.txt", tree.Dump());
}

// The class data with the thief skills beneath, and only the backgrounds the character has.
TEST_F(TreeSenders, Step8SendsClassDataThiefSkillsAndTheBackgroundsHeld) {
    AddClass("Fighter", 0);
    AddClass("Thief", 0)->thief = 1;
    AddClass("Fighter/Thief", 0);
    Character_Class& c = current_character;
    c.hit_points = 9;
    c.level = 1;
    ClassDataItem::AddTail(MakeClassEntry("Fighter"));
    auto thief = MakeClassEntry("Thief");
    thief->pick_pockets[0] = 20, thief->pick_pockets[1] = 10;
    thief->climb_walls[0] = 60;
    thief->read_languages[1] = -5;
    ClassDataItem::AddTail(std::move(thief));
    c.camp_type = "Mountain camp";
    c.camp_quality = "Harsh";
    c.accident_events = {"Broke an arm", "Lost a tooth"};
    c.war_events = {"Held the bridge"};
    c.noncombat_events = {"Guarded a mine", "Built a wall"};
    c.vg_the_call = "A dream";
    c.vg_final_results = "Ordained";
    SpellDataItem::AddTail(MakeItem<SpellDataItem>("Light", 1));

    messagetotreeStep8();
    ExpectMatchesGolden("tree_step8.txt", tree.Dump());
}

} // namespace
