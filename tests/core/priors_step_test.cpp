#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/data/quirk_flaw.h"
#include "core/dice/dice.h"
#include "priors_step_fixture.h"

namespace {

using Rows = std::vector<PriorsRow>;

const char* const k6F = "Player's Handbook 6F: Quirks, Minor (Mental)";
const char* const k6G = "Player's Handbook 6G: Quirks, Major (Mental)";
const char* const k6H = "Player's Handbook 6H: Quirks, Minor (Personality)";
const char* const k6I = "Player's Handbook 6I: Quirks, Major (Personality)";

// One whole background, button by button, then Continue: the rows, the record, the log and
// every question, and what Continue makes of a loving mother, an indifferent step-family
// father and a middle child.
TEST_F(PriorsStepTest, AFullPassRollsEveryTableAndContinueOwesTheFreeQuirks) {
    const struct {
        PriorsRoll roll;
        std::vector<long> entries;
        Rows rows;
    } steps[] = {
        {PriorsRoll::kAge, {3}, {{"Age:", "18"}}},
        {PriorsRoll::kHandedness, {23}, {{"Handeness:", "Right"}}},
        {PriorsRoll::kHeight, {11}, {{"Height:", "71"}}},
        {PriorsRoll::kWeight, {30}, {{"Weight:", "170"}}},
        {PriorsRoll::kSocialClass, {50}, {{"Social Class:", "Middle Middle Class"}}},
        {PriorsRoll::kLegitimacy, {40}, {{"Legitimacy of Birth:", "Legitimate"}}},
        {PriorsRoll::kMotherStatus, {50}, {{"Status of Mother:", "Alive"}}},
        {PriorsRoll::kFatherStatus, {85}, {{"Status of Father:", "Dead"}}},
        {PriorsRoll::kStepFather, {15, 2}, {{"Status of Step Father:", "Step Father is alive"}}},
        {PriorsRoll::kMotherQuality, {10}, {{"Quality of Mother:", "Loving parent"}}},
        {PriorsRoll::kFatherQuality, {85}, {{"Quality of Father:", "Indiferent parent"}}},
        {PriorsRoll::kFamilyHeritage, {50}, {{"Family Heritage:", "Honorable"}}},
        {PriorsRoll::kSiblings,
         {40, 3, 5, 50, 10, 15, 90, 80, 96},
         {{"Number of Siblings:", "2 siblings"}}},
        {PriorsRoll::kBirthOrder, {50}, {{"Order of Birth:", "Middle born (2nd)"}}},
    };
    for (const auto& s : steps) {
        ASSERT_EQ(step.NextRoll(), s.roll) << PriorsButtonLabel(s.roll);
        EXPECT_EQ(Roll(s.roll, s.entries), s.rows) << PriorsButtonLabel(s.roll);
        EXPECT_EQ(program_data.creation_stage, -1);
    }
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kNone);

    const Character_Class& c = current_character;
    EXPECT_EQ(c.circumstance_of_birth, "N/A");
    EXPECT_EQ(c.mother_code, 1);
    EXPECT_EQ(c.father_code, 2);
    EXPECT_EQ(c.stepparent, "Step Father is alive");
    EXPECT_EQ(c.social_id, 8);
    EXPECT_EQ(c.siblings, 2);
    EXPECT_STREQ(c.sibling[0],
                 "This sibling is male, alive, a normal relationship, and not a twin");
    EXPECT_STREQ(c.sibling[1], "This sibling is female, dead, a devoted friend, and is a twin");
    EXPECT_STREQ(c.sibling[2], "");
    EXPECT_EQ(step.MotherEffects().bp_bonus, 5);
    EXPECT_EQ(step.FatherEffects().minor_quirk, 1);
    EXPECT_EQ(step.MiddleChild(), 1);

    // Every roll was offered for the player's own dice, named as the game names it.
    const std::vector<std::pair<std::string, std::string>> asked = {
        {"Rolling for starting age of character", "1d4"},
        {"Rolling for handeness of character", "1d100"},
        {"Rolling for starting Height of character", "2d10"},
        {"Rolling for starting Weight of character", "3d20"},
        {"Rolling for social class of character", "1d100"},
        {"Rolling for circumstances of Birth 1d100", "1d100"},
        {"Rolling for status of mother", "1d100"},
        {"Rolling for status of father", "1d100"},
        {"Rolling for step parent", "1d20"},
        {"Rolling for status of step father", "1d100"},
        {"Rolling for quality of mother", "1d100"},
        {"Rolling for quality of father", "1d100"},
        {"Rolling for family heritage", "1d100"},
        {"Rolling for quantity of siblings", "1d100"},
        {"Rolling for sex of sibling", "1d20"},
        {"Rolling for dead or alive status of sibling", "1d100"},
        {"Rolling for nature of relationship with of sibling", "1d100"},
        {"Rolling for twin possibility sibling", "1d100"},
        {"Rolling for sex of sibling", "1d20"},
        {"Rolling for dead or alive status of sibling", "1d100"},
        {"Rolling for nature of relationship with of sibling", "1d100"},
        {"Rolling for twin possibility sibling", "1d100"},
        {"Rolling for order of birth", "1d100"},
    };
    ASSERT_EQ(port.questions.size(), asked.size());
    for (std::size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(port.questions[i].message, "Enter your own Dice Roll") << i;
        EXPECT_EQ(port.questions[i].caption, asked[i].first) << i;
        EXPECT_EQ(port.questions[i].prompt, asked[i].second) << i;
    }
    EXPECT_EQ(port.questions[2].min, 2);
    EXPECT_EQ(port.questions[2].max, 20);

    port.AnswerChoice(1); // the father's minor quirk: on 6H
    port.AnswerCancel();  // the middle child's: cancelled, so asked again
    port.AnswerChoice(0);
    program_data.quirk_bp[10] = 4;
    program_data.quirk_bp[800] = 9;
    EXPECT_EQ(step.Continue(), PriorsNext::kQuirkRolling);

    EXPECT_EQ(program_data.creation_stage, 6);
    EXPECT_FLOAT_EQ(program_data.building_points, 5.0f);
    EXPECT_EQ(program_data.money_roll_modifier, 0);
    EXPECT_EQ(program_data.pending_minor_quirks, 1);
    EXPECT_EQ(program_data.pending_major_quirks, 0);
    EXPECT_EQ(program_data.pending_personality_quirks, 1);
    EXPECT_EQ(program_data.quirk_rolls_pending, 2);
    EXPECT_EQ(program_data.pending_quirk_tables, (std::vector<std::string>{k6H, k6H}));
    EXPECT_EQ(program_data.quirk_bp[10], 0);
    EXPECT_EQ(program_data.quirk_bp[800], 9); // only the table's 800 entries are cleared
    ASSERT_EQ(port.questions.size(), asked.size() + 3);
    const auto& minor = port.questions[asked.size()];
    EXPECT_EQ(minor.kind, "choice");
    EXPECT_EQ(minor.caption, "Free Quirk or Flaw");
    EXPECT_EQ(minor.choices, (std::vector<std::string>{k6F, k6H}));
    EXPECT_EQ(port.questions[asked.size() + 2].choices, std::vector<std::string>{k6H});
    EXPECT_EQ(port.branches_updated.back(), "Prior and Particulars");

    const std::vector<std::string> expected = {
        "for starting age (15+1d4): rolled 18",
        "for Handeness (d100) (modified by high Dex and or Race to improve odds of an "
        "ambidextrous result) : rolled 23 = Right",
        "for Height (60+2d10): rolled 71",
        "for Weight (140+3d20): rolled 170",
        "for Social Class (d100): rolled 50 = Middle Middle Class",
        "Applying Modifier to Money Roll based on Social Class Middle Middle Class 0+0=0",
        "Applying Modifier to Starting Honor based on Social Class Middle Middle Class 0+0=0",
        "for Legitimacy of Birth (d100): rolled 40 (40+0), Legitimate",
        "for status of mother (d100): rolled 50 = Alive",
        "for status of father (d100): rolled 85 = Dead",
        "for step parent (d20): rolled 15 = Yes",
        "for status of step parent (d100): rolled 2 = Step Father is alive",
        "for quality of mother (d100+0): rolled 10 = Loving parent (+5 BP)",
        "for quality of father (d100+0): rolled 85 = Indiferent parent (+1 minor quirk)",
        "for family heritage (d100): rolled 50 = Honorable",
        "for quantity of siblings (d100): rolled 40 = 2 siblings",
        "for sex of sibling 1 (d20): rolled 3, sibling is male",
        "for dead or alive status of sibling 1 (d100): rolled 5, sibling is alive",
        "for nature of relationship with sibling 1 (d100): rolled 60 (50+10), sibling is a "
        "normal relationship",
        "for twin possibility with sibling 1 (d100+10): rolled 10, sibling is and not a twin",
        "for sex of sibling 2 (d20): rolled 15, sibling is female",
        "for dead or alive status of sibling 2 (d100): rolled 90, sibling is dead",
        "for nature of relationship with sibling 2 (d100): rolled 90 (80+10), sibling is a "
        "devoted friend",
        "for twin possibility with sibling 2 (d100+10): rolled 96, sibling is and is a twin",
        "for order of birth (d100): rolled 50 Middle born (2nd)",
        "Applying Modifier for Birth Order (+0) to Starting Money Roll +0 = 0",
        "Adjusted BP by 5 due to quality of mother",
        "Acquired a new minor quirk due to quality of father",
        "Acquired a new personality quirk due to being a middle child",
    };
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(RawLines()[26], "BP=5.0    | Adjusted BP by 5 due to quality of mother ");
}

// Each line takes the exchange's label: "Entered roll" where the typed number differs from
// the die, "Rolling" where it is the same; only the step mother's line always reads
// "Rolling".
TEST_F(PriorsStepTest, ResultLinesCarryTheExchangesLabel) {
    Roll(PriorsRoll::kAge, {4});
    Roll(PriorsRoll::kHandedness, {50});
    const std::vector<std::string> lines = RawLines();
    ASSERT_EQ(lines.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const bool typed_another = port.questions[i].value != (i == 0 ? 4 : 50);
        EXPECT_EQ(lines[i].substr(12, 12), typed_another ? "Entered roll" : "Rolling for ")
            << lines[i];
    }
}

TEST_F(PriorsStepTest, RollsOnlyInTheOfferedOrder) {
    EXPECT_EQ(std::string(PriorsButtonLabel(step.NextRoll())), "Begin Priors and Particulars");
    EXPECT_TRUE(step.Roll(PriorsRoll::kWeight).empty());
    EXPECT_TRUE(step.Roll(PriorsRoll::kNone).empty());
    EXPECT_TRUE(port.questions.empty());
    EXPECT_EQ(program_data.creation_stage, 5);
    Roll(PriorsRoll::kAge, {2});
    EXPECT_TRUE(step.Roll(PriorsRoll::kAge).empty()); // no roll is made twice
    EXPECT_EQ(current_character.age, 17);
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kHandedness);
}

TEST_F(PriorsStepTest, ContinueBeforeAnyRollDoesNothing) {
    EXPECT_EQ(step.Continue(), PriorsNext::kStay);
    EXPECT_EQ(program_data.creation_stage, 5);
    EXPECT_TRUE(Lines().empty());
    EXPECT_TRUE(port.branches_updated.empty());
}

TEST_F(PriorsStepTest, ContinueWithNothingOwedGoesToCherryPicking) {
    Roll(PriorsRoll::kAge, {1});
    current_character.birth_order = "2nd to last born";
    program_data.money_roll_modifier = 3;
    EXPECT_EQ(step.Continue(), PriorsNext::kCherryPicking);
    EXPECT_EQ(program_data.money_roll_modifier, 1);
    EXPECT_EQ(program_data.quirk_rolls_pending, 0);
    EXPECT_EQ(LinesFrom(1), std::vector<std::string>{
                                "Applying Modifier for Birth Order (-2) to Starting Money Roll "
                                "+3 = 1"});
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
    EXPECT_EQ(step.Continue(), PriorsNext::kCherryPicking);
    EXPECT_EQ(program_data.money_roll_modifier, -20);
    EXPECT_EQ(Lines().back(), "Applying Modifier for Birth Order (-20) to Starting Money Roll +0 "
                              "= -20");
}

// Abusive parents of an illegitimate child: +35 on both quality rolls, one free major quirk
// each, chosen between the two major tables.
TEST_F(PriorsStepTest, AbusiveParentsOweMajorQuirks) {
    RollBody();
    Roll(PriorsRoll::kLegitimacy, {95, 70, 80}); // an affair, the father known
    Roll(PriorsRoll::kMotherStatus, {50});
    Roll(PriorsRoll::kFatherStatus, {50});
    const std::size_t before = Lines().size();
    EXPECT_EQ(Roll(PriorsRoll::kMotherQuality, {57}),
              (Rows{{"Quality of Mother:", "Abusive parent"}}));
    Roll(PriorsRoll::kFatherQuality, {56});
    EXPECT_EQ(LinesFrom(before),
              (std::vector<std::string>{
                  "for quality of mother (d100+35): rolled 92 = Abusive parent (+1 major quirk)",
                  "for quality of father (d100+35): rolled 91 = Indiferent parent (+1 minor "
                  "quirk)"}));
    EXPECT_EQ(step.MotherEffects().major_quirk, 1);
    EXPECT_EQ(step.FatherEffects().minor_quirk, 1);

    port.AnswerChoice(0); // father's minor: 6F
    port.AnswerChoice(1); // mother's major: 6I
    EXPECT_EQ(step.Continue(), PriorsNext::kQuirkRolling);
    ASSERT_GE(port.questions.size(), 2u);
    EXPECT_EQ(port.questions.back().choices, (std::vector<std::string>{k6G, k6I}));
    EXPECT_EQ(program_data.pending_quirk_tables, (std::vector<std::string>{k6F, k6I}));
    EXPECT_EQ(program_data.pending_minor_quirks, 1);
    EXPECT_EQ(program_data.pending_major_quirks, 1);
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(lines[lines.size() - 2], "Acquired a new minor quirk due to quality of father");
    EXPECT_EQ(lines.back(), "Acquired a new major quirk due to quality of mother");
}

TEST_F(PriorsStepTest, ARejectedRollCostsOneBpAndIsNotKept) {
    BooksToUse[kRollYourOwnDice] = 0;
    program_data.building_points = 2.0f;
    QueueDieFaces({1, 4});
    port.AnswerNo();
    port.AnswerYes();
    EXPECT_EQ(step.Roll(PriorsRoll::kAge), (Rows{{"Age:", "19"}}));
    EXPECT_EQ(current_character.age, 19);
    EXPECT_FLOAT_EQ(program_data.building_points, 1.0f);
    ASSERT_EQ(port.questions.size(), 2u);
    EXPECT_EQ(port.questions[0].caption, "Accept this roll? (reroll costs 1BP)");
    EXPECT_EQ(port.questions[0].message,
              "BP=2.0    | Rolling for starting age (15+1d4): rolled 16\n");
    EXPECT_EQ(RawLines(), (std::vector<std::string>{
                              "BP=2.0    | Rolling for starting age (15+1d4): rolled 16 ",
                              "BP=1.0    | Spending 1 BP to re-roll ",
                              "BP=1.0    | Rolling for starting age (15+1d4): rolled 19 "}));
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

// The free tables are tables the quirk step can roll on.
TEST_F(PriorsStepTest, FreeQuirkTablesExistInTheQuirkTable) {
    for (const char* table : {k6F, k6G, k6H, k6I}) {
        bool found = false;
        for (const QuirkFlaw& entry : quirkflaw) {
            found = found || std::string(entry.table) == table;
        }
        EXPECT_TRUE(found) << table;
    }
}

} // namespace
