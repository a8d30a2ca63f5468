// The game's quirk and flaw tables, entry by entry, in storage order: the blank entry 0, then
// the parts listed in quirk_table_parts.h.
#include <vector>

#include "core/data/quirk_flaw.h"
#include "core/data/quirk_table_parts.h"

namespace {

// Entry 0 is blank so that index 0 can end the exclusion lists.
const QuirkFlawRow kBlankEntry = {"", 0, 0, 0, " ", " ", {"", "", "", ""}, 0, 0, 0, 0, 0, {}, {}};

std::vector<QuirkFlawRow> JoinParts() {
    using namespace quirk_tables;
    std::vector<QuirkFlawRow> rows{kBlankEntry};
    for (const auto part :
         {QuirkRowsPhbMainTables(), QuirkRowsPhbSubtables(), QuirkRowsHexwrightWarbrand(),
          QuirkRowsChoiceOnlyAnd6A(), QuirkRowsLurcherVotary()}) {
        rows.insert(rows.end(), part.begin(), part.end());
    }
    return rows;
}

} // namespace

std::span<const QuirkFlawRow> QuirkFlawDefinition() {
    static const std::vector<QuirkFlawRow> rows = JoinParts();
    return rows;
}
