#include <string>

#include <gtest/gtest.h>

#include "core/dice/dice.h"
#include "core/dice/vexl_random.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/wizard/fighter_background.h"
#include "step_fixture.h"
#include "support/golden.h"

namespace {

// The three training tables (they share their bands) and the social class modifiers, against
// the reviewed golden tests/golden/fighter_training_tables.txt.
TEST(FighterTrainingTables, BandsMatchTheReviewedGolden) {
    std::string text = "== Camp, quality (values), results code by total\n";
    text += Bands(-7, 34, [](int total) {
        const auto q = TrainingQualityFor(total).values;
        return std::string(TrainingCampFor(total).camp_type) + ' ' +
               std::to_string(TrainingCampFor(total).camp_modifier) + " | " +
               TrainingQualityFor(total).camp_quality + ' ' + std::to_string(q[0]) + '/' +
               std::to_string(q[1]) + '/' + std::to_string(q[2]) + " | " +
               std::to_string(TrainingResultsFor(total).code);
    });
    text += "== Social class modifier by social id\n";
    text += Bands(0, 13, [](int id) { return std::to_string(SocialCampModifier(id)); });
    ExpectMatchesGolden("fighter_training_tables.txt", text);
}

// Half the Charisma reaction adjustment, whatever its sign (Charisma 1: -7, 16: +5, 25: +14).
TEST(FighterTrainingTables, CharismaCountsHalfItsReactionAsABonus) {
    const int expected[][2] = {{1, 3}, {3, 2}, {7, 0}, {10, 0}, {13, 0}, {16, 2}, {18, 3}, {25, 7}};
    for (const auto& [charisma, modifier] : expected) {
        EXPECT_EQ(CharismaCampModifier(charisma, 0), modifier) << "charisma " << charisma;
    }
}

class FighterBackgroundTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        current_character.charisma_base = 10;
        current_character.social_id = 7;
        current_character.social_class = "Middle Middle Class";
        // Scripted dice; once they run out every roll shows 0, which no typed roll equals.
        step.dice = [this](int sides, int count) {
            dice_asked.push_back(std::to_string(count) + "d" + std::to_string(sides));
            return next_roll < rolls.size() ? rolls[next_roll++] : 0;
        };
    }
    // The player types the dice from now on.
    void OwnDice(std::initializer_list<long> rolls) {
        BooksToUse[kRollYourOwnDice] = 1;
        for (long roll : rolls) {
            port.AnswerNumber(roll);
        }
    }

    FighterBackground step;
    std::vector<int> rolls;
    std::size_t next_roll = 0;
    std::vector<std::string> dice_asked;
};

TEST_F(FighterBackgroundTest, CampRollAddsSocialClassAndCharismaAndStartsTheStage) {
    current_character.social_id = 10;
    current_character.social_class = "Upper Middle Class";
    current_character.charisma_base = 16;
    step.dice = nullptr; // the program's own generator
    QueueDieFaces({6, 5, 4});
    EXPECT_EQ(step.TypeofTrainingCamp2C(), "royal guardsmen");
    EXPECT_TRUE(port.questions.empty());
    EXPECT_EQ(program_data.creation_stage, 1);
    EXPECT_EQ(current_character.camp_type, "royal guardsmen");
    EXPECT_EQ(step.camp_modifier, 5);
    EXPECT_EQ(step.NextRoll(), FighterBackground::Roll::kQuality);
    EXPECT_EQ(StepLog(), "BP=0.0    | Rolling for Type of Training Camp (3d6): rolled 15(+7 Upper "
                         "Middle Class +2 Charisma Reaction Adj) = 24 = royal guardsmen \n");
}

TEST_F(FighterBackgroundTest, SlaveWithAverageCharismaReachesAtBestTerritorialMilitia) {
    current_character.social_id = 2;
    current_character.social_class = "escaped criminal";
    OwnDice({18});
    step.TypeofTrainingCamp2C();
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].caption + " " + port.questions[0].prompt,
              "Rolling for Type of Training Camp 3d6");
    EXPECT_EQ(current_character.camp_type, "territorial militia camp");
    EXPECT_EQ(step.camp_modifier, -1);
    EXPECT_NE(StepLog().find("rolled 18(-10 escaped criminal +0 Charisma Reaction Adj) = 8 = "
                             "territorial militia camp"),
              std::string::npos)
        << StepLog();
}

TEST_F(FighterBackgroundTest, RejectedCampCostsABpAndStoresNothing) {
    program_data.building_points = 1.0f;
    OwnDice({3});
    port.AnswerNo();
    port.AnswerNumber(12);
    step.TypeofTrainingCamp2C();
    // The first rejection leaves 0 BP, so the second roll is taken without a question.
    ASSERT_EQ(port.questions.size(), 3u);
    EXPECT_EQ(current_character.camp_type, "regular army boot camp");
    EXPECT_EQ(step.camp_modifier, 0);
    EXPECT_FLOAT_EQ(program_data.building_points, 0.0f);
    EXPECT_EQ(RawLines()[1], "BP=0.0    | Spending 1 BP to re-roll ");
}

TEST_F(FighterBackgroundTest, RoyalGuardsmenMakeTopNotchReachable) {
    current_character.social_id = 12;
    OwnDice({16, 14});
    step.TypeofTrainingCamp2C();
    ASSERT_EQ(step.camp_modifier, 5);
    EXPECT_EQ(step.QualityofBasicTraining2D(), "Top Notch");
    EXPECT_EQ(port.questions.back().caption, "Rolling for Quality of Basic Training");
    EXPECT_EQ(step.quality_values, (std::array<int, 3>{4, -1, 2}));
    EXPECT_EQ(step.NextRoll(), FighterBackground::Roll::kResults);
    EXPECT_EQ(Lines().back(),
              "Entered roll for Quality of Basic Training (3d6): rolled 14(+5) = 19 = Top Notch");
}

TEST_F(FighterBackgroundTest, HorrificTrainingDegradesAndCostsTwoHonor) {
    current_character.honor_adjustment = 1;
    current_character.free_proficiencies = 1;
    OwnDice({4, 5, 13});
    step.TypeofTrainingCamp2C(); // 4: local militia, -2
    step.QualityofBasicTraining2D();
    ASSERT_EQ(current_character.camp_quality, "Horrific");
    step.ResultsofBasicTraining2E();
    EXPECT_EQ(port.questions.back().caption, "Rolling for Results of Basic Training");
    EXPECT_EQ(step.results_code, -4);
    EXPECT_EQ(current_character.honor_adjustment, -1);
    EXPECT_EQ(step.FreeProficiencyKind(), "");
    EXPECT_EQ(step.NextRoll(), FighterBackground::Roll::kDone);
    EXPECT_EQ(Lines().back(), "Entered roll for Results of Basic Training (3d6): rolled 13(-10) = "
                              "3 = You gained no weapon proficiencies and lost 2 points of Honor "
                              "from the degrading experience");
}

TEST_F(FighterBackgroundTest, PoorResultsRollTheWeaponTrainingFiftyIsLimited) {
    const struct {
        long d100;
        const char* kind;
        bool limited_line;
    } cases[] = {{1, kMeleeWeaponLimitedKind, true},
                 {50, kMeleeWeaponLimitedKind, true},
                 {51, kMeleeWeaponKind, false},
                 {100, kMeleeWeaponKind, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.d100);
        FighterBackground poor;
        poor.dice = step.dice;
        // Average camp, average quality (+1): 5 + 1 is a poor result.
        OwnDice({12, 12, 5, c.d100});
        poor.TypeofTrainingCamp2C();
        poor.QualityofBasicTraining2D();
        poor.ResultsofBasicTraining2E();
        EXPECT_EQ(poor.results_code, -2);
        EXPECT_EQ(poor.FreeProficiencyKind(), c.kind);
        EXPECT_EQ(port.questions.back().caption,
                  "Rolling for Quality of Weapon Proficiency Training");
        const std::vector<std::string> lines = Lines();
        EXPECT_EQ(lines[lines.size() - (c.limited_line ? 2 : 1)],
                  "Entered roll for Results for Quality of Weapon Proficinecy Training (1d100): "
                  "rolled " +
                      std::to_string(c.d100) + " =");
        EXPECT_EQ(lines.back().starts_with("You gained 1 melee weapon proficiency. However your "
                                           "training was so poor"),
                  c.limited_line);
    }
}

TEST_F(FighterBackgroundTest, GoodResultsOweAFullMeleeProficiency) {
    rolls = {12, 12, 17};
    step.TypeofTrainingCamp2C();
    step.QualityofBasicTraining2D();
    const std::string result = step.ResultsofBasicTraining2E();
    EXPECT_EQ(result, "You gained 1 melee weapon proficiency at no BP cost and both armor and "
                      "weapon maintenance skills, again at no BP cost");
    EXPECT_EQ(step.results_code, 2);
    EXPECT_EQ(step.FreeProficiencyKind(), kMeleeWeaponKind);
    EXPECT_EQ(current_character.honor_adjustment, 0);
    EXPECT_EQ(dice_asked, (std::vector<std::string>{"3d6", "3d6", "3d6"}));
    EXPECT_EQ(Lines().back(), "Rolling for Results of Basic Training (3d6): rolled 17(+1) = 18 "
                              "= " +
                                  result);
}

TEST_F(FighterBackgroundTest, WeaponTrainingRollsOneD100) {
    rolls = {12, 12, 5, 73};
    step.TypeofTrainingCamp2C();
    step.QualityofBasicTraining2D();
    step.ResultsofBasicTraining2E();
    EXPECT_EQ(dice_asked, (std::vector<std::string>{"3d6", "3d6", "3d6", "1d100"}));
    EXPECT_EQ(step.FreeProficiencyKind(), kMeleeWeaponKind);
}

TEST_F(FighterBackgroundTest, WithoutADiceLogYetTheCampRollNamesOne) {
    program_data.log_file_name[0] = '\0';
    rolls = {11};
    step.TypeofTrainingCamp2C();
    const std::string name = program_data.log_file_name;
    ASSERT_GE(name.size(), 5u);
    EXPECT_EQ(name.substr(name.size() - 4), ".log");
    EXPECT_EQ(ReadFile(name).rfind("BP=0.0    | Rolling for Type of Training Camp (3d6): rolled "
                                   "11(+0 Middle Middle Class +0 Charisma Reaction Adj) = 11 = "
                                   "regular army boot camp \n",
                                   0),
              0u);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(FighterBackgroundTest, RollsOutOfTurnDoNothing) {
    EXPECT_EQ(step.QualityofBasicTraining2D(), "");
    EXPECT_EQ(step.ResultsofBasicTraining2E(), "");
    EXPECT_EQ(StepLog(), "");
    OwnDice({12});
    step.TypeofTrainingCamp2C();
    EXPECT_EQ(step.TypeofTrainingCamp2C(), "");
    EXPECT_EQ(port.questions.size(), 1u);
}

// Opened on its own the background is a creation that Continue and Abort end; opened while a
// character is being made (stage 3) it never touches that creation's stage.
TEST_F(FighterBackgroundTest, ContinueAndAbortEndOnlyTheBackgroundsOwnCreation) {
    for (const int stage_at_open : {0, 3}) {
        for (const bool abort : {false, true}) {
            program_data.creation_stage = stage_at_open;
            FighterBackground background;
            EXPECT_FALSE(background.Continue()) << "nothing rolled yet";
            OwnDice({12});
            background.TypeofTrainingCamp2C();
            EXPECT_EQ(program_data.creation_stage, stage_at_open ? stage_at_open : 1);
            if (abort) {
                background.Abort();
            } else {
                EXPECT_TRUE(background.Continue());
            }
            EXPECT_EQ(program_data.creation_stage, stage_at_open) << abort;
        }
    }
}

} // namespace
