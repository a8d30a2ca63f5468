// The data verbs: a rules list as JSON lines, and the data set's check.
#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/data/data_check.h"
#include "core/data/data_dump.h"
#include "core/model/workspace.h"

int RunDataDump(const CliArgs& args) {
    if (args.positional.size() != 1) {
        return UsageFailure("data dump: expected one KIND: Classes, Races, Skills, Talents, "
                            "Proficiencies, Spells or Equipment");
    }
    const auto kind = RulesKindNamed(args.positional.front());
    if (!kind) {
        return UsageFailure("data dump: unknown KIND '" + args.positional.front() +
                            "' (Classes, Races, Skills, Talents, Proficiencies, Spells or "
                            "Equipment)");
    }
    if (!UseWorkspace(args, "data dump")) {
        return kExitUsage;
    }
    DumpRulesList(*kind, std::cout);
    return kExitOk;
}

int RunDataCheck(const CliArgs& args) {
    if (!UseWorkspace(args, "data check")) {
        return kExitUsage;
    }
    DataProblems problems;
    CheckDataSet(problems);
    WriteProblemReport(problems, std::cout);
    return problems.ErrorCount() > 0 ? kExitCheckFailed : kExitOk;
}
