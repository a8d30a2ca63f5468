#pragma once

#include <span>
#include <string>
#include <vector>

// Values the character file and the sheet show but never read back: saving throws and
// movement by load, worked out from the current character, its race and its class.

struct SavingThrowLine {
    const char* full;   // "Rods"
    const char* abbr;   // "Rod"
    const char* lookup; // the save name passed to GetSave: "Rod"
};

// The thirteen saves in the order the character file lists them.
std::span<const SavingThrowLine> SavingThrowLines();

// One load category: the strength table's load range and the movement rate under it.
struct MovementBand {
    const char* full; // "Unencumbered"
    const char* abbr; // "Unenc"
    std::string load; // "0 - 35", "36 - 70" ...
    std::string rate; // "12", "9", "6.75" ...
};

// Unencumbered, Light, Moderate, Heavy and Severe for the current character: the race's
// base rate M (0 without a race) through GetMovement; light is M x 0.75 written as a
// decimal, moderate M / 2 and heavy M / 4 in whole numbers, severe always 1.
std::vector<MovementBand> MovementBands();

// The strength table's weight allowance for the current character.
std::string WeightAllowance();
