#include "support/reference_dice.h"

ReferenceTt800::ReferenceTt800(uint32_t clock) {
    words_[0] = clock | 1u;
    for (int i = 1; i < 25; ++i) {
        words_[i] = static_cast<uint32_t>(uint64_t{words_[i - 1]} * 69069u);
    }
}

uint32_t ReferenceTt800::Next() {
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

int ReferenceTt800::Die(int sides) {
    // sides * (y / 2^32), truncated, plus one: the same as (sides * y) >> 32 in integers.
    return static_cast<int>((static_cast<uint64_t>(sides) * Next()) >> 32) + 1;
}

uint32_t ClockGivingMixedRolls(const std::vector<int>& sides, const std::vector<int>& faces,
                               uint32_t from) {
    // Only odd clocks differ: the seed forces the lowest bit on.
    for (uint32_t clock = from | 1u;; clock += 2) {
        ReferenceTt800 reference(clock);
        bool all = true;
        for (std::size_t i = 0; i < faces.size() && all; ++i) {
            all = reference.Die(sides[i]) == faces[i];
        }
        if (all) {
            return clock;
        }
    }
}

uint32_t ClockGivingRolls(int sides, const std::vector<int>& faces, uint32_t from) {
    return ClockGivingMixedRolls(std::vector<int>(faces.size(), sides), faces, from);
}
