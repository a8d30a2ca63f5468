// The tables verb: the built-in rules tables, one sub-verb each.
#include "cli/cli_args.h"
#include "cli/verbs.h"

int RunTables(const std::vector<std::string>& args) {
    static const SubVerbs kTables = {
        "tables",
        "expected quirks, save, honor or honor-bp (fraymark tables --help)",
        "table",
        "expected quirks, save, honor or honor-bp",
        {{"quirks", RunTablesQuirks},
         {"save", RunTablesSave},
         {"honor", RunTablesHonor},
         {"honor-bp", RunTablesHonorBp}}};
    return RunSubVerb(kTables, args);
}
