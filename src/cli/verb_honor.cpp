// The honor verb: the honor award tables and their notes as tab-separated values.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/gm/honor_awards.h"

int RunHonorAwards(const CliArgs& args) {
    const auto table = IntegerOption(args, "table", 0, 0, kHonorTables);
    if (!table) {
        return kExitUsage;
    }
    std::cout << "table\tnote\tkind\tscope";
    for (const char* alignment : kAlignmentNames) {
        std::cout << '\t' << alignment;
    }
    std::cout << "\ttext\n";
    for (const HonorAward* award = HonorData; award->text != nullptr; ++award) {
        if (*table != 0 && award->table != *table) {
            continue;
        }
        std::cout << award->table << '\t' << award->note << '\t' << award->kind << '\t'
                  << award->scope;
        for (const int32_t points : award->award) {
            std::cout << '\t' << points;
        }
        std::cout << '\t' << award->text << '\n';
    }
    return kExitOk;
}

int RunHonorNotes(const CliArgs& args) {
    if (!args.options.empty()) {
        return UsageFailure("honor notes: --table belongs to 'honor awards'");
    }
    std::cout << "note\ttext\n";
    for (std::size_t i = 0; i < NoteBuffer.size(); ++i) {
        std::cout << i << '\t' << NoteBuffer[i] << '\n';
    }
    return kExitOk;
}
