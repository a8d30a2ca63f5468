#pragma once

#include <optional>
#include <string>
#include <string_view>

// A dice expression as players write it: NdS, an optional +M or -M, an optional trailing p
// for penetrating dice ("3d6", "2d12-3", "1d20+2p").
struct DiceExpression {
    int count = 0;
    int sides = 0;
    int modifier = 0;
    bool penetrating = false;
};

std::optional<DiceExpression> ParseDiceExpression(std::string_view text);

// The largest dice a player may ask for: more than any table of the game rolls, small enough
// that a roll takes no time and no total overflows.
constexpr int kMostDice = 1000;
constexpr int kMostSides = 1000000;
constexpr int kLargestModifier = 1000000;

// Empty when the expression is within the limits above; otherwise what is beyond them
// ("more than 1000 dice").
std::string DiceBeyondLimits(const DiceExpression& dice);

int RollExpression(const DiceExpression& dice);
