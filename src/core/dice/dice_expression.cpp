#include "core/dice/dice_expression.h"

#include <charconv>

#include "core/dice/dice.h"

namespace {

// Reads the digits at the front of `text` into `value`; false when there are none or the
// number does not fit.
bool TakeNumber(std::string_view& text, int& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end == first) {
        return false;
    }
    text.remove_prefix(static_cast<std::size_t>(end - first));
    return true;
}

} // namespace

std::optional<DiceExpression> ParseDiceExpression(std::string_view text) {
    DiceExpression dice;
    if (text.empty() || text.front() == '-' || text.front() == '+') {
        return std::nullopt;
    }
    if (!TakeNumber(text, dice.count) || text.empty() ||
        (text.front() != 'd' && text.front() != 'D')) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    if (text.empty() || text.front() == '-' || text.front() == '+' ||
        !TakeNumber(text, dice.sides)) {
        return std::nullopt;
    }
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        const bool negative = text.front() == '-';
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-' || text.front() == '+' ||
            !TakeNumber(text, dice.modifier)) {
            return std::nullopt;
        }
        if (negative) {
            dice.modifier = -dice.modifier;
        }
    }
    if (!text.empty() && text.front() == 'p') {
        dice.penetrating = true;
        text.remove_prefix(1);
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return dice;
}

std::string DiceBeyondLimits(const DiceExpression& dice) {
    if (dice.count > kMostDice) {
        return "more than " + std::to_string(kMostDice) + " dice";
    }
    if (dice.sides > kMostSides) {
        return "a die of more than " + std::to_string(kMostSides) + " sides";
    }
    if (dice.modifier > kLargestModifier || dice.modifier < -kLargestModifier) {
        return "a modifier beyond " + std::to_string(kLargestModifier);
    }
    return {};
}

int RollExpression(const DiceExpression& dice) {
    return DiceRollAll(dice.sides, dice.count, dice.modifier, dice.penetrating ? 1 : 0);
}
