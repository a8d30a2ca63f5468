// tables honor, tables honor-bp: the honor standing and die for a level and an honor, and the
// Building Points a starting honor brings.
#include <cstdint>
#include <iostream>
#include <optional>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/wizard/honor.h"

namespace {

// The whole number `text`, or nullopt after a usage message naming what it should be.
std::optional<int> WholeArgument(const std::string& verb, const std::string& what,
                                 const std::string& text) {
    const auto value = ParseWhole(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX) {
        UsageFailure(verb + ": " + what + " must be a whole number, not '" + text + "'");
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

} // namespace

int RunTablesHonor(const CliArgs& words) {
    const std::vector<std::string>& args = words.positional;
    if (args.size() != 2) {
        return UsageFailure("tables honor: expected LEVEL HONOR, e.g. tables honor 1 17");
    }
    const auto level = WholeArgument("tables honor", "LEVEL", args[0]);
    if (!level) {
        return kExitUsage;
    }
    const auto honor = WholeArgument("tables honor", "HONOR", args[1]);
    if (!honor) {
        return kExitUsage;
    }
    std::cout << HonorStandingText(*level, *honor) << '\n';
    return kExitOk;
}

int RunTablesHonorBp(const CliArgs& words) {
    const std::vector<std::string>& args = words.positional;
    if (args.size() != 1) {
        return UsageFailure("tables honor-bp: expected HONOR, e.g. tables honor-bp 12");
    }
    const auto honor = WholeArgument("tables honor-bp", "HONOR", args[0]);
    if (!honor) {
        return kExitUsage;
    }
    const int bp = HonorBpAdjustment(*honor);
    std::cout << (bp >= 0 ? "+" : "") << bp << '\n';
    return kExitOk;
}
