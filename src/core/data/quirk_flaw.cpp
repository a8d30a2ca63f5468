#include "core/data/quirk_flaw.h"

#include <algorithm>
#include <cstring>
#include <vector>

QuirkFlaw quirkflaw[kQuirkFlawSlots] = {};

namespace {

// Copies `text` into the fixed field, cut to fit and always ended.
template <std::size_t N> void CopyText(char (&field)[N], const char* text) {
    const std::size_t length = text ? strnlen(text, N - 1) : 0;
    std::memcpy(field, text ? text : "", length);
    field[length] = '\0';
}

QuirkFlaw EntryFromRow(const QuirkFlawRow& row) {
    QuirkFlaw entry{};
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
    std::copy(std::begin(row.excludes), std::end(row.excludes), entry.excludes);
    std::copy(std::begin(row.excluded_by), std::end(row.excluded_by), entry.excluded_by);
    return entry;
}

// The defined entries as a new character finds them, built once: every new character
// starts from this copy, so the table is not rebuilt from its rows each time.
const std::vector<QuirkFlaw>& PristineEntries() {
    static const std::vector<QuirkFlaw> entries = [] {
        std::vector<QuirkFlaw> built;
        for (const QuirkFlawRow& row : QuirkFlawDefinition()) {
            if (built.size() == kQuirkFlawSlots) {
                break;
            }
            built.push_back(EntryFromRow(row));
        }
        return built;
    }();
    return entries;
}

} // namespace

void SetQuirkFlawStructure(QuirkFlaw* table) {
    const std::vector<QuirkFlaw>& entries = PristineEntries();
    std::copy(entries.begin(), entries.end(), table);
}
