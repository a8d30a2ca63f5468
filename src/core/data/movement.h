#pragma once

#include <cstdint>

// The current character's movement rate from a base rate (the race's `move`): Barbarians
// move 3 faster; a lost leg slows the character unless a Peg Leg skill makes up for it.
//   "Amputee, Double, Leg": -4 without a Peg Leg skill, -1 with one.
//   "Amputee, Leg":         -3 without a Peg Leg skill, nothing with one.
// The first of these quirks in the character's list counts. With two or more Peg Leg
// skills neither quirk changes the rate.
int32_t GetMovement(int32_t base);
