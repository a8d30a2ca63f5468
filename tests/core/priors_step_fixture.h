#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/dice/vexl_random.h"
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
        SeedVexlrandAsClock(4321);
    }

    // Makes the offered roll with the player entering `entries`, which must all be asked for.
    std::vector<PriorsRow> Roll(PriorsRoll roll, const std::vector<long>& entries) {
        for (long entry : entries) {
            port.AnswerNumber(entry);
        }
        std::vector<PriorsRow> rows = step.Roll(roll);
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

    // The same lines without the balance and with the roll label ("Rolling" or "Entered roll",
    // which depends on what the generator happened to roll) left out.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (std::string line : StepTest::Lines()) {
            for (const char* label : {"Entered roll for ", "Rolling for "}) {
                if (line.rfind(label, 0) == 0) {
                    line = "for " + line.substr(std::string(label).size());
                }
            }
            lines.push_back(line);
        }
        return lines;
    }

    // The lines logged from `first` on.
    std::vector<std::string> LinesFrom(std::size_t first) const {
        const std::vector<std::string> all = Lines();
        return first < all.size() ? std::vector<std::string>(all.begin() + first, all.end())
                                  : std::vector<std::string>{};
    }

    PriorsStep step;
};
