#pragma once

#include "cli/cli_args.h"

// The runners of the fraymark command's verbs and sub-verbs; each gets its parsed arguments
// and returns the exit code.
int RunRng(const CliArgs& args);
int RunRoll(const CliArgs& args);
int RunDataDump(const CliArgs& args);
int RunDataCheck(const CliArgs& args);
int RunAbility(const CliArgs& args);
int RunTablesQuirks(const CliArgs& args);
int RunTablesSave(const CliArgs& args);
int RunTablesHonor(const CliArgs& args);
int RunTablesHonorBp(const CliArgs& args);
int RunCrit(const CliArgs& args);
int RunCritSeverity(const CliArgs& args);
int RunCritTable(const CliArgs& args);
int RunHonorAwards(const CliArgs& args);
int RunHonorNotes(const CliArgs& args);
int RunCharacterShow(const CliArgs& args);
int RunCharacterSheet(const CliArgs& args);
int RunCharacterList(const CliArgs& args);
int RunCharacterAwardXp(const CliArgs& args);
int RunCharacterAdvance(const CliArgs& args);
int RunPartyNew(const CliArgs& args);
int RunPartyShow(const CliArgs& args);
int RunPartySheet(const CliArgs& args);
int RunPartyAwardXp(const CliArgs& args);
int RunGenerate(const CliArgs& args);
