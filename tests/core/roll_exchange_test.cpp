#include <gtest/gtest.h>

#include "core/dice/roll_exchange.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "step_fixture.h"

namespace {

// A table roll as a step would make it: 3d6 for a training camp. The questions and the log
// of a test are its reviewed transcript golden.
class RollExchangeTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        request.sides = 6;
        request.count = 3;
        request.caption = "Rolling for Type of Training Camp";
        request.roll = [this] { return next_rolls.at(rolls_made++); };
    }

    RollOutcome Run() {
        return RollUntilAccepted(
            request,
            [](const std::string& label, int roll) {
                return label + " for Type of Training Camp (3d6): rolled " + std::to_string(roll);
            },
            [this](int roll) { stored.push_back(roll); });
    }

    RollRequest request;
    std::vector<int> next_rolls;
    std::size_t rolls_made = 0;
    std::vector<int> stored;
};

TEST_F(RollExchangeTest, EachRejectionCostsOneBpUntilNoneAreLeft) {
    program_data.building_points = 2.0f;
    next_rolls = {4, 5, 6};
    port.AnswerNo();
    port.AnswerNo();
    EXPECT_EQ(Run().label, "Rolling");
    // After two rejections the balance is 0: the third roll is taken without a question.
    EXPECT_EQ(stored, std::vector<int>{6});
    ExpectTranscriptMatchesGolden();
}

// Accepting keeps the balance; a fractional balance can go below 0 on the last re-roll.
TEST_F(RollExchangeTest, AcceptingIsFreeAndTheLastRerollMayOverdraw) {
    const struct {
        float balance;
        bool accept_first;
        std::vector<int> stored;
        float after;
    } cases[] = {{3.0f, true, {12}, 3.0f}, {3.0f, false, {8}, 2.0f}, {0.5f, false, {8}, -0.5f}};
    for (const auto& c : cases) {
        program_data.building_points = c.balance;
        next_rolls = {12, 8};
        rolls_made = 0;
        stored.clear();
        c.accept_first ? port.AnswerYes() : port.AnswerNo();
        if (!c.accept_first && c.balance > 1.0f) {
            port.AnswerYes();
        }
        Run();
        EXPECT_EQ(stored, c.stored) << c.balance;
        EXPECT_FLOAT_EQ(program_data.building_points, c.after) << c.balance;
    }
}

TEST_F(RollExchangeTest, OwnRollAsksWithTheDiceBoundsAndRepeatsOnCancel) {
    BooksToUse[kRollYourOwnDice] = 1;
    next_rolls = {10};
    port.AnswerCancel();
    port.AnswerNumber(17);
    const RollOutcome outcome = Run();
    ASSERT_EQ(port.questions.size(), 2u);
    EXPECT_EQ(port.questions[1].value, 10) << "the dice's roll is offered";
    EXPECT_EQ(outcome.label, "Entered roll");
    EXPECT_EQ(stored, std::vector<int>{17});
    ExpectTranscriptMatchesGolden();
}

TEST_F(RollExchangeTest, OwnRollEqualToTheDiceKeepsTheRollingLabel) {
    BooksToUse[kRollYourOwnDice] = 1;
    next_rolls = {10};
    port.AnswerNumber(10);
    EXPECT_EQ(Run().label, "Rolling");
}

} // namespace
