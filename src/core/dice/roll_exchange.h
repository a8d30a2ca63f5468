#pragma once

#include <functional>
#include <string>

// The confirmation exchange every table roll of a creation step runs through: the roll is
// made, may be replaced by the player's own roll ("Roll your own dice"), is looked up and
// logged, and, while the player has Building Points, may be rejected for a re-roll that
// costs 1 BP.
struct RollRequest {
    int sides = 6;
    int count = 1;
    // The dice as the own-roll dialog names them; empty gives "%id%i" from count and sides.
    std::string dice_text;
    // Names what is rolled, e.g. "Rolling for Type of Training Camp".
    std::string caption;
    // The step's own combination of rolls; empty rolls DiceRoll(sides, count).
    std::function<int()> roll;
    // Bounds of the own-roll dialog; when both are 0 they are count and count * sides.
    int min = 0;
    int max = 0;
    // When set and false for the roll (after the player's own entry), the pass ends at once:
    // nothing is logged, charged or stored, and the roll is not accepted.
    std::function<bool(int roll)> usable;
    // The age and money rolls word their own-roll dialog the other way round: the caption
    // names what is rolled in the message and "Enter your own Dice Roll" is the caption.
    bool caption_as_message = false;
};

struct RollOutcome {
    bool accepted = false;
    int roll = 0;
    std::string label; // "Rolling", or "Entered roll" when the player typed a different number
    std::string line;  // the logged result line, with its "BP=" prefix
};

// Builds the result line of one roll from its label and the (possibly entered) roll:
// the step's modifiers, table lookup and text.
using DescribeRoll = std::function<std::string(const std::string& label, int roll)>;
// Stores an accepted roll in the character record.
using StoreRoll = std::function<void(int roll)>;

constexpr const char* kAcceptCaption = "Accept this roll? (reroll costs 1BP)";

// One pass of the exchange; `accepted` is false when the player paid for a re-roll.
RollOutcome RunRollExchange(const RollRequest& request, const DescribeRoll& describe,
                            const StoreRoll& store);

// Runs the exchange again and again until a roll is accepted; returns that one.
RollOutcome RollUntilAccepted(const RollRequest& request, const DescribeRoll& describe,
                              const StoreRoll& store);
