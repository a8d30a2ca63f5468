// Life after creation day: experience awards, the advance of one class by one level from the
// class tables, and what the new level brings.
#include "core/advance/level_advancement.h"

#include <gtest/gtest.h>

#include "core/advance/experience_award.h"
#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/dice/dice.h"
#include "core/model/data_items.h"
#include "core/wizard/skill_purchase_step.h"
#include "step_fixture.h"

namespace {

// A class whose table runs to level 5: 1000 XP a level from level 2 on, a d8 a level up to 3,
// then a fixed 2 hit points; the Constitution counts at levels 2 and 3.
CharacterClass& AddClass(const std::string& name, int thief = 0) {
    CharacterClass& record = AddRecord<CharacterClass>(name);
    record.thief = thief;
    record.kicker = 5;
    for (int level = 1; level <= 5; ++level) {
        record.xptable[level] = (level - 1) * 1000;
        record.hitdie[level] = 8;
        record.hitdieroll[level] = level <= 3 ? 1 : 0;
        record.hitpointbonus[level] = level <= 3 ? 0 : 2;
        record.conmultiplier[level] = level <= 3 ? 1 : 0;
    }
    return record;
}

ClassDataItem& AddItem(const std::string& name, double experience, int level = 1) {
    ClassDataItem& item = AddRecord<ClassDataItem>(name);
    item.experience = experience;
    item.level = level;
    return item;
}

class LevelAdvancementTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        current_character.constitution_base = 10; // no hit point adjustment
        current_character.level = 1;
        current_character.honor = 16; // Average Honor at levels 1 to 4
    }

    std::string WhyNot(std::size_t row) const { return LevelAdvancement::Classes()[row].why_not; }
};

TEST_F(LevelAdvancementTest, AwardsGoToTheClassOrAreSharedAndBadAwardsChangeNothing) {
    AddItem("Fighter", 0);
    ASSERT_TRUE(AwardExperience(1300));
    EXPECT_EQ(ClassDataItem::pHead->experience, 1300);

    AddItem("Thief", 0);
    ASSERT_TRUE(AwardExperience(1001));
    EXPECT_EQ(ClassDataItem::pHead->experience, 1300 + 501); // the odd point to the first
    EXPECT_EQ(ClassDataItem::pHead->next->experience, 500);
    EXPECT_EQ(Lines().back(), "Awarding 1001 experience points: Fighter +501 = 1801; Thief +500 "
                              "= 500");

    for (const long long bad : {0LL, -5LL}) {
        EXPECT_EQ(AwardExperience(bad).refusal(),
                  "An award is a whole number of experience points from 1 up");
    }
    ClassDataItem::pHead->next->experience = kMostExperience - 1;
    EXPECT_EQ(LargestAward(), 2);
    EXPECT_EQ(AwardExperience(4).refusal(),
              "Thief would hold more than 100000000 experience points");
    EXPECT_EQ(ClassDataItem::pHead->experience, 1801);

    ClassDataItem::Clear();
    EXPECT_FALSE(AwardExperience(10));
    EXPECT_EQ(LargestAward(), 0);
}

TEST_F(LevelAdvancementTest, AClassAdvancesFromItsThresholdAsFarAsItsTableAndTheRaceGo) {
    AddClass("Thief");
    race.levellimit = {"Fighter/Thief 12/3", "Thief 4"};
    ClassDataItem& thief = AddItem("Thief", 999);
    EXPECT_EQ(WhyNot(0), "Thief needs 1000 XP for level 2");
    thief.experience = 1000;
    EXPECT_EQ(WhyNot(0), "");
    EXPECT_EQ(ProgressText(LevelAdvancement::Classes()[0]), "1000 XP, level 1; level 2 at 1000 XP");

    thief.experience = 50000;
    thief.level = 4;
    EXPECT_EQ(WhyNot(0), "the race allows Thief level 4 at most");
    race.levellimit = {"Thief Unlimited"};
    EXPECT_EQ(WhyNot(0), "");
    thief.level = 5;
    EXPECT_EQ(WhyNot(0), "Thief has no level 6"); // the table ends at 5
    EXPECT_EQ(ProgressText(LevelAdvancement::Classes()[0]), "50000 XP, level 5; no further level");

    // A character of two classes takes its limits from the entry naming both, in order.
    AddClass("Fighter");
    current_character.class_item = &AddRecord<CharacterClass>("Fighter/Thief");
    race.levellimit = {"Thief 9", "Fighter/Thief 12/3"};
    EXPECT_EQ(RaceLevelLimit("Thief"), 3);
    EXPECT_EQ(RaceLevelLimit("Fighter"), 12);
}

TEST_F(LevelAdvancementTest, HitPointsComeFromTheDiceTheBonusAndConstitutionAndSplitAmongClasses) {
    AddClass("Fighter");
    AddItem("Fighter", 5000);
    current_character.hit_points = 10;
    current_character.constitution_base = 16; // +3 a hit die
    LevelAdvancement advancement;

    QueueDieFaces({6});
    ASSERT_TRUE(advancement.Advance(0));
    EXPECT_EQ(ClassDataItem::pHead->hitpoints[2], 6 + 3);
    EXPECT_EQ(current_character.hit_points, 19);
    EXPECT_EQ(ClassDataItem::pHead->level, 2);
    EXPECT_EQ(current_character.level, 2);

    ClassDataItem::pHead->level = 3; // level 4 rolls no die: its bonus alone
    ASSERT_TRUE(advancement.Advance(0));
    EXPECT_EQ(ClassDataItem::pHead->hitpoints[4], 2);
    EXPECT_EQ(current_character.hit_points, 21);

    // Two classes: each level's hit points count half for the character.
    AddClass("Thief");
    AddItem("Thief", 5000);
    current_character.constitution_base = 10;
    QueueDieFaces({7});
    ASSERT_TRUE(advancement.Advance(1));
    EXPECT_EQ(ClassDataItem::pHead->next->hitpoints[2], 7);
    EXPECT_EQ(current_character.hit_points, 21 + 3);
    EXPECT_EQ(advancement.GainLines()[1],
              "Hit points: 7 rolled +0 bonus +0 Constitution = 7; the character gains 3");
}

TEST_F(LevelAdvancementTest, TheHonorDieFollowsTheNewLevelAndNothingAdvancesMidCreation) {
    AddClass("Fighter");
    AddItem("Fighter", 5000);
    current_character.honor = 22;
    current_character.honor_standing = "Too Much Honor d3";
    QueueDieFaces({4});
    LevelAdvancement advancement;
    ASSERT_TRUE(advancement.Advance(0));
    EXPECT_EQ(current_character.honor_standing, "Average Honor d4+1");
    EXPECT_EQ(current_character.honor_die_sides, 4);
    EXPECT_EQ(current_character.honor_die_bonus, 1);

    program_data.creation_stage = 9;
    EXPECT_EQ(advancement.Advance(0).refusal(),
              "Finish the character's creation before it advances");
    EXPECT_EQ(ClassDataItem::pHead->level, 2);
}

TEST_F(LevelAdvancementTest, ANewLevelsThiefPointsArePlacedOnTopAndOweUntilThen) {
    CharacterClass& record = AddClass("Thief", 1);
    record.thiefpoints[2] = 30;
    record.thiefskills = "Pick Pockets, Climb Walls";
    ClassDataItem& thief = AddItem("Thief", 1000);
    thief.pick_pockets[0] = 20;
    thief.pick_pockets[1] = 15;
    QueueDieFaces({3});
    LevelAdvancement advancement;
    ASSERT_TRUE(advancement.Advance(0));
    EXPECT_EQ(advancement.Exits(), std::vector{StepExit::kThiefClass});
    ASSERT_TRUE(ThiefPointsOwed());
    EXPECT_EQ(ThiefPointsOwed()->level, 2);
    thief.experience = 2000;
    EXPECT_EQ(WhyNot(0), "the thief points of level 2 are still to be placed");

    ThiefSkillsStep step = OwedThiefSkillsStep();
    EXPECT_EQ(step.PointsText(), "30 Points");
    EXPECT_EQ(step.BaseTexts()[0], "35");
    std::array<std::string, kThiefSkillCount> entries;
    entries[0] = "10";
    entries[7] = "20";
    ASSERT_TRUE(step.Continue(entries));
    EXPECT_EQ(thief.pick_pockets[2], 10);
    EXPECT_EQ(thief.ThiefSkill(0), 45);
    EXPECT_EQ(Lines()[Lines().size() - 9], "Pick Pockets 35 +10 = 45");
    EXPECT_FALSE(ThiefPointsOwed());
    EXPECT_EQ(WhyNot(0), "");
}

TEST_F(LevelAdvancementTest, AfterCreationASlotAloneBuysAProficiency) {
    CharacterClass& record = AddClass("Fighter");
    record.profslots[2] = 1;
    current_character.class_item = &record;
    AddRecord<CharacterProf>("Long sword");
    AddItem("Fighter", 1000);
    QueueDieFaces({5});
    LevelAdvancement advancement;
    ASSERT_TRUE(advancement.Advance(0));
    EXPECT_EQ(advancement.Exits(), std::vector{StepExit::kNewSlots});
    EXPECT_EQ(current_character.free_proficiencies, 1);

    SkillPurchaseStep skills;
    ASSERT_TRUE(skills.Add(kProficiencyFilter, "Long sword"));
    EXPECT_EQ(program_data.building_points, 0.0f);
    EXPECT_EQ(current_character.free_proficiencies, 0);
    EXPECT_EQ(Lines().back(), "Purchasing Proficiency Long sword with a proficiency slot");
}

} // namespace
