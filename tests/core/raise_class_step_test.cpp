#include "core/wizard/raise_class_step.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "step_fixture.h"
#include "support/class_fixtures.h"
#include "support/race_fixtures.h"

namespace {

// The class and ability step over a human race file and class files written for each test.
class RaiseClassStepTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        race_file.name = "Human";
        race_file.level_limits = {"Fighter 12", "Thief Unlimited", "Fighter/Thief 12/14",
                                  "Paladin 9"};
    }

    // Writes the race and the classes, loads them and gives the character the race, all
    // scores 12/0, the balance and the stage of the step.
    void Load(float balance = 20.0f) {
        WriteRaceFile(workspace, "Human", race_file);
        for (std::size_t i = 0; i < classes.size(); ++i) {
            WriteClassFile(workspace, std::string(1, static_cast<char>('A' + i)), classes[i]);
        }
        CRace.LoadRace();
        CClass.LoadClass();
        current_character.race_item = CharacterRace::pHead.get();
        SetScores({12, 12, 12, 12, 12, 12, 12});
        program_data.building_points = balance;
        program_data.creation_stage = 8;
    }

    static std::vector<std::string> ClassItems() {
        std::vector<std::string> names;
        for (const ClassDataItem* item = ClassDataItem::pHead.get(); item;
             item = item->next.get()) {
            names.push_back(item->name + " " + std::to_string(item->level));
        }
        return names;
    }

    RaceFixture race_file;
    std::vector<ClassFixture> classes = {{.name = "Fighter", .bp = 3, .profslots = 4}};
};

TEST_F(RaiseClassStepTest, BpBuysTwentyFivePercentilePointsEach) {
    struct Case {
        int score, percentile, bp;
        const char* shown;
    } const cases[] = {
        {12, 80, 4, "13/80"},   {12, 80, 1, "13/5"},   {12, 100, 1, "13/25"},
        {12, 100, 0, "12/100"}, {12, 10, -1, "11/85"}, {12, 0, 8, "13/100"},
    };
    Load();
    for (const Case& c : cases) {
        current_character.strength_base = c.score;
        current_character.strength_perc = c.percentile;
        RaiseClassStep step;
        EXPECT_TRUE(step.ApplyAbilities({std::to_string(c.bp)}));
        EXPECT_EQ(step.ScoreTexts()[0], c.shown) << c.score << "/" << c.percentile << " " << c.bp;
        EXPECT_EQ(current_character.strength_base, c.score)
            << "nothing is recorded before Continue";
    }
}

TEST_F(RaiseClassStepTest, ApplyLogsTheWorkingScoresAndShowsTheBalanceLeft) {
    Load(17.5f);
    current_character.strength_perc = 80;
    RaiseClassStep step;
    EXPECT_EQ(step.ScoreTexts()[0], "12/80");
    EXPECT_EQ(step.BpEntries()[0], "");
    EXPECT_EQ(step.BuildingPointsText(), "18 ");
    program_data.building_points = 10.0f;
    ASSERT_TRUE(step.ApplyAbilities({"4", "junk", "", "-1", "0", "2", "1"}));
    EXPECT_EQ(step.BuildingPointsText(), "4  ");
    EXPECT_EQ(step.BpEntries()[1], "junk");
    EXPECT_EQ(program_data.building_points, 10.0f);
    ExpectTranscriptMatchesGolden();
}

// A refused request shows how far over the balance it went, and charges nothing.
TEST_F(RaiseClassStepTest, ARequestOverTheBalanceIsRefusedAndChargesNothing) {
    Load(9.0f);
    RaiseClassStep step;
    ASSERT_TRUE(step.ApplyAbilities({"2"}));
    EXPECT_FALSE(step.ApplyAbilities({"5", "5"}));
    EXPECT_EQ(step.BuildingPointsText(), "-1 ");
    EXPECT_EQ(step.ScoreTexts()[0], "12/0");
    EXPECT_EQ(step.BpEntries()[0], "");
    EXPECT_EQ(step.BpSpentTotal(), 0);
    EXPECT_TRUE(step.ApplyAbilities({"5", "4"})) << "spending exactly the balance";
    EXPECT_EQ(step.BuildingPointsText(), "0  ");
    EXPECT_FALSE(step.ApplyAbilities({"5", "5"}));

    step.SelectListBox("Fighter");
    ASSERT_EQ(step.Continue(), StepExit::kContinue);
    EXPECT_EQ(current_character.strength_perc, 0);
    EXPECT_FLOAT_EQ(program_data.building_points, 9.0f + 3.0f);
}

TEST_F(RaiseClassStepTest, ContinueChargesTheLastApplyAndAddsTheClassBonus) {
    classes[0].bp = -2;
    Load(12.0f);
    RaiseClassStep step;
    step.SelectListBox("Nobody");
    EXPECT_EQ(step.Continue(), StepExit::kStay);
    step.SelectListBox("Fighter");
    ASSERT_TRUE(step.ApplyAbilities({"8"})); // new scores, so the choice is cleared
    EXPECT_EQ(step.Continue(), StepExit::kStay);
    ASSERT_TRUE(step.ApplyAbilities({"6", "-2"})); // a negative entry gives BP back
    step.SelectListBox("Fighter");
    EXPECT_EQ(step.Continue(), StepExit::kContinue);
    const Character_Class& c = current_character;
    EXPECT_EQ(
        std::vector<int>({c.strength_base, c.strength_perc, c.dexterity_base, c.dexterity_perc}),
        std::vector<int>({13, 50, 11, 50}));
    EXPECT_EQ(current_character.free_proficiencies, 4);
    EXPECT_EQ(current_character.level, 1);
    EXPECT_EQ(ClassItems(), std::vector<std::string>{"Fighter 1"});
    ExpectTranscriptMatchesGolden();
}

// The list follows the raised scores; the other rules of the list are the open classes'.
TEST_F(RaiseClassStepTest, TheClassListFollowsTheRaisedScores) {
    const struct {
        int percentile, strength_bp;
        bool listed;
    } cases[] = {{0, 14, true}, {0, 13, false}, {45, 14, true}};
    classes = {{.name = "Fighter"}, {.name = "Paladin"}};
    classes[1].min[0] = "15.5";
    Load(20.0f);
    for (const auto& c : cases) {
        current_character.strength_perc = c.percentile;
        RaiseClassStep step;
        step.ApplyAbilities({std::to_string(c.strength_bp)});
        const auto& listed = step.ClassEntries();
        EXPECT_EQ(std::find(listed.begin(), listed.end(), "Paladin") != listed.end(), c.listed)
            << "12/" << c.percentile << " raised by " << c.strength_bp << " BP";
    }
}

TEST_F(RaiseClassStepTest, AMultiClassEntersEachClassItJoinsAndStartsTheThief) {
    classes = {{.name = "Fighter", .bp = 1, .fighter = 1, .profslots = 4},
               {.name = "Fighter/Thief", .bp = 6, .fighter = 1, .thief = 1, .profslots = 3},
               {.name = "Paladin"},
               {.name = "Thief", .thief = 1, .profslots = 2}};
    race_file.thief_bases[7] = 5; // Climb Walls
    Load(0.0f);
    RaiseClassStep step;
    EXPECT_EQ(step.ClassEntries(),
              (std::vector<std::string>{"Fighter", "Fighter/Thief", "Paladin", "Thief"}));
    step.SelectListBox("Fighter/Thief");
    EXPECT_EQ(step.Continue(), StepExit::kThiefClass);
    EXPECT_EQ(ClassItems(), (std::vector<std::string>{"Fighter 1", "Thief 1"}));
    EXPECT_EQ(current_character.free_proficiencies, 3);
    EXPECT_EQ(current_character.class_long_name, "Fighter/Thief");
    EXPECT_FLOAT_EQ(program_data.building_points, 6.0f);
    const ClassDataItem* fighter = ClassDataItem::pHead.get();
    const ClassDataItem* thief = fighter->next.get();
    EXPECT_EQ(fighter->climb_walls[0], 0);
    EXPECT_EQ(thief->climb_walls[0], 60 + 5) << "the thief start runs once";
}

} // namespace
