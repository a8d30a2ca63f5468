#include "core/tree/tree_senders.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "support/workspace_fixture.h"
#include "tree_recorder.h"

namespace {

CharacterClass* AddClass(const std::string& name, int bp, float min_strength = 3) {
    auto record = std::make_unique<CharacterClass>();
    record->name = name;
    record->bp = bp;
    record->minstr = min_strength;
    for (float* max : {&record->maxstr, &record->maxdex, &record->maxcon, &record->maxint,
                       &record->maxwis, &record->maxcha, &record->maxcom}) {
        *max = 25;
    }
    CharacterClass* added = record.get();
    CharacterClass::AddTail(std::move(record));
    return added;
}

// A wood elf of middling scores with three class entries in her level limits.
class TreeSenders : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        BooksToUse[kPlayersHandbook] = 1;
        auto race = std::make_unique<CharacterRace>();
        race->name = "Wood Elf";
        race->sex = "Female";
        race->move = 6;
        race->levellimit = {"Fighter 9", "Thief Unlimited", "Fighter/Thief 9/15"};
        current_character.race_item = race.get();
        CharacterRace::AddTail(std::move(race));
        for (int32_t* score : current_character.Scores()) {
            *score = 12;
        }
    }
    TreeRecorder tree;
};

TEST_F(TreeSenders, MessageToTreeSendsAbilitiesThenTheRacialBranches) {
    AddClass("Fighter", 5);
    AddClass("Wizard", 0);
    AddClass("Thief", -2);
    AddClass("Fighter/Thief", 0);

    messagetotree();

    EXPECT_EQ(tree.Names(), (Texts{"Ability Scores", "Strength", "Dexterity", "Constitution",
                                   "Intelligence", "Wisdom", "Charisma", "Racial Data", "Movement",
                                   "Classes Available", "Level Limit"}));
    const auto racial = tree.Last("Racial Data");
    EXPECT_EQ(racial.keys, (Texts{"Race", "Movement", "Classes Available"}));
    EXPECT_EQ(racial.values, (Texts{"Wood Elf, Female", "6", "3"}));
    const auto movement = tree.Last("Movement");
    EXPECT_EQ(movement.keys, (Texts{"Unencumbered", "Light", "Moderate", "Heavy Laden", "Severe"}));
    EXPECT_EQ(movement.values, (Texts{"6", "4.5", "3", "1", "1"}));
    const auto classes = tree.Last("Classes Available");
    EXPECT_EQ(classes.keys, (Texts{"Fighter", "Thief", "Fighter/Thief"}));
    EXPECT_EQ(classes.values, (Texts{"+5 BP", "-2 BP", "+0 BP"}));
    const auto limits = tree.Last("Level Limit");
    EXPECT_EQ(limits.keys, (Texts{"Fighter", "Thief", "Fighter/Thief"}));
    EXPECT_EQ(limits.values, (Texts{"9.00", "Unlimited", "9/15"}));
}

TEST_F(TreeSenders, WithoutARaceTheRacialBranchesAreEmptied) {
    current_character.race_item = nullptr;
    messagetotree();
    EXPECT_EQ(tree.sent.size(), 9u);
    EXPECT_TRUE(tree.Last("Racial Data").keys.empty());
    EXPECT_TRUE(tree.Last("Level Limit").keys.empty());
}

TEST_F(TreeSenders, PriorsAndParticularsInTheirOrderWithTheSiblingLines) {
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

    messagePPtotree();

    ASSERT_EQ(tree.sent.size(), 1u);
    const auto& branch = tree.sent[0];
    EXPECT_EQ(branch.name, "Prior and Particulars");
    EXPECT_EQ(branch.keys, (Texts{"Age",
                                  "Height",
                                  "Weight",
                                  "Siblings",
                                  "Social_Class",
                                  "Legitamacy_of_Birth",
                                  "Handeness",
                                  "Birth_Circumstance",
                                  "Mother",
                                  "Father",
                                  "Mother Quality",
                                  "Father Quality",
                                  "Step_Parent",
                                  "Heritage",
                                  "Birth_Order",
                                  "Sibling 1",
                                  "Sibling 2",
                                  "Sibling 3",
                                  "Sibling 4",
                                  "Sibling 5",
                                  "Sibling 6",
                                  "Sibling 7",
                                  "Sibling 8",
                                  "Sibling 9"}));
    EXPECT_EQ(branch.values, (Texts{"19 years",
                                    "61 inches",
                                    "102 lbs",
                                    "2",
                                    "Lower Middle Class",
                                    "Legitimate",
                                    "Left",
                                    "Born at home",
                                    "Alive",
                                    "Dead",
                                    "Loving",
                                    "Stern",
                                    "",
                                    "Millers",
                                    "First born",
                                    "Brother, 17",
                                    "Sister, 15",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    ""}));
}

TEST_F(TreeSenders, QuirksRepeatAsOftenAsHeldWithTheirPage) {
    QuirkDataItem::AddTail(MakeItem<QuirkDataItem>("Missing Finger", 3));
    QuirkDataItem::AddTail(MakeItem<QuirkDataItem>("Albino", 1));
    QuirkDataItem::AddTail(MakeItem<QuirkDataItem>("Fear of Soup", 0));

    sendquirkflawtotree();

    const auto quirks = tree.Last("Quirks and Flaws");
    EXPECT_EQ(quirks.keys, (Texts{"Missing Finger", "Missing Finger", "Missing Finger", "Albino",
                                  "Fear of Soup"}));
    EXPECT_EQ(quirks.values,
              (Texts{"PHB pg 94", "PHB pg 94", "PHB pg 94", "PHB pg 92", "Quirk/Flaw"}));
}

TEST_F(TreeSenders, OwnedItemsWithTheirNumbers) {
    SkillDataItem::AddTail(MakeItem<SkillDataItem>("Riding", 32));
    TalentDataItem::AddTail(MakeItem<TalentDataItem>("Keen Sight", 2));
    ProfDataItem::AddTail(MakeItem<ProfDataItem>("Long sword", 2));
    ProfDataItem::AddTail(MakeItem<ProfDataItem>("Dagger", 1));
    ProfDataItem::AddTail(MakeItem<ProfDataItem>("Club", 3));
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("Torch", 6));

    sendskillstotree();
    sendtalentstotree();
    sendprofstotree();
    sendequiptotree();

    EXPECT_EQ(tree.Names(), (Texts{"Skills", "Talents", "Proficiencies", "Equipment"}));
    EXPECT_EQ(tree.Last("Skills").values, (Texts{"32"}));
    EXPECT_EQ(tree.Last("Talents").keys, (Texts{"Keen Sight"}));
    EXPECT_EQ(tree.Last("Talents").values, (Texts{"2"}));
    EXPECT_EQ(tree.Last("Proficiencies").keys, (Texts{"Long sword", "Dagger", "Club"}));
    EXPECT_EQ(tree.Last("Proficiencies").values, (Texts{"Specialized", "Basic", "3"}));
    EXPECT_EQ(tree.Last("Equipment").values, (Texts{"6"}));
}

ClassDataItem* AddClassItem(const std::string& name, int level) {
    auto item = std::make_unique<ClassDataItem>();
    item->name = name;
    item->level = level;
    ClassDataItem* added = item.get();
    ClassDataItem::AddTail(std::move(item));
    return added;
}

TEST_F(TreeSenders, Step8SendsClassDataWithTheThiefSkillsBeneath) {
    AddClass("Fighter", 0);
    AddClass("Thief", 0)->thief = 1;
    AddClass("Fighter/Thief", 0);
    current_character.hit_points = 9;
    current_character.level = 1;
    AddClassItem("Fighter", 1);
    ClassDataItem* thief = AddClassItem("Thief", 1);
    thief->pick_pockets[0] = 20, thief->pick_pockets[1] = 10;
    thief->climb_walls[0] = 60;
    thief->read_languages[1] = -5;

    messagetotreeStep8();

    EXPECT_EQ(tree.Names(), (Texts{"Classes Available", "Class Data", "Thief Skills"}));
    const auto data = tree.Last("Class Data");
    EXPECT_EQ(data.keys, (Texts{"Hit Points", "Level", "Fighter", "Thief", "Thief Skills"}));
    EXPECT_EQ(data.values, (Texts{"9", "1", "Level 1", "Level 1", "Thief"}));
    const auto skills = tree.Last("Thief Skills");
    EXPECT_EQ(skills.keys,
              (Texts{"Pick Pockets", "Open Locks", "Find Traps", "Remove Traps", "Move Silently",
                     "Hide in Shadows", "Detect Noise", "Climb Walls", "Read Languages"}));
    EXPECT_EQ(skills.values, (Texts{"30%", "0%", "0%", "0%", "0%", "0%", "0%", "60%", "-5%"}));
}

TEST_F(TreeSenders, Step8SendsOnlyTheBackgroundsTheCharacterHas) {
    Character_Class& c = current_character;
    c.camp_type = "Mountain camp";
    c.camp_quality = "Harsh";
    c.accident_events = {"Broke an arm", "Lost a tooth"};
    c.war_events = {"Held the bridge"};
    c.noncombat_events = {"Guarded a mine", "Built a wall"};
    c.vg_the_call = "A dream";
    c.vg_final_results = "Ordained";
    SpellDataItem::AddTail(MakeItem<SpellDataItem>("Light", 1));

    messagetotreeStep8();

    EXPECT_EQ(tree.Names(), (Texts{"Classes Available", "Class Data", "WG Background",
                                   "VG Background", "Training Accidents", "Spells Known"}));
    const auto fighter = tree.Last("WG Background");
    EXPECT_EQ(
        fighter.keys,
        (Texts{"Type of Training Camp", "Quality of Basic Training", "Results of Basic Training",
               "Training Accidents", "Specialty Assignment",
               "Quality of Advanced Individual Training", "State of Hostilities", "War Events",
               "Local Attitude to Occupying Force", "Notable Events During Occupation",
               "Notable Events to Quell Guerilla Movement",
               "Notable Events During Non Combat Tour of Duty"}));
    EXPECT_EQ(fighter.values,
              (Texts{"Mountain camp", "Harsh", "", "2", "", "", "", "Held the bridge", "", "", "",
                     "Guarded a mine; Built a wall"}));
    const auto priest = tree.Last("VG Background");
    EXPECT_EQ(priest.keys.front(), "Location of Mage School");
    EXPECT_EQ(priest.values, (Texts{"A dream", "", "", "", "", "", "", "Ordained"}));
    const auto accidents = tree.Last("Training Accidents");
    EXPECT_EQ(accidents.keys, (Texts{"Accident 1", "Accident 2"}));
    EXPECT_EQ(accidents.values, (Texts{"Broke an arm", "Lost a tooth"}));
    EXPECT_EQ(tree.Last("Spells Known").values, (Texts{"1"}));
}

} // namespace
