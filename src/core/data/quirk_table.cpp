// The game's quirk and flaw tables, entry by entry, in storage order.
#include "core/data/quirk_flaw.h"

namespace {

const QuirkFlawRow kRows[] = {
    // Entry 0 is blank so that index 0 can end the exclusion lists.
    {"", 0, 0, 0, " ", " ", {"", "", "", ""}, 0, 0, 0, 0, 0, {}, {}},
};

}  // namespace

std::span<const QuirkFlawRow> QuirkFlawDefinition() {
    return kRows;
}
