// The tables verb: the built-in rules tables, one sub-verb each.
#include <string_view>

#include "cli/cli_args.h"
#include "cli/verbs.h"

namespace {

struct TablesSubVerb {
    std::string_view name;
    VerbRunner run;
};

const TablesSubVerb kTablesSubVerbs[] = {
    {"quirks", RunTablesQuirks},
    {"save", RunTablesSave},
    {"honor", RunTablesHonor},
    {"honor-bp", RunTablesHonorBp},
};

} // namespace

int RunTables(const std::vector<std::string>& args) {
    if (args.empty()) {
        return UsageFailure(
            "tables: expected quirks, save, honor or honor-bp (fraymark tables --help)");
    }
    for (const TablesSubVerb& sub : kTablesSubVerbs) {
        if (args.front() == sub.name) {
            return sub.run(std::vector<std::string>(args.begin() + 1, args.end()));
        }
    }
    return UsageFailure("tables: unknown table '" + args.front() +
                        "' (expected quirks, save, honor or honor-bp)");
}
