#include <limits>

#include <gtest/gtest.h>

#include "core/dice/dice.h"
#include "core/dice/dice_expression.h"
#include "core/dice/vexl_random.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "support/reference_dice.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

namespace {

class DiceTest : public WorkspaceTest {};

TEST_F(DiceTest, EmptyDiceGiveZeroWithoutTheModifier) {
    SeedVexlrandAsClock(3);
    EXPECT_EQ(DiceRoll(6, 0), 0);
    EXPECT_EQ(DiceRoll(0, 3), 0);
    EXPECT_EQ(DiceRollM(6, 0, 5), 0);
    EXPECT_EQ(DiceRollPenM(-4, 2, 3), 0);
    EXPECT_EQ(DiceRollAll(6, -1, 2, 1), 0);
}

TEST_F(DiceTest, TotalsBeyondAnIntStopAtItsLimitAndExpressionsHaveLimits) {
    SeedVexlrandAsClock(3);
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(DiceRollM(6, 1, kMax), kMax);
    const int lowest = DiceRollM(6, 1, kMin); // a die on top of the lowest int still fits
    EXPECT_TRUE(lowest > kMin && lowest <= kMin + 6) << lowest;
    EXPECT_EQ(DiceRollPenM(6, 3, kMax), kMax);
    EXPECT_GT(DiceRoll(kMax, 4), 0);
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

TEST_F(DiceTest, DiceFollowTheGeneratorFaceByFace) {
    const uint32_t clock = 1234567;
    ReferenceTt800 reference(clock);
    SeedVexlrandAsClock(clock);
    for (int sides : {1, 2, 6, 20, 100, 10000}) {
        for (int i = 0; i < 50; ++i) {
            ASSERT_EQ(RollDie(sides), reference.Die(sides)) << "d" << sides;
        }
    }
}

TEST_F(DiceTest, RollRangeCoversBothEnds) {
    SeedVexlrandAsClock(77);
    bool saw_low = false, saw_high = false;
    for (int i = 0; i < 2000; ++i) {
        const int r = RollRange(3, 7);
        ASSERT_GE(r, 3);
        ASSERT_LE(r, 7);
        saw_low = saw_low || r == 3;
        saw_high = saw_high || r == 7;
    }
    EXPECT_TRUE(saw_low);
    EXPECT_TRUE(saw_high);
}

TEST_F(DiceTest, ModifierCountsOnceWithoutPenetration) {
    SeedVexlrandAsClock(ClockGivingRolls(6, {6, 6, 1}));
    EXPECT_EQ(DiceRollM(6, 3, -2), 11);
}

TEST_F(DiceTest, PenetratingD20ThatShowsTwentyAddsADie) {
    // 20 penetrates; the added 7 counts one less; the modifier joins every die.
    SeedVexlrandAsClock(ClockGivingRolls(20, {20, 7}));
    EXPECT_EQ(DiceRollPenM(20, 1, 2), (20 + 2) + (7 - 1 + 2));
}

TEST_F(DiceTest, PenetratingDiceAfterTheFirstCountOneLess) {
    SeedVexlrandAsClock(ClockGivingRolls(6, {4, 6, 2, 5}));
    EXPECT_EQ(DiceRollPen(6, 3), 4 + 5 + 1 + 4);
}

TEST_F(DiceTest, PenetrationChainsWhileTheHighestFaceComesUp) {
    SeedVexlrandAsClock(ClockGivingRolls(4, {4, 4, 4, 1}));
    EXPECT_EQ(DiceRollPen(4, 1), 4 + 3 + 3 + 0);
}

TEST_F(DiceTest, OneSidedPenetratingDieStops) {
    SeedVexlrandAsClock(9);
    EXPECT_EQ(DiceRollPen(1, 1), 1);
    EXPECT_EQ(DiceRollPenM(1, 3, 2), (1 + 2) + (0 + 2) + (0 + 2));
}

TEST_F(DiceTest, RollStatsRollsScoreThenFractionAndLogsThem) {
    ScriptedPort port;
    std::snprintf(program_data.log_file_name, kLogFileNameSize, "%s", "30.log");
    program_data.building_points = 4.0f;
    const uint32_t clock = 4242;
    ReferenceTt800 reference(clock);
    int expected[7][2];
    for (auto& ability : expected) {
        ability[0] = reference.Die(6) + reference.Die(6) + reference.Die(6);
        ability[1] = reference.Die(100);
    }
    SeedVexlrandAsClock(clock);
    RollStats();
    auto scores = current_character.Scores();
    auto fractions = current_character.Percentiles();
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(*scores[i], expected[i][0]) << i;
        EXPECT_EQ(*fractions[i], expected[i][1]) << i;
    }
    char line[300];
    std::snprintf(line, sizeof line,
                  "BP=4.0    | Rolling Ability Scores STR=%i/%i DEX=%i/%i CON=%i/%i INT=%i/%i "
                  "WIS=%i/%i CHR=%i/%i COM=%i/%i \n",
                  expected[0][0], expected[0][1], expected[1][0], expected[1][1], expected[2][0],
                  expected[2][1], expected[3][0], expected[3][1], expected[4][0], expected[4][1],
                  expected[5][0], expected[5][1], expected[6][0], expected[6][1]);
    EXPECT_EQ(ReadFile("30.log"), line);
}

} // namespace
