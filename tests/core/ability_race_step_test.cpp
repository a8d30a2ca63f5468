#include <gtest/gtest.h>

#include "core/data/race_data.h"
#include "core/dice/dice.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/wizard/ability_race_step.h"
#include "core/wizard/creation_flow.h"
#include "step_fixture.h"
#include "support/race_fixtures.h"

namespace {

// The first step over race files written for each test.
class AbilityRaceStepTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        current_character.race_item = nullptr;
    }
};

TEST_F(AbilityRaceStepTest, OpensWithZerosAndNoRaceContinueWaitsAbortEnds) {
    BeginCreation();
    AbilityRaceStep step;
    EXPECT_EQ(step.ScoreTexts()[6], "0");
    EXPECT_TRUE(step.RaceEntries().empty());
    EXPECT_FALSE(step.Continue("Common"));
    EXPECT_EQ(SkillDataItem::pHead, nullptr);
    // Abort ends the creation and keeps the record.
    current_character.strength_base = 14;
    step.Abort();
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(current_character.strength_base, 14);
}

TEST_F(AbilityRaceStepTest, RollRollsEveryScoreAndResetsBurnedPoints) {
    AbilityRaceStep step;
    program_data.building_points = 6.0f;
    QueueDieFaces({1, 1,  1, 50, 6, 6,  6, 50, 2, 3,  4, 50, 5, 5,
                   5, 50, 4, 4,  4, 50, 3, 3,  3, 50, 6, 1,  6, 50});
    step.Roll();
    ExpectTranscriptMatchesGolden();
}

TEST_F(AbilityRaceStepTest, AdjustTradesTwoForOneDownToTheFloor) {
    WriteRaceFile(workspace, "Human_Male", {.name = "Human"});
    CRace.LoadRace();
    AbilityRaceStep step;
    SetScores({5, 10, 10, 10, 10, 10, 10});
    step.SetLowerChoice(0);
    step.SetRaiseChoice(1);
    step.Adjust();
    // Refused at the floor, yet the race choice is still cleared.
    step.SelectRace("Human, Male");
    ASSERT_NE(current_character.race_item, nullptr);
    step.Adjust();
    EXPECT_EQ(current_character.strength_base, 3);
    EXPECT_EQ(current_character.race_item, nullptr);
    // One ability in both columns: nothing.
    step.SetLowerChoice(1);
    step.Adjust();
    EXPECT_EQ(current_character.dexterity_base, 11);
    ExpectTranscriptMatchesGolden();
}

TEST_F(AbilityRaceStepTest, BurnEarnsTwoBpDownToTheFloor) {
    AbilityRaceStep step;
    SetScores({10, 10, 10, 10, 10, 10, 4});
    step.SetBurnChoice(6);
    step.Burn();
    EXPECT_EQ(step.BuildingPointsText(), "2  ");
    step.Burn();
    EXPECT_EQ(current_character.comeliness_base, 3);
    EXPECT_FLOAT_EQ(program_data.building_points, 2.0f);
    ExpectTranscriptMatchesGolden();
}

TEST_F(AbilityRaceStepTest, RaceListKeepsRacesWithinLimitsFromEnabledBooks) {
    WriteRaceFile(workspace, "A_Male", {.name = "At Minimum", .min_strength = 12});
    WriteRaceFile(workspace, "B_Male", {.name = "Below Maximum", .max_strength = 11});
    WriteRaceFile(workspace, "C_Male", {.name = "At Maximum", .max_strength = 12});
    WriteRaceFile(workspace, "D_Male", {.name = "Closed Book", .book = 14});
    WriteRaceFile(workspace, "E_Female", {.name = "At Minimum", .sex = "Female"});
    CRace.LoadRace();
    AbilityRaceStep step;
    SetScores({12, 10, 10, 10, 10, 10, 10});
    step.SetLowerChoice(1);
    step.SetRaiseChoice(2);
    step.Adjust(); // rebuilds the list for the scores now held
    EXPECT_EQ(step.RaceEntries(), (std::vector<std::string>{"At Minimum, Male", "At Maximum, Male",
                                                            "At Minimum, Female"}));
    BooksToUse[14] = 1;
    step.Adjust();
    EXPECT_EQ(step.RaceEntries().size(), 4u);
}

// Of two records that read alike the last is taken.
TEST_F(AbilityRaceStepTest, RacesWhoseNamesContainOneAnotherAreEachFound) {
    WriteRaceFile(workspace, "Gnome_Male", {.name = "Gnome", .adjustments = {1}});
    WriteRaceFile(workspace, "GnomeTitan_Male", {.name = "Gnome Titan", .adjustments = {2}});
    WriteRaceFile(workspace, "Twin1_Male", {.name = "Twin", .bp = 1});
    WriteRaceFile(workspace, "Twin2_Male", {.name = "Twin", .bp = 2});
    CRace.LoadRace();
    AbilityRaceStep step;
    step.SelectRace("Gnome, Male");
    EXPECT_EQ(current_character.race, "Gnome");
    EXPECT_EQ(step.RaceLabels()[0], "+1");
    step.SelectRace("Gnome Titan, Male");
    EXPECT_EQ(current_character.race, "Gnome Titan");
    EXPECT_EQ(step.RaceLabels()[0], "+2");
    step.SelectRace("Twin, Male");
    EXPECT_EQ(step.RaceLabels()[7], "+2");
}

// Only with the player's own dice; read as atoi reads them, then kept within 0 to 25 and 0 to
// 100; overflow saturates.
TEST_F(AbilityRaceStepTest, ApplyTakesTypedScoresAsAtoiReadsThemWithinTheirRange) {
    AbilityRaceStep step;
    program_data.building_points = 4.0f;
    const std::array<std::string, 7> scores = {"18", "  7",         "12abc", "x",
                                               "-3", "99999999999", "16"};
    const std::array<std::string, 7> fractions = {"50", "", "1", "2", "3", "-4", "101"};
    EXPECT_FALSE(step.Apply(scores, fractions));
    EXPECT_EQ(step.ScoreTexts()[0], "0");
    BooksToUse[kRollYourOwnDice] = 1;
    EXPECT_TRUE(step.Apply(scores, fractions));
    ExpectTranscriptMatchesGolden();
}

TEST_F(AbilityRaceStepTest, ContinueAppliesTheRaceAndAddsTheLanguage) {
    WriteRaceFile(workspace, "Elf_Female",
                  {.name = "Wood Elf",
                   .sex = "Female",
                   .adjustments = {0, 1, -1, 0, 0, 0, 0},
                   .bp = 5,
                   .languages = {"Elven", "Common"}});
    CRace.LoadRace();
    AbilityRaceStep step;
    SetScores({10, 10, 10, 10, 10, 10, 10});
    program_data.building_points = 2.0f;
    step.SelectRace("Wood Elf, Female");
    EXPECT_EQ(step.RaceLabels(),
              (std::array<std::string, 8>{"+0", "+1", "-1", "+0", "+0", "+0", "+0", "+5"}));
    EXPECT_EQ(step.Languages(), (std::vector<std::string>{"Elven", "Common"}));
    // A language the saved character could not keep whole is refused, with a message.
    EXPECT_FALSE(step.Continue(std::string(1010, 'e')));
    EXPECT_EQ(SkillDataItem::pHead, nullptr);
    ASSERT_TRUE(step.Continue("Elven"));
    EXPECT_EQ(Listed(SkillDataItem::pHead.get()),
              std::vector<std::string>{"Language, Modern: Elven=100"});
    ExpectTranscriptMatchesGolden();
}

} // namespace
