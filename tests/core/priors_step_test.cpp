#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/dice/dice.h"
#include "priors_step_fixture.h"
#include "support/golden.h"

namespace {

using Rows = std::vector<PriorsRow>;
using Texts = std::vector<std::string>;

const char* const k6F = "Player's Handbook 6F: Quirks, Minor (Mental)";
const char* const k6G = "Player's Handbook 6G: Quirks, Major (Mental)";
const char* const k6H = "Player's Handbook 6H: Quirks, Minor (Personality)";
const char* const k6I = "Player's Handbook 6I: Quirks, Major (Personality)";

// One whole background, button by button, then Continue with a loving mother, an indifferent
// step-family father and a middle child. The rows shown, every question and the log are the
// reviewed golden tests/golden/priors_full_pass.txt.
TEST_F(PriorsStepTest, AFullPassRollsEveryTableAndContinueOwesTheFreeQuirks) {
    using R = PriorsRoll;
    const std::pair<PriorsRoll, std::vector<long>> steps[] = {
        {R::kAge, {3}},
        {R::kHandedness, {23}},
        {R::kHeight, {11}},
        {R::kWeight, {30}},
        {R::kSocialClass, {50}},
        {R::kLegitimacy, {40}},
        {R::kMotherStatus, {50}},
        {R::kFatherStatus, {85}},
        {R::kStepFather, {15, 2}},
        {R::kMotherQuality, {10}},
        {R::kFatherQuality, {85}},
        {R::kFamilyHeritage, {50}},
        {R::kSiblings, {40, 3, 5, 50, 10, 15, 90, 80, 96}},
        {R::kBirthOrder, {50}},
    };
    std::ostringstream out;
    for (const auto& [roll, entries] : steps) {
        ASSERT_EQ(step.NextRoll(), roll) << PriorsButtonLabel(roll);
        for (const PriorsRow& row : Roll(roll, entries)) {
            out << "row " << row.caption << ' ' << row.text << '\n';
        }
        EXPECT_EQ(program_data.creation_stage, -1);
    }
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kNone);
    const Character_Class& c = current_character;
    out << "mother " << c.mother_code << " father " << c.father_code << " class #" << c.social_id
        << " siblings " << c.siblings << " '" << c.sibling[1] << "' '" << c.sibling[2]
        << "' | mother's bp " << step.MotherEffects().bp_bonus << ", father's minor quirks "
        << step.FatherEffects().minor_quirk << ", middle child " << step.MiddleChild() << '\n';

    const std::size_t asked = port.questions.size();
    port.AnswerChoice(1); // the father's minor quirk: on 6H
    port.AnswerCancel();  // the middle child's: cancelled, so asked again
    port.AnswerChoice(0);
    program_data.quirk_bp[10] = 4;
    program_data.quirk_bp[800] = 9;
    EXPECT_EQ(step.Continue(), StepExit::kQuirksOwed);
    // Only the table's 800 entries are cleared.
    out << "continue: free minor " << program_data.pending_minor_quirks << " major "
        << program_data.pending_major_quirks << " personality "
        << program_data.pending_personality_quirks << ", rolls " << program_data.quirk_rolls_pending
        << ", quirk bp " << program_data.quirk_bp[10] << ' ' << program_data.quirk_bp[800]
        << ", tree " << port.branches_updated.back() << '\n';
    for (const std::string& table : program_data.pending_quirk_tables) {
        out << "owed " << table << '\n';
    }
    for (std::size_t i = asked; i < port.questions.size(); ++i) {
        for (const std::string& choice : port.questions[i].choices) {
            out << "choice " << i - asked << ' ' << choice << '\n';
        }
    }
    ExpectMatchesGolden("priors_full_pass.txt", out.str() + Transcript());
}

TEST_F(PriorsStepTest, RollsOnlyInTheOfferedOrderAndContinueWaitsForTheFirst) {
    EXPECT_EQ(std::string(PriorsButtonLabel(step.NextRoll())), "Begin Priors and Particulars");
    EXPECT_EQ(step.Continue(), StepExit::kStay);
    EXPECT_TRUE(step.Roll(PriorsRoll::kWeight).empty());
    EXPECT_TRUE(step.Roll(PriorsRoll::kNone).empty());
    EXPECT_TRUE(port.questions.empty());
    EXPECT_TRUE(port.branches_updated.empty());
    EXPECT_EQ(program_data.creation_stage, 5);
    Roll(PriorsRoll::kAge, {2});
    EXPECT_TRUE(step.Roll(PriorsRoll::kAge).empty()); // no roll is made twice
    EXPECT_EQ(current_character.age, 17);
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kHandedness);
}

TEST_F(PriorsStepTest, ContinueWithNothingOwedAddsTheBirthOrderToTheMoneyRoll) {
    Roll(PriorsRoll::kAge, {1});
    current_character.birth_order = "2nd to last born";
    program_data.money_roll_modifier = 3;
    EXPECT_EQ(step.Continue(), StepExit::kContinue);
    EXPECT_EQ(program_data.quirk_rolls_pending, 0);
    ExpectTranscriptMatchesGolden();
}

// An abandoned child skips the parents, and takes -20 on the money roll whatever its place
// among the siblings.
TEST_F(PriorsStepTest, AnAbandonedChildSkipsTheParentsAndTakesMinusTwentyOnMoney) {
    RollBody();
    Roll(PriorsRoll::kLegitimacy, {95, 3});
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kFamilyHeritage);
    Roll(PriorsRoll::kFamilyHeritage, {1});
    Roll(PriorsRoll::kSiblings, {20, 1, 1, 1, 1});
    Roll(PriorsRoll::kBirthOrder, {1});
    EXPECT_EQ(current_character.birth_order, "First born");
    EXPECT_EQ(step.Continue(), StepExit::kContinue);
    EXPECT_EQ(program_data.money_roll_modifier, -20);
}

// Abusive parents of an illegitimate child: +35 on both quality rolls, one free major quirk
// each, chosen between the two major tables.
TEST_F(PriorsStepTest, AbusiveParentsOweMajorQuirks) {
    RollBody();
    Roll(PriorsRoll::kLegitimacy, {95, 70, 80}); // an affair, the father known
    Roll(PriorsRoll::kMotherStatus, {50});
    Roll(PriorsRoll::kFatherStatus, {50});
    EXPECT_EQ(Roll(PriorsRoll::kMotherQuality, {57}),
              (Rows{{"Quality of Mother:", "Abusive parent"}}));
    Roll(PriorsRoll::kFatherQuality, {56});
    port.AnswerChoice(0); // father's minor: 6F
    port.AnswerChoice(1); // mother's major: 6I
    EXPECT_EQ(step.Continue(), StepExit::kQuirksOwed);
    EXPECT_EQ(port.questions.back().choices, (Texts{k6G, k6I}));
    EXPECT_EQ(program_data.pending_quirk_tables, (Texts{k6F, k6I}));
    EXPECT_EQ(program_data.pending_major_quirks, 1);
    ExpectTranscriptMatchesGolden();
}

TEST_F(PriorsStepTest, ARejectedRollCostsOneBpAndIsNotKept) {
    BooksToUse[kRollYourOwnDice] = 0;
    program_data.building_points = 2.0f;
    QueueDieFaces({1, 4});
    port.AnswerNo();
    port.AnswerYes();
    EXPECT_EQ(step.Roll(PriorsRoll::kAge), (Rows{{"Age:", "19"}}));
    EXPECT_EQ(current_character.age, 19);
    ExpectTranscriptMatchesGolden();
}

// A new character's background starts clean even when an earlier one in the same run left
// free quirks owed, an honor modifier or sibling lines behind.
TEST_F(PriorsStepTest, ANewStepDropsWhatAnEarlierCharacterLeft) {
    program_data.honor_roll_modifier = -7;
    program_data.pending_personality_quirks = 1;
    program_data.quirk_rolls_pending = 2;
    program_data.pending_quirk_tables = {k6H, k6F};
    SetSiblingLine(4, "This sibling is male");
    PriorsStep fresh;
    EXPECT_EQ(program_data.honor_roll_modifier, 0);
    EXPECT_EQ(program_data.pending_personality_quirks, 0);
    EXPECT_EQ(program_data.quirk_rolls_pending, 0);
    EXPECT_TRUE(program_data.pending_quirk_tables.empty());
    EXPECT_STREQ(current_character.sibling[4], "");
}

} // namespace
