// tables quirks: the built-in quirk and flaw table as tab-separated values.
#include <iostream>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/data/quirk_flaw.h"

namespace {

// An index list without its ending 0, comma-separated; empty when the list is.
void PrintIndexList(std::ostream& out, const int32_t (&list)[10]) {
    for (int i = 0; i < 10 && list[i] != 0; ++i) {
        out << (i > 0 ? "," : "") << list[i];
    }
}

void PrintEntry(std::ostream& out, int index, const QuirkFlaw& entry) {
    out << index << '\t' << entry.name << '\t' << entry.bp << '\t' << entry.bp_after_first << '\t'
        << entry.book << '\t' << entry.source << '\t' << entry.table;
    for (const char* subtable : entry.subtables) {
        out << '\t' << subtable;
    }
    out << '\t' << entry.type << '\t' << entry.low << '\t' << entry.high << '\t' << entry.max_times
        << '\t' << entry.rolls << '\t';
    PrintIndexList(out, entry.excludes);
    out << '\t';
    PrintIndexList(out, entry.excluded_by);
    out << '\n';
}

} // namespace

int RunTablesQuirks(const CliArgs&) {
    SetQuirkFlawStructure(quirkflaw);
    int last_filled = 0;
    for (int i = 0; i < kQuirkFlawSlots; ++i) {
        if (quirkflaw[i].name[0] != '\0') {
            last_filled = i;
        }
    }
    std::cout << "index\tname\tbp\tbp_after_first\tbook\tsource\ttable\tsubtable0\tsubtable1\t"
                 "subtable2\tsubtable3\ttype\tlow\thigh\tmax_times\trolls\texcludes\t"
                 "excluded_by\n";
    for (int i = 0; i <= last_filled; ++i) {
        PrintEntry(std::cout, i, quirkflaw[i]);
    }
    return kExitOk;
}
