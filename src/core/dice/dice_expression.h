#pragma once

#include <optional>
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

int RollExpression(const DiceExpression& dice);
