#pragma once

#include <array>
#include <cstdint>
#include <vector>

// An independent TT800 written the textbook way (the state as a ring indexed modulo 25), for
// checking the program's generator and for finding clock seeds that give chosen dice.
class ReferenceTt800 {
public:
    explicit ReferenceTt800(uint32_t clock);
    uint32_t Next();
    // One die as the game turns a number into a face.
    int Die(int sides);

private:
    std::array<uint32_t, 25> words_{};
    int next_ = 0;
};

// The first clock value (searching from `from`) whose first dice of `sides` sides come up as
// `faces`, in order. Seed the program's generator with it to make those rolls happen.
uint32_t ClockGivingRolls(int sides, const std::vector<int>& faces, uint32_t from = 1);

// The same for dice of differing sizes: faces[i] on a die of sides[i].
uint32_t ClockGivingMixedRolls(const std::vector<int>& sides, const std::vector<int>& faces,
                               uint32_t from = 1);
