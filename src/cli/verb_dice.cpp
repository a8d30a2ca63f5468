// The dice verbs: raw generator numbers and dice expressions.
#include <cstdint>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/dice/dice_expression.h"
#include "core/dice/vexl_random.h"

namespace {
constexpr long long kMaxClock = 0xffffffffLL;
constexpr long long kMaxRepeat = 100000000LL;
} // namespace

int RunRng(const CliArgs& args) {
    if (!args.options.count("clock")) {
        return UsageFailure("rng: --clock T is required");
    }
    const auto clock = IntegerOption(args, "clock", 0, 0, kMaxClock);
    const auto count = IntegerOption(args, "count", 1, 0, kMaxRepeat);
    if (!clock || !count) {
        return kExitUsage;
    }
    SeedVexlrandAsClock(static_cast<uint32_t>(*clock));
    for (long long i = 0; i < *count; ++i) {
        std::cout << Vexlrand() << '\n';
    }
    return kExitOk;
}

int RunRoll(const CliArgs& args) {
    if (args.positional.size() != 1) {
        return UsageFailure("roll: expected one dice expression such as 3d6, 2d12-3 or 1d20+2p");
    }
    const auto dice = ParseDiceExpression(args.positional.front());
    if (!dice) {
        return UsageFailure("roll: '" + args.positional.front() +
                            "' is not a dice expression (NdS, then +M or -M, then p)");
    }
    if (const std::string beyond = DiceBeyondLimits(*dice); !beyond.empty()) {
        return UsageFailure("roll: '" + args.positional.front() + "' asks for " + beyond +
                            " (at most " + std::to_string(kMostDice) + "d" +
                            std::to_string(kMostSides) + ", modifier within " +
                            std::to_string(kLargestModifier) + ")");
    }
    const auto clock = IntegerOption(args, "clock", 0, 0, kMaxClock);
    const auto times = IntegerOption(args, "times", 1, 0, kMaxRepeat);
    if (!clock || !times) {
        return kExitUsage;
    }
    if (args.options.count("clock")) {
        SeedVexlrandAsClock(static_cast<uint32_t>(*clock));
    }
    for (long long i = 0; i < *times; ++i) {
        std::cout << RollExpression(*dice) << '\n';
    }
    return kExitOk;
}
