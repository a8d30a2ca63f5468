// The critical-hit lookup (bands, clamp, messages) and the open-ended severity roll.
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/dice/vexl_random.h"
#include "core/gm/critical_hit.h"

namespace {

constexpr int kPuncturing = 0, kHacking = 1, kCrushing = 2, kMonsterBites = 3;
const std::string kNegated = "Severity level below 1; Critical Hit negated";
const std::string kIncomplete = "Error, incomplete data in program";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(Criticalhit, MessagesClampAndTheEdgesOfTheRollRange) {
    struct Case {
        const char* label;
        int roll;
        int severity;
        int type;
        std::string expected_start;
    };
    const Case cases[] = {
        {"top of the range", 10000, 1, kCrushing, "Head, top: "},
        {"above the range", 10001, 1, kCrushing, kIncomplete},
        {"below the range", -1, 3, kHacking, kIncomplete},
        {"far above", INT_MAX, 3, kHacking, kIncomplete},
        {"severity 30 reads as 24", 1500, 30, kHacking, "Thigh: x3, ls, d8, u, m10"},
        {"huge severity reads as 24", 1500, INT_MAX, kHacking, "Thigh: x3, ls, d8, u, m10"},
        {"severity 24 itself", 1500, 24, kHacking, "Thigh: x3, ls, d8, u, m10"},
        {"severity 25 reads as 24", 9950, 25, kMonsterBites, "Head, top: brain goo"},
        {"severity 0", 1500, 0, kHacking, kNegated},
        {"negative severity", 1500, -4, kCrushing, kNegated},
        {"lowest severity", 1500, INT_MIN, kPuncturing, kNegated},
        {"negation comes before a bad roll", 20000, 0, kHacking, kNegated},
        {"negation comes before a bad type", 1500, 0, -1, kNegated},
        {"no damage type", 1500, 3, -1, kIncomplete},
        {"damage type past the last", 1500, 3, 4, kIncomplete},
        {"severity 1 is looked up", 1500, 1, kHacking, "Thigh: 1"},
    };
    for (const Case& c : cases) {
        const std::string text = Criticalhit(c.roll, c.severity, c.type);
        EXPECT_TRUE(StartsWith(text, c.expected_start)) << c.label << ": got " << text;
        if (c.expected_start == kNegated || c.expected_start == kIncomplete) {
            EXPECT_EQ(text, c.expected_start) << c.label;
        }
    }
}

TEST(Criticalhit, RollZeroFindsTheFootTopExceptForPuncturingFive) {
    for (int type = 0; type < 4; ++type) {
        for (int severity = 1; severity <= 24; ++severity) {
            const std::string text = Criticalhit(0, severity, type);
            if (type == kPuncturing && severity == 5) {
                EXPECT_EQ(text, kIncomplete);
                EXPECT_TRUE(StartsWith(Criticalhit(1, severity, type), "Foot, top: "));
            } else {
                EXPECT_TRUE(StartsWith(text, "Foot, top: ")) << type << "/" << severity;
            }
        }
    }
}

TEST(Criticalhit, DamageTypeNamesFollowTheDropDown) {
    EXPECT_EQ(CriticalDamageTypeFromName("Puncturing"), kPuncturing);
    EXPECT_EQ(CriticalDamageTypeFromName("Hacking"), kHacking);
    EXPECT_EQ(CriticalDamageTypeFromName("Crushing"), kCrushing);
    EXPECT_EQ(CriticalDamageTypeFromName("Monster Bites"), kMonsterBites);
    EXPECT_EQ(CriticalDamageTypeFromName("hacking"), -1);
    EXPECT_EQ(CriticalDamageTypeFromName("Monster"), -1);
    EXPECT_EQ(CriticalDamageTypeFromName(""), -1);
}

TEST(CriticalLegend, ListsTheNotationInOrderUnderItsTitle) {
    ASSERT_EQ(kCriticalLegend.size(), 34u);
    EXPECT_STREQ(kCriticalLegend[0], "Critical Hit Notations");
    EXPECT_STREQ(kCriticalLegend[1], "numeral X = extra damage of dX type");
    EXPECT_STREQ(kCriticalLegend[7], "dX = reduce Deterity by X");
    EXPECT_STREQ(kCriticalLegend[12], "m1 = 50% move for 1 rd, 10% for 2d4 rds");
    EXPECT_STREQ(kCriticalLegend[21], "m10 = 75% for 1 week, 50% for 1d6 months");
    EXPECT_STREQ(kCriticalLegend[27], "sX - reduce Strength by x");
    EXPECT_STREQ(kCriticalLegend[33], "xX = X times the damage");
}

// Severity rolls with chosen dice; each case is worked out by hand from the rule.
TEST(CriticalSeverity, OpenEndedFacesFollowTheLastRoll) {
    struct Case {
        const char* label;
        int base;
        std::vector<int> rolls;
        int expected;
    };
    const Case cases[] = {
        {"plain roll", 3, {5}, 8},
        {"an 8 then 5: 3 + 8 + (5 + 3 - 1)", 3, {8, 5}, 18},
        {"a 1 then 4: 3 + 1 - (4 + 3 - 1)", 3, {1, 4}, -2},
        {"two 8s: 11 + 10 + 4", 3, {8, 8, 2}, 25},
        {"two 1s: 4 - 3 - 8", 3, {1, 1, 6}, -7},
        {"a 1 then an 8 turns upward: 4 - 10 + 6", 3, {1, 8, 4}, 0},
        {"an 8 then a 1 turns downward: 8 + 0 - 2", 0, {8, 1, 3}, 6},
        {"negative base: -2 + 8 + (3 - 2 - 1)", -2, {8, 3}, 6},
        {"2 and 7 are not open", 5, {7}, 12},
    };
    for (const Case& c : cases) {
        std::size_t next = 0;
        const int got = CriticalSeverityFromRolls(c.base, [&]() {
            EXPECT_LT(next, c.rolls.size()) << c.label << ": rolled once too often";
            return next < c.rolls.size() ? c.rolls[next++] : 2;
        });
        EXPECT_EQ(got, c.expected) << c.label;
        EXPECT_EQ(next, c.rolls.size()) << c.label << ": dice left unrolled";
    }
}

TEST(CriticalSeverity, HugeBaseDoesNotOverflow) {
    const std::vector<int> rolls = {8, 8, 8, 2};
    std::size_t next = 0;
    EXPECT_EQ(CriticalSeverityFromRolls(INT_MAX, [&]() { return rolls[next++]; }), INT_MAX);
    next = 0;
    const std::vector<int> falls = {1, 1, 1, 2};
    EXPECT_EQ(CriticalSeverityFromRolls(INT_MAX, [&]() { return falls[next++]; }), INT_MIN);
}

class CriticalHitDiceRollTest : public ::testing::Test {
protected:
    void TearDown() override { ResetVexlrand(); }

    // A d8 face from a raw generator number: its top three bits.
    static int Face(uint32_t raw) { return static_cast<int>(raw >> 29) + 1; }

    // A clock whose generator opens with `faces` on a d8. The first number is the clock
    // itself tempered, so the clocks tried are spread over the whole 32-bit range.
    static uint32_t ClockOpeningWith(const std::vector<int>& faces) {
        for (uint32_t i = 1;; ++i) {
            const uint32_t clock = i * 2654435761u;
            SeedVexlrandAsClock(clock);
            bool match = true;
            for (int face : faces) {
                match = match && Face(Vexlrand()) == face;
            }
            if (match) {
                return clock;
            }
        }
    }
};

TEST_F(CriticalHitDiceRollTest, WorkedExamplesOnTheGenerator) {
    struct Case {
        std::vector<int> faces;
        int expected;
    };
    const Case cases[] = {{{8, 5}, 18}, {{1, 4}, -2}, {{6}, 9}};
    for (const Case& c : cases) {
        const uint32_t clock = ClockOpeningWith(c.faces);
        SeedVexlrandAsClock(clock);
        EXPECT_EQ(CriticalHitDiceRoll(8, 1, 3), c.expected) << "clock " << clock;
        // Exactly those dice were drawn: the next number is the one after them.
        SeedVexlrandAsClock(clock);
        for (std::size_t i = 0; i < c.faces.size(); ++i) {
            Vexlrand();
        }
        const uint32_t after = Vexlrand();
        SeedVexlrandAsClock(clock);
        CriticalHitDiceRoll(8, 1, 3);
        EXPECT_EQ(Vexlrand(), after) << "clock " << clock;
    }
}

TEST_F(CriticalHitDiceRollTest, OneSidedDieEndsAtOnce) {
    SeedVexlrandAsClock(77);
    EXPECT_EQ(CriticalHitDiceRoll(1, 1, 3), 4);
    EXPECT_EQ(CriticalHitDiceRoll(8, 0, 3), 3);
}

} // namespace
