// The critical-hit verb: one wound lookup, severity rolls, and the whole table.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/dice/vexl_random.h"
#include "core/gm/critical_hit.h"
#include "core/gm/critical_table.h"

namespace {

constexpr long long kMaxClock = 0xffffffffLL;
constexpr long long kMaxRepeat = 100000000LL;

// A whole number as the window's fields hold it: beyond the range of an int it saturates,
// as typing a huge number into the window does.
std::optional<int> WholeArgument(const std::string& text) {
    const auto value = ParseWhole(text);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int>(std::clamp<long long>(*value, INT_MIN, INT_MAX));
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// A damage type named as in the window's drop-down, in any letter case; -1 for none.
int DamageTypeArgument(const std::string& name) {
    for (std::size_t i = 0; i < kCriticalDamageTypeNames.size(); ++i) {
        if (Lower(name) == Lower(kCriticalDamageTypeNames[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

int RunCrit(const CliArgs& args) {
    if (!args.options.empty()) {
        return UsageFailure("crit: --clock and --times belong to 'crit severity'");
    }
    const std::vector<std::string>& words = args.positional;
    if (words.size() < 3) {
        return UsageFailure("crit: expected ROLL SEVERITY TYPE, 'severity BSL' or 'table'");
    }
    // "Monster Bites" may come quoted as one word or unquoted as two.
    std::string type_name;
    for (std::size_t i = 2; i < words.size(); ++i) {
        type_name += (i > 2 ? " " : "") + words[i];
    }
    const auto roll = WholeArgument(words[0]);
    const auto severity = WholeArgument(words[1]);
    if (!roll) {
        return UsageFailure("crit: ROLL must be a whole number, not '" + words[0] + "'");
    }
    if (!severity) {
        return UsageFailure("crit: SEVERITY must be a whole number, not '" + words[1] + "'");
    }
    const int type = DamageTypeArgument(type_name);
    if (type < 0) {
        return UsageFailure("crit: TYPE must be Puncturing, Hacking, Crushing or Monster Bites, "
                            "not '" +
                            type_name + "'");
    }
    std::cout << Criticalhit(*roll, *severity, type) << '\n';
    return kExitOk;
}

int RunCritSeverity(const CliArgs& args) {
    if (args.positional.size() != 1) {
        return UsageFailure("crit severity: expected one base severity level (BSL)");
    }
    const auto base = WholeArgument(args.positional[0]);
    if (!base) {
        return UsageFailure("crit severity: BSL must be a whole number, not '" +
                            args.positional[0] + "'");
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
        std::cout << CriticalHitDiceRoll(8, 1, *base) << '\n';
    }
    return kExitOk;
}

int RunCritTable(const CliArgs&) {
    std::cout << "low\thigh\ttype\tseverity\ttext\n";
    for (const CriticalRecord& r : criticaldata) {
        std::cout << r.low << '\t' << r.high << '\t' << r.damage_type << '\t' << r.severity << '\t'
                  << r.text << '\n';
    }
    return kExitOk;
}
