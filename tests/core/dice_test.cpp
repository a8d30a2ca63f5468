#include <limits>
#include <set>

#include <gtest/gtest.h>

#include "core/dice/dice.h"
#include "core/dice/dice_expression.h"
#include "core/dice/vexl_random.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/wizard/ability_race_step.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

namespace {

class DiceTest : public WorkspaceTest {};

TEST_F(DiceTest, EmptyDiceGiveZeroAndTotalsStopAtTheLimitsOfAnInt) {
    EXPECT_EQ(DiceRoll(6, 0) + DiceRoll(0, 3), 0);
    EXPECT_EQ(DiceRollM(6, 0, 5), 0) << "no dice, no modifier either";
    EXPECT_EQ(DiceRollPenM(-4, 2, 3), 0);
    EXPECT_EQ(DiceRollAll(6, -1, 2, 1), 0);
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    QueueDieFaces({1, 6, 2, 3, 4});
    EXPECT_EQ(DiceRollM(6, 1, kMax), kMax);
    EXPECT_EQ(DiceRollM(6, 1, kMin), kMin + 6); // a die on top of the lowest int still fits
    EXPECT_EQ(DiceRollPenM(6, 3, kMax), kMax);
    QueueDieFaces({kMax, kMax, kMax, kMax});
    EXPECT_EQ(DiceRoll(kMax, 4), kMax);
    const struct {
        const char* text;
        const char* beyond;
    } cases[] = {
        {"1000d1000000+1000000p", ""},
        {"1000d6-1000000", ""},
        {"1001d6", "more than 1000 dice"},
        {"2147483647d6", "more than 1000 dice"},
        {"4d2147483647", "a die of more than 1000000 sides"},
        {"1d6+1000001", "a modifier beyond 1000000"},
        {"1d6-2147483647p", "a modifier beyond 1000000"},
    };
    for (const auto& k : cases) {
        const auto dice = ParseDiceExpression(k.text);
        ASSERT_TRUE(dice) << k.text;
        EXPECT_EQ(DiceBeyondLimits(*dice), k.beyond) << k.text;
    }
}

// Clock 1 draws 1 and then 2424420684 (0.56448 of 2^32): a die turns the fraction of 2^32 into
// a face by truncating sides times it and adding one.
TEST_F(DiceTest, ADieScalesTheGeneratorsDrawAndARangeIsCoveredWhole) {
    const int second_faces[][2] = {{1, 1}, {6, 4}, {20, 12}, {100, 57}, {10000, 5645}};
    for (const auto& [sides, face] : second_faces) {
        SeedVexlrandAsClock(1);
        EXPECT_EQ(RollDie(sides), 1) << "d" << sides;
        EXPECT_EQ(RollDie(sides), face) << "d" << sides;
    }
    SeedVexlrandAsClock(1);
    Vexlrand();
    EXPECT_EQ(RollRange(3, 7), 3 + 2); // 5 * 0.56448 = 2.8
    // Over many draws a range is covered from end to end.
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        seen.insert(RollRange(3, 7));
    }
    EXPECT_EQ(seen, (std::set<int>{3, 4, 5, 6, 7}));
}

// Faces queued for each roll, and the total by hand: without penetration the modifier counts
// once; with it, a highest face adds a die, every die after the first counts one less, and
// the modifier joins every die; a one-sided die never penetrates.
TEST_F(DiceTest, PenetrationAndModifiers) {
    QueueDieFaces({6, 6, 1});
    EXPECT_EQ(DiceRollM(6, 3, -2), 11);
    QueueDieFaces({20, 7});
    EXPECT_EQ(DiceRollPenM(20, 1, 2), (20 + 2) + (7 - 1 + 2));
    QueueDieFaces({4, 6, 2, 5});
    EXPECT_EQ(DiceRollPen(6, 3), 4 + 5 + 1 + 4);
    QueueDieFaces({4, 4, 4, 1});
    EXPECT_EQ(DiceRollPen(4, 1), 4 + 3 + 3 + 0);
    EXPECT_EQ(DiceRollPen(1, 1), 1);
    EXPECT_EQ(DiceRollPenM(1, 3, 2), (1 + 2) + (0 + 2) + (0 + 2));
}

TEST_F(DiceTest, RollStatsRollsScoreThenFractionAndLogsThem) {
    ScriptedPort port;
    std::snprintf(program_data.log_file_name, kLogFileNameSize, "%s", "30.log");
    program_data.building_points = 4.0f;
    QueueDieFaces(
        {1, 2, 3, 41, 6, 6, 6, 100, 2, 2, 2, 7, 5, 5, 5, 1, 3, 4, 5, 50, 1, 1, 1, 99, 6, 5, 4, 12});
    RollStats();
    EXPECT_EQ(ReadFile("30.log"),
              "BP=4.0    | Rolling Ability Scores STR=6/41 DEX=18/100 CON=6/7 INT=15/1 "
              "WIS=12/50 CHR=3/99 COM=15/12 \n");
    EXPECT_EQ(current_character.strength_base, 6);
    EXPECT_EQ(current_character.comeliness_perc, 12);
}

} // namespace
