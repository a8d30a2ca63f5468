// The critical-hit lookup (bands, clamp, messages) and the open-ended severity roll.
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/dice/dice.h"
#include "core/gm/critical_hit.h"
#include "support/golden.h"

namespace {

constexpr int kPuncturing = 0, kHacking = 1, kCrushing = 2, kMonsterBites = 3;
// The edges of the roll range, the severity clamp, the two messages and a few telling cells,
// each case's text against tests/golden/critical_hit_edges.txt.
TEST(Criticalhit, MessagesClampAndTheEdgesOfTheRollRange) {
    const struct {
        const char* label;
        int roll, severity, type;
    } cases[] = {
        {"top of the range", 10000, 1, kCrushing},
        {"bottom of the range", 0, 1, kCrushing},
        {"puncturing 5 starts at 1", 0, 5, kPuncturing},
        {"and has its foot at 1", 1, 5, kPuncturing},
        {"above the range", 10001, 1, kCrushing},
        {"below the range", -1, 3, kHacking},
        {"far above", INT_MAX, 3, kHacking},
        {"huge severity reads as 24", 1500, INT_MAX, kHacking},
        {"severity 24 itself", 1500, 24, kHacking},
        {"severity 25 reads as 24", 9950, 25, kMonsterBites},
        {"severity 0", 1500, 0, kHacking},
        {"lowest severity", 1500, INT_MIN, kPuncturing},
        {"negation comes before a bad roll", 20000, 0, kHacking},
        {"negation comes before a bad type", 1500, 0, -1},
        {"no damage type", 1500, 3, -1},
        {"damage type past the last", 1500, 3, 4},
        {"telling cells: thigh", 1217, 1, kHacking},
        {"thigh", 2000, 6, kHacking},
        {"thigh", 1500, 12, kHacking},
        {"head", 9924, 18, kMonsterBites},
    };
    std::string texts;
    for (const auto& c : cases) {
        texts += std::string(c.label) + ": " + Criticalhit(c.roll, c.severity, c.type) + '\n';
    }
    ExpectMatchesGolden("critical_hit_edges.txt", texts);
}

TEST(Criticalhit, DamageTypeNamesFollowTheDropDownAndTheLegendIsReviewed) {
    const std::pair<const char*, int> names[] = {{"Puncturing", kPuncturing},
                                                 {"Hacking", kHacking},
                                                 {"Crushing", kCrushing},
                                                 {"Monster Bites", kMonsterBites},
                                                 {"hacking", -1},
                                                 {"Monster", -1},
                                                 {"", -1}};
    for (const auto& [name, type] : names) {
        EXPECT_EQ(CriticalDamageTypeFromName(name), type) << name;
    }
    std::string legend;
    for (const char* item : kCriticalLegend) {
        legend += std::string(item) + '\n';
    }
    ExpectMatchesGolden("critical_legend.txt", legend);
}

// Severity rolls with chosen dice; each case is worked out by hand from the rule, and a total
// beyond an int stops at its limit.
TEST(CriticalSeverity, OpenEndedFacesFollowTheLastRoll) {
    const struct {
        const char* label;
        int base;
        std::vector<int> rolls;
        int expected;
    } cases[] = {
        {"plain roll", 3, {5}, 8},
        {"an 8 then 5: 3 + 8 + (5 + 3 - 1)", 3, {8, 5}, 18},
        {"a 1 then 4: 3 + 1 - (4 + 3 - 1)", 3, {1, 4}, -2},
        {"two 8s: 11 + 10 + 4", 3, {8, 8, 2}, 25},
        {"two 1s: 4 - 3 - 8", 3, {1, 1, 6}, -7},
        {"a 1 then an 8 turns upward: 4 - 10 + 6", 3, {1, 8, 4}, 0},
        {"an 8 then a 1 turns downward: 8 + 0 - 2", 0, {8, 1, 3}, 6},
        {"negative base: -2 + 8 + (3 - 2 - 1)", -2, {8, 3}, 6},
        {"2 and 7 are not open", 5, {7}, 12},
        {"a huge base saturates upward", INT_MAX, {8, 8, 8, 2}, INT_MAX},
        {"and downward", INT_MAX, {1, 1, 1, 2}, INT_MIN},
    };
    for (const auto& c : cases) {
        std::size_t next = 0;
        const int got = CriticalSeverityFromRolls(c.base, [&]() {
            EXPECT_LT(next, c.rolls.size()) << c.label << ": rolled once too often";
            return next < c.rolls.size() ? c.rolls[next++] : 2;
        });
        EXPECT_EQ(got, c.expected) << c.label;
        EXPECT_EQ(next, c.rolls.size()) << c.label << ": dice left unrolled";
    }
}

TEST(CriticalHitDiceRoll, RollsTheDieOpenEndedOnTheModifier) {
    QueueDieFaces({8, 5});
    EXPECT_EQ(CriticalHitDiceRoll(8, 1, 3), 18);
    QueueDieFaces({1});
    EXPECT_EQ(CriticalHitDiceRoll(1, 1, 3), 4); // a one-sided die ends at once
    EXPECT_EQ(CriticalHitDiceRoll(8, 0, 3), 3);
    EXPECT_EQ(QueuedDieFacesLeft(), 0) << "exactly the dice of the rule were rolled";
}

} // namespace
