#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/dice/dice.h"
#include "core/wizard/priors_step.h"
#include "step_fixture.h"
#include "support/race_fixtures.h"

// Shows a row in a failed expectation.
inline void PrintTo(const PriorsRow& row, std::ostream* out) {
    *out << '"' << row.caption << "\" \"" << row.text << '"';
}

// A character fresh from the first step (a human with Dexterity and Charisma 10, stage 5)
// whose player types in every roll ("Roll your own dice") and has no BP, so no roll is
// questioned.
class PriorsStepTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        race.illigitmod = race.illigitbirthmod = 0;
        GiveHumanBodyDice(race);
        current_character.dexterity_base = 10;
        current_character.charisma_base = 10;
        BooksToUse[kRollYourOwnDice] = 1;
        program_data.creation_stage = 5;
    }

    // Makes the offered roll with the player entering `entries`, which must all be asked for.
    // The program throws its own dice before each question: they show 0, which no typed roll
    // equals, so every roll is logged as entered; the faces left over are dropped.
    std::vector<PriorsRow> Roll(PriorsRoll roll, const std::vector<long>& entries) {
        for (long entry : entries) {
            port.AnswerNumber(entry);
            QueueDieFaces({0, 0, 0});
        }
        std::vector<PriorsRow> rows = step.Roll(roll);
        ClearQueuedDieFaces();
        EXPECT_EQ(port.AnswersLeft(), 0u) << "not every entry was asked for";
        return rows;
    }

    // Age, handedness, height, weight and a middle middle class: the rolls before the birth.
    void RollBody() {
        Roll(PriorsRoll::kAge, {1});
        Roll(PriorsRoll::kHandedness, {50});
        Roll(PriorsRoll::kHeight, {2});
        Roll(PriorsRoll::kWeight, {3});
        Roll(PriorsRoll::kSocialClass, {50});
    }

    PriorsStep step;
};
