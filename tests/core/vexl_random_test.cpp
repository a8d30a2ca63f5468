#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include "core/dice/vexl_random.h"

namespace {

// An independent TT800 written the textbook way: the state as a ring indexed modulo 25.
class ReferenceTt800 {
public:
    explicit ReferenceTt800(uint32_t clock) {
        words_[0] = clock | 1u;
        for (int i = 1; i < 25; ++i) {
            words_[i] = static_cast<uint32_t>(uint64_t{words_[i - 1]} * 69069u);
        }
    }
    uint32_t Next() {
        if (next_ == 25) {
            for (int i = 0; i < 25; ++i) {
                const uint32_t w = words_[i];
                words_[i] = words_[(i + 7) % 25] ^ (w >> 1) ^ ((w & 1u) ? 0x8ebfd028u : 0u);
            }
            next_ = 0;
        }
        uint32_t y = words_[next_++];
        y ^= (y << 7) & 0x2b5b2500u;
        y ^= (y << 15) & 0xdb8b0000u;
        y ^= y >> 16;
        return y;
    }

private:
    std::array<uint32_t, 25> words_{};
    int next_ = 0;
};

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

}  // namespace
