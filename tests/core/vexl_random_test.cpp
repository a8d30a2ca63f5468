#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include "core/dice/vexl_random.h"
#include "support/reference_dice.h"

namespace {

class VexlrandTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetVexlClock(nullptr);
        ResetVexlrand();
    }
};

TEST_F(VexlrandTest, ClockOneGivesTheTemperedSeedWords) {
    SeedVexlrandAsClock(1);
    // Tempering leaves 1 unchanged: neither shifted copy meets its mask.
    EXPECT_EQ(Vexlrand(), 1u);
    // Word 1 is 69069; the second draw is that word tempered.
    ReferenceTt800 reference(1);
    reference.Next();
    EXPECT_EQ(Vexlrand(), reference.Next());
}

TEST_F(VexlrandTest, EvenClockIsForcedOdd) {
    SeedVexlrandAsClock(1000);
    const uint32_t even = Vexlrand();
    SeedVexlrandAsClock(1001);
    EXPECT_EQ(Vexlrand(), even);
}

TEST_F(VexlrandTest, MatchesReferenceAcrossSeveralRegenerations) {
    for (uint32_t clock : {1u, 1700000000u, 0xffffffffu}) {
        SeedVexlrandAsClock(clock);
        ReferenceTt800 reference(clock);
        for (int i = 0; i < 25 * 4 + 3; ++i) {
            ASSERT_EQ(Vexlrand(), reference.Next()) << "clock " << clock << " draw " << i;
        }
    }
}

TEST_F(VexlrandTest, SeedsItselfFromTheClockAtTheFirstDraw) {
    SetVexlClock([]() -> uint32_t { return 42; });
    ResetVexlrand();
    const uint32_t first = Vexlrand();
    SeedVexlrandAsClock(42);
    EXPECT_EQ(Vexlrand(), first);
}

} // namespace
