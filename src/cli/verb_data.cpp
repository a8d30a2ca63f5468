// The data verbs: a rules list as JSON lines, and the data set's check.
#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/data/data_check.h"
#include "core/data/data_dump.h"
#include "core/model/workspace.h"

namespace {

int RunDump(const std::vector<std::string>& words) {
    std::string error;
    const auto args = SplitArgs(words, {"dir"}, error);
    if (!args) {
        return UsageFailure("data dump: " + error);
    }
    if (args->positional.size() != 1) {
        return UsageFailure("data dump: expected one KIND: Classes, Races, Skills, Talents, "
                            "Proficiencies, Spells or Equipment");
    }
    const auto kind = RulesKindNamed(args->positional.front());
    if (!kind) {
        return UsageFailure("data dump: unknown KIND '" + args->positional.front() +
                            "' (Classes, Races, Skills, Talents, Proficiencies, Spells or "
                            "Equipment)");
    }
    if (!UseWorkspace(*args, "data dump")) {
        return kExitUsage;
    }
    DumpRulesList(*kind, std::cout);
    return kExitOk;
}

int RunCheck(const std::vector<std::string>& words) {
    std::string error;
    const auto args = SplitArgs(words, {"dir"}, error);
    if (!args) {
        return UsageFailure("data check: " + error);
    }
    if (!args->positional.empty()) {
        return UsageFailure("data check: unexpected argument '" + args->positional.front() + "'");
    }
    if (!UseWorkspace(*args, "data check")) {
        return kExitUsage;
    }
    DataProblems problems;
    CheckDataSet(problems);
    WriteProblemReport(problems, std::cout);
    return problems.ErrorCount() > 0 ? kExitCheckFailed : kExitOk;
}

} // namespace

int RunData(const std::vector<std::string>& words) {
    static const SubVerbs kData = {"data",
                                   "expected 'dump KIND' or 'check'",
                                   "action",
                                   "dump or check",
                                   {{"dump", RunDump}, {"check", RunCheck}}};
    return RunSubVerb(kData, words);
}
