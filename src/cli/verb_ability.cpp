// The ability verb: one lookup of the ability score tables.
#include <climits>
#include <iostream>
#include <string_view>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/files/ability_effects.h"

int RunAbility(const CliArgs& args) {
    if (args.positional.size() != 4) {
        return UsageFailure("ability: expected ABILITY SCORE PERCENTILE NAME, e.g. "
                            "Strength 18 51 Open_Doors");
    }
    const std::string& ability = args.positional[0];
    const std::string& name = args.positional[3];

    // The abilities with tables of their own (Comeliness has none).
    std::string (*lookup)(const std::string&, int, int) = nullptr;
    for (const SavedAbility& table : SavedAbilities()) {
        if (ability == table.full) {
            lookup = table.lookup;
        }
    }
    if (!lookup) {
        return UsageFailure("ability: '" + ability +
                            "' is not Strength, Dexterity, Constitution, Intelligence, Wisdom "
                            "or Charisma");
    }
    const auto score = ParseWhole(args.positional[1]);
    if (!score || *score < INT_MIN || *score > INT_MAX) {
        return UsageFailure("ability: the score must be a whole number, not '" +
                            args.positional[1] + "'");
    }
    const auto percentile = ParseWhole(args.positional[2]);
    if (!percentile || *percentile < 0 || *percentile > 100) {
        return UsageFailure("ability: the percentile must be a whole number from 0 to 100, not '" +
                            args.positional[2] + "'");
    }
    std::cout << lookup(name, static_cast<int>(*score), static_cast<int>(*percentile)) << '\n';
    return kExitOk;
}
