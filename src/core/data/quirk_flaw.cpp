#include "core/data/quirk_flaw.h"

#include <cstdio>

QuirkFlaw quirkflaw[kQuirkFlawSlots] = {};

namespace {
template <std::size_t N> void CopyText(char (&field)[N], const char* text) {
    std::snprintf(field, N, "%s", text ? text : "");
}
} // namespace

void SetQuirkFlawStructure(QuirkFlaw* table) {
    const auto rows = QuirkFlawDefinition();
    for (std::size_t i = 0; i < rows.size() && i < kQuirkFlawSlots; ++i) {
        const QuirkFlawRow& row = rows[i];
        QuirkFlaw& entry = table[i];
        CopyText(entry.name, row.name);
        entry.bp = row.bp;
        entry.bp_after_first = row.bp_after_first;
        entry.book = row.book;
        CopyText(entry.source, row.source);
        CopyText(entry.table, row.table);
        for (int s = 0; s < 4; ++s) {
            CopyText(entry.subtables[s], row.subtables[s]);
        }
        entry.type = row.type;
        entry.low = row.low;
        entry.high = row.high;
        entry.max_times = row.max_times;
        entry.rolls = row.rolls;
        for (int e = 0; e < 10; ++e) {
            entry.excludes[e] = row.excludes[e];
            entry.excluded_by[e] = row.excluded_by[e];
        }
    }
}
