#include <functional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/dice/dice.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/wizard/fighter_background.h"
#include "step_fixture.h"
#include "support/golden.h"

namespace {

// The three training tables (they share their bands), the social class and Charisma modifiers,
// against the reviewed golden tests/golden/fighter_training_tables.txt.
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
    text += "== Charisma modifier by Charisma: half the reaction adjustment, whatever its sign\n";
    text += Bands(1, 25,
                  [](int charisma) { return std::to_string(CharismaCampModifier(charisma, 0)); });
    ExpectMatchesGolden("fighter_training_tables.txt", text);
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
    FighterBackground step;
    std::vector<int> rolls;
    std::size_t next_roll = 0;
    std::vector<std::string> dice_asked;
};

// Backgrounds rolled as far as they go, each from a fresh record of the middle middle class
// with Charisma 10: the questions, the log lines with their balance and what the record and
// the step hold, against the reviewed golden tests/golden/fighter_backgrounds.txt.
TEST_F(FighterBackgroundTest, BackgroundsMatchTheReviewedTranscripts) {
    const struct {
        const char* name;
        std::function<void()> arrange;
        std::vector<long> typed; // the player's own dice, if any; -1 rejects a roll
        std::vector<int> dice;   // else the scripted dice
        int rolls;
    } cases[] = {
        {"the program's dice: 15 +7 upper middle class +2 Charisma 16",
         [] {
             current_character.social_id = 10;
             current_character.social_class = "Upper Middle Class";
             current_character.charisma_base = 16;
             QueueDieFaces({6, 5, 4});
         },
         {},
         {},
         1},
        {"an escaped criminal reaches at best a militia camp",
         [] {
             current_character.social_id = 2;
             current_character.social_class = "escaped criminal";
         },
         {18},
         {},
         1},
        {"1 BP: the rejected camp costs it and the next roll is taken",
         [] { program_data.building_points = 1.0f; },
         {3, -1, 12},
         {},
         1},
        {"royal guardsmen make top notch reachable",
         [] { current_character.social_id = 12; },
         {16, 14},
         {},
         2},
        {"horrific training degrades and costs two honor",
         [] {
             current_character.honor_adjustment = 1;
             current_character.free_proficiencies = 1;
         },
         {4, 5, 13},
         {},
         3},
        {"poor results, weapon training 1", [] {}, {12, 12, 5, 1}, {}, 3},
        {"poor results, weapon training 50", [] {}, {12, 12, 5, 50}, {}, 3},
        {"poor results, weapon training 51", [] {}, {12, 12, 5, 51}, {}, 3},
        {"poor results, weapon training 100", [] {}, {12, 12, 5, 100}, {}, 3},
        {"good results owe a full melee proficiency", [] {}, {}, {12, 12, 17}, 3},
        {"the weapon training rolls 1d100", [] {}, {}, {12, 12, 5, 73}, 3},
    };
    std::ostringstream out;
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        port.questions.clear();
        dice_asked.clear();
        rolls = c.dice;
        next_roll = 0;
        FighterBackground background;
        background.dice = c.dice.empty() && c.typed.empty() ? nullptr : step.dice;
        c.arrange();
        BooksToUse[kRollYourOwnDice] = c.typed.empty() ? 0 : 1;
        for (long typed : c.typed) {
            typed < 0 ? port.AnswerNo() : port.AnswerNumber(typed);
        }
        const std::string results[] = {background.TypeofTrainingCamp2C(),
                                       c.rolls > 1 ? background.QualityofBasicTraining2D() : "",
                                       c.rolls > 2 ? background.ResultsofBasicTraining2E() : ""};
        EXPECT_EQ(port.AnswersLeft(), 0u) << c.name;
        const auto& q = background.quality_values;
        out << "== " << c.name << '\n'
            << Transcript() << "shown: " << results[0] << " / " << results[1] << " / " << results[2]
            << "\ncamp: " << current_character.camp_type << ' ' << background.camp_modifier
            << " | quality: " << current_character.camp_quality << ' ' << q[0] << '/' << q[1] << '/'
            << q[2] << " | results " << background.results_code << " '"
            << background.FreeProficiencyKind() << "' | honor adjustment "
            << current_character.honor_adjustment << " | dice";
        for (const std::string& dice : dice_asked) {
            out << ' ' << dice;
        }
        out << " | stage " << program_data.creation_stage << " | next "
            << static_cast<int>(background.NextRoll()) << '\n';
    }
    ExpectMatchesGolden("fighter_backgrounds.txt", out.str());
}

TEST_F(FighterBackgroundTest, WithoutADiceLogYetTheCampRollNamesOne) {
    program_data.log_file_name[0] = '\0';
    QueueDieFaces({12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 1}); // the name's 12d12
    rolls = {11};
    step.TypeofTrainingCamp2C();
    ASSERT_EQ(std::string(program_data.log_file_name), "133.log");
    EXPECT_EQ(ReadFile("133.log"), "BP=0.0    | Rolling for Type of Training Camp (3d6): rolled "
                                   "11(+0 Middle Middle Class +0 Charisma Reaction Adj) = 11 = "
                                   "regular army boot camp \n");
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(FighterBackgroundTest, RollsOutOfTurnDoNothing) {
    EXPECT_EQ(step.QualityofBasicTraining2D(), "");
    EXPECT_EQ(step.ResultsofBasicTraining2E(), "");
    EXPECT_EQ(StepLog(), "");
    BooksToUse[kRollYourOwnDice] = 1;
    port.AnswerNumber(12);
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
            BooksToUse[kRollYourOwnDice] = 1;
            port.AnswerNumber(12);
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
