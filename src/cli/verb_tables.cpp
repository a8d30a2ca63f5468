// The tables verb: the built-in rules tables, one sub-verb each.
#include "cli/cli_args.h"
#include "cli/verbs.h"

int RunTables(const std::vector<std::string>& args) {
    static const SubVerbs kTables = {"tables",
                                     "expected quirks or save (fraymark tables --help)",
                                     "table",
                                     "expected quirks or save",
                                     {{"quirks", RunTablesQuirks}, {"save", RunTablesSave}}};
    return RunSubVerb(kTables, args);
}
