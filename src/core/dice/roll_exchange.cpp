#include "core/dice/roll_exchange.h"

#include "core/dice/dice.h"
#include "core/dice/dice_log.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"

namespace {

constexpr const char* kOwnRollCaption = "Enter your own Dice Roll";

int OwnRoll(const RollRequest& request, int rolled) {
    const std::string dice_text = request.dice_text.empty() ? std::to_string(request.count) + "d" +
                                                                  std::to_string(request.sides)
                                                            : request.dice_text;
    long low = request.min;
    long high = request.max;
    if (low == 0 && high == 0) {
        low = request.count;
        high = static_cast<long>(request.count) * request.sides;
    }
    long entered = -1;
    // Cancelling is no way out: the question comes back until a number is given.
    while (entered == -1) {
        entered =
            request.caption_as_message
                ? Port().AskNumber(request.caption, dice_text, kOwnRollCaption, rolled, low, high)
                : Port().AskNumber(kOwnRollCaption, dice_text, request.caption, rolled, low, high);
    }
    return static_cast<int>(entered);
}

} // namespace

RollOutcome RunRollExchange(const RollRequest& request, const DescribeRoll& describe,
                            const StoreRoll& store) {
    RollOutcome outcome;
    outcome.roll = request.roll ? request.roll() : DiceRoll(request.sides, request.count);
    outcome.label = "Rolling";
    if (BooksToUse[kRollYourOwnDice] == 1) {
        const int entered = OwnRoll(request, outcome.roll);
        if (entered != outcome.roll) {
            outcome.roll = entered;
            outcome.label = "Entered roll";
        }
    }
    if (request.usable && !request.usable(outcome.roll)) {
        return outcome;
    }
    outcome.line = describe(outcome.label, outcome.roll);
    Format_Entry(program_data.building_points, outcome.line, program_data.log_file_name);

    if (program_data.building_points > 0.0f && !Port().AskYesNo(outcome.line, kAcceptCaption)) {
        program_data.building_points -= 1.0f;
        std::string spent = "Spending 1 BP to re-roll";
        Format_Entry(program_data.building_points, spent, program_data.log_file_name);
        outcome.accepted = false;
        return outcome;
    }
    if (store) {
        store(outcome.roll);
    }
    outcome.accepted = true;
    return outcome;
}

RollOutcome RollUntilAccepted(const RollRequest& request, const DescribeRoll& describe,
                              const StoreRoll& store) {
    RollOutcome outcome;
    do {
        outcome = RunRollExchange(request, describe, store);
    } while (!outcome.accepted);
    return outcome;
}
