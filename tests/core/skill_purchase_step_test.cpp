#include "core/wizard/skill_purchase_step.h"

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "step_fixture.h"

namespace {

// Skills whose course die and honor die are one-sided, so every course adds exactly 2. The
// log lines, questions and messages of a test are its reviewed transcript golden.
class SkillPurchaseTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        klass = &AddRecord<CharacterClass>("Wizard");
        klass->specialize = 1;
        Character_Class& c = current_character;
        c.class_item = klass;
        c.level = 1;
        c.strength_base = 12;
        c.dexterity_base = 15;
        c.wisdom_base = 12;
        c.honor_die_sides = 1;
        program_data.creation_stage = 10;
        program_data.building_points = 20;
        step = SkillPurchaseStep();
    }

    static CharacterSkill& Skill(const std::string& name, int cost, int category = 5) {
        CharacterSkill& skill = AddRecord<CharacterSkill>(name);
        skill.ep_adj = cost;
        skill.category = category;
        skill.course_die = skill.num_of_course_die = 1;
        skill.mastery_abilities = "STR/DEX";
        return skill;
    }
    static int Mastery(const std::string& name) {
        const SkillDataItem* item = SkillDataItem::Find(name);
        return item ? item->value : -1;
    }

    CharacterClass* klass = nullptr;
    SkillPurchaseStep step;
};

TEST_F(SkillPurchaseTest, MasteryIsTheMeanOfTheAbilitiesPlusACourseAndTheHonorDie) {
    Skill("Fencing", 2);
    Skill("Odd Lore", 2).mastery_abilities = "LUCK";
    Skill("Singing", 1).course_die = 0;
    ASSERT_TRUE(step.Add(kAllSkillsFilter, "Fencing"));
    EXPECT_EQ(Mastery("Fencing"), 13 + 1 + 1);
    ASSERT_TRUE(step.Add(5, "Fencing")) << "held: an improvement";
    EXPECT_EQ(Mastery("Fencing"), 17);
    ASSERT_TRUE(step.Add(kAllSkillsFilter, "Odd Lore"));
    EXPECT_EQ(Mastery("Odd Lore"), 2) << "no ability named: the dice alone";
    ASSERT_TRUE(step.Add(kAllSkillsFilter, "Singing"));
    EXPECT_EQ(Mastery("Singing"), 100);
    EXPECT_EQ(step.Add(kAllSkillsFilter, "Singing").refusal(),
              "Singing has no course die: it cannot be improved");
    EXPECT_EQ(step.Add(6, "Fencing").refusal(), "Fencing is not offered here");
    ExpectTranscriptMatchesGolden();
}

TEST_F(SkillPurchaseTest, PrerequisiteCountsFromFiftyPercent) {
    Skill("Anatomy", 1);
    Skill("Surgery", 4).course_prereqs = {"Anatomy"};
    current_character.skills.AddTail(MakeItem<SkillDataItem>("Anatomy", 49));
    EXPECT_EQ(step.Add(kAllSkillsFilter, "Surgery").refusal(),
              "Surgery needs Anatomy at 50% or more");
    SkillDataItem::Find("Anatomy")->value = 50;
    EXPECT_TRUE(step.Add(kAllSkillsFilter, "Surgery"));
}

TEST_F(SkillPurchaseTest, MageCostsAndTheirRefundRoundTrip) {
    struct Case {
        int category, mage;
        float cost;
    };
    for (const Case& c : {Case{2, 1, 1.5f}, Case{6, 1, 6}, Case{6, 0, 3}, Case{5, 1, 3}}) {
        CharacterSkill::Clear();
        program_data.building_points = 20;
        klass->mage = c.mage;
        Skill("Study", 3, c.category);
        EXPECT_EQ(step.ShopRows(c.category).at(0).at(1).substr(0, 3),
                  std::to_string(c.cost).substr(0, 3));
        ASSERT_TRUE(step.Add(c.category, "Study"));
        ASSERT_TRUE(step.Add(c.category, "Study"));
        EXPECT_FLOAT_EQ(program_data.building_points, 20 - 2 * c.cost);
        ASSERT_TRUE(step.Remove(0));
        EXPECT_FLOAT_EQ(program_data.building_points, 20) << "category " << c.category;
    }
}

TEST_F(SkillPurchaseTest, ShopNamesAreTheFirstColumnOfEveryFilter) {
    Skill("Tracking", 2, 5);
    Skill("Hidden", 2, 6).book = 99; // a book that is not in use: not offered
    Skill("Riding", 3, 6);
    AddRecord<CharacterTalent>("Keen Eyes");
    AddRecord<CharacterProf>("Dagger");
    for (int filter = 0; filter < kStpFilterCount; ++filter) {
        std::vector<std::string> first_column;
        for (const auto& row : step.ShopRows(filter)) {
            first_column.push_back(row.front());
        }
        EXPECT_EQ(step.ShopNames(filter), first_column) << kStpFilterNames[filter];
    }
    EXPECT_EQ(step.ShopNames(kAllSkillsFilter), (std::vector<std::string>{"Tracking", "Riding"}));
}

TEST_F(SkillPurchaseTest, BalanceLimitsPurchasesOnlyDuringTheCreation) {
    Skill("Costly", 25);
    EXPECT_EQ(step.Add(kAllSkillsFilter, "Costly").refusal(),
              "Costly costs 25.0 BP; 20 BP are left");
    program_data.creation_stage = 0;
    EXPECT_TRUE(step.Add(kAllSkillsFilter, "Costly"));
    EXPECT_FLOAT_EQ(program_data.building_points, -5);
}

TEST_F(SkillPurchaseTest, ExtendableSkillTakesAnIdentifierAndAsksNewOrImprove) {
    Skill("Religion", 1).extend = true;
    port.AnswerText("The Sun");
    ASSERT_TRUE(step.Add(kAllSkillsFilter, "Religion"));
    port.AnswerYes();
    port.AnswerCancel(); // asked again
    port.AnswerText("The Sea");
    ASSERT_TRUE(step.Add(kAllSkillsFilter, "Religion"));
    port.AnswerNo();
    port.AnswerChoice(1);
    ASSERT_TRUE(step.Add(kAllSkillsFilter, "Religion"));
    EXPECT_EQ(Mastery("Religion: The Sun"), 15);
    EXPECT_EQ(Mastery("Religion: The Sea"), 17);
    port.AnswerYes();
    port.AnswerText("The Sun");
    EXPECT_FALSE(step.Add(kAllSkillsFilter, "Religion")) << "a name already held";
    ExpectTranscriptMatchesGolden();
}

TEST_F(SkillPurchaseTest, TalentsCountUpToTheirMaximumAndDownAgain) {
    CharacterTalent& talent = AddRecord<CharacterTalent>("Keen Sight");
    talent.bp = 3;
    talent.max = 2;
    ASSERT_TRUE(step.Add(kTalentFilter, "Keen Sight"));
    ASSERT_TRUE(step.Add(kTalentFilter, "Keen Sight"));
    EXPECT_EQ(step.Add(kTalentFilter, "Keen Sight").refusal(),
              "Keen Sight is taken 2 times, its most");
    EXPECT_EQ(step.TakenRows().at(0), (std::vector<std::string>{"Keen Sight", "x 2", "Talent"}));
    ASSERT_TRUE(step.Remove(0));
    ASSERT_TRUE(step.Remove(0));
    EXPECT_TRUE(step.TakenRows().empty());
    ExpectTranscriptMatchesGolden();
}

TEST_F(SkillPurchaseTest, ProficiencySlotsSpecializationAndRemoval) {
    AddRecord<CharacterProf>("Long Sword").spcost = 2;
    current_character.free_proficiencies = 3;
    ASSERT_TRUE(step.Add(kProficiencyFilter, "Long Sword"));
    ASSERT_TRUE(step.Add(kProficiencyFilter, "Long Sword"));
    EXPECT_EQ(current_character.free_proficiencies, 0);
    EXPECT_EQ(current_character.specialization_work, 1);
    EXPECT_EQ(step.TakenRows().at(0).at(1), "Specialized");
    ASSERT_TRUE(step.Remove(0));
    EXPECT_EQ(current_character.free_proficiencies, 2);
    klass->specialize = 999;
    EXPECT_EQ(step.Add(kProficiencyFilter, "Long Sword").refusal(),
              "The class cannot specialize in Long Sword at this level");
    ASSERT_TRUE(step.Remove(0));
    EXPECT_EQ(current_character.free_proficiencies, 3);
    current_character.free_proficiencies = 0;
    EXPECT_EQ(step.Add(kProficiencyFilter, "Long Sword").refusal(), "No proficiency slot is free");
    ExpectTranscriptMatchesGolden();
}

TEST_F(SkillPurchaseTest, ContinueCashesTheBalanceInAndLowWisdomSkipsTheAlignment) {
    current_character.gold = 10;
    program_data.building_points = 3.5f;
    EXPECT_EQ(step.Continue(), StepExit::kContinue);
    EXPECT_EQ(current_character.gold, 97);
    EXPECT_EQ(program_data.building_points, 0);

    current_character.wisdom_base = 5;
    port.AnswerText("Brannoc");
    Advance(StepId::kSkills, step.Continue()); // the shop follows, no creation in progress
    EXPECT_EQ(current_character.alignment, "Neutral");
    EXPECT_EQ(current_character.character_name, "Brannoc");
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(SkillPurchaseStep().Continue(), StepExit::kEdited)
        << "opened from the tree: editing only";
    ExpectTranscriptMatchesGolden();
}

} // namespace
