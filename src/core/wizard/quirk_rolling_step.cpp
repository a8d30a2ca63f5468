#include "core/wizard/quirk_rolling_step.h"

#include <algorithm>
#include <cstdio>

#include "core/data/quirk_flaw.h"
#include "core/data/race_data.h"
#include "core/dice/dice.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/priors_roll_support.h"
#include "core/wizard/quirk_holdings.h"

namespace {

constexpr char kPhb6A[] = "Player's Handbook 6A";
constexpr char k6C[] = "Player's Handbook 6C: Flaws, Minor (Physical)";
constexpr char k6F[] = "Player's Handbook 6F: Quirks, Minor (Mental)";

// The supplements' 6A tables, each offered when its book is switched on.
struct Supplement {
    int book;
    const char* table_6a;
};
constexpr Supplement kSupplements[] = {
    {1, "Hexwright's Guide 6A"},
    {2, "Warbrand's Guide 6A"},
    {3, "Lurcher's Guide 6A"},
    {4, "Votary's Guide 6A"},
};

// The table a directive names by its code.
struct TableCode {
    const char* code;
    const char* table;
};
constexpr TableCode kTableCodes[] = {
    {"6B", "Player's Handbook 6B: Flaws, Minor (Physical)"},
    {"6C", "Player's Handbook 6C: Flaws, Minor (Physical)"},
    {"6D", "Player's Handbook 6D: Flaws, Minor (Physical)"},
    {"6E", "Player's Handbook 6E: Flaws, Major (Physical)"},
    {"6F", "Player's Handbook 6F: Quirks, Minor (Mental)"},
    {"6G", "Player's Handbook 6G: Quirks, Major (Mental)"},
    {"6H", "Player's Handbook 6H: Quirks, Minor (Personality)"},
    {"6I", "Player's Handbook 6I: Quirks, Major (Personality)"},
    {"6J", "Hexwright's Guide 6J"},
    {"6K", "Hexwright's Guide 6K"},
    {"6L", "Hexwright's Guide 6L"},
    {"6M", "Warbrand's Guide 6M"},
    {"6N", "Warbrand's Guide 6N"},
    {"6O", "Votary's Guide 6O"},
    {"6P", "Votary's Guide 6P"},
    {"6Q", "Lurcher's Guide 6Q"},
    {"6R", "Lurcher's Guide 6R"},
};
// The only tables a "twice" directive doubles, in the order they are looked for.
constexpr const char* kTwiceCodes[] = {"6C", "6H", "6G"};

// Entries the rules treat by their index.
constexpr int kMissingFinger = 17;
constexpr int kDoubleArmAmputee = 36;
constexpr int kBlind = 39;
constexpr int kDeaf = 40;

const char* TableForCode(const char* code) {
    for (const TableCode& entry : kTableCodes) {
        if (std::string(entry.code) == code) {
            return entry.table;
        }
    }
    return "";
}

// The code of the table a "twice" directive doubles, or null when it names none of them.
const char* TwiceCode(const std::string& name) {
    for (const char* code : kTwiceCodes) {
        if (Contains(name, code)) {
            return code;
        }
    }
    return nullptr;
}

bool OnTable(int entry, const std::string& table) {
    return table == quirkflaw[entry].table;
}

// Whether the character may take the entry once more.
bool CanTake(int entry) {
    return current_character.quirk_count[entry] < quirkflaw[entry].max_times;
}

// The first entry, in table order, of `table` whose range holds `roll`; 0 when none does.
int EntryForRoll(const std::string& table, int roll) {
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        const QuirkFlaw& row = quirkflaw[entry];
        if (row.high > 0 && OnTable(entry, table) && row.low <= roll && roll <= row.high) {
            return entry;
        }
    }
    return 0;
}

} // namespace

QuirkRollingStep::QuirkRollingStep() : dice(DiceRoll) {
    from_priors_ = program_data.creation_stage <= 6;
    FillTables();
    QuirkCorrections();
}

void QuirkRollingStep::FillTables() {
    if (from_priors_) {
        tables_ = program_data.pending_quirk_tables;
        return;
    }
    tables_.push_back(kPhb6A);
    for (const Supplement& supplement : kSupplements) {
        if (BooksToUse[supplement.book] == 1) {
            tables_.push_back(supplement.table_6a);
        }
    }
    // A held "twice" directive becomes its two owed rolls.
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        const std::string name = quirkflaw[entry].name;
        const char* code = TwiceCode(name);
        if (current_character.quirk_count[entry] > 0 && Contains(name, "twice") && code) {
            OweTable(TableForCode(code), 2);
            current_character.quirk_count[entry] = 0;
        }
    }
}

void QuirkRollingStep::OweTable(const std::string& table, int times) {
    for (int i = 0; i < times; ++i) {
        tables_.push_back(table);
        ++owed_;
    }
}

int QuirkRollingStep::QuirkFlawSubTable(const std::string& table) {
    // The dice follow the table's ranges: L dice of H / L sides for a table from L to H.
    int low = 100;
    int high = 0;
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        const QuirkFlaw& row = quirkflaw[entry];
        if (row.high == 0 || !OnTable(entry, table)) {
            continue; // choice-only entries no roll reaches
        }
        low = std::min(low, std::max(row.low, 1));
        high = std::max(high, row.high);
    }
    if (high == 0) {
        return kNothingLeft;
    }
    RollRequest request;
    request.count = low;
    request.sides = high / low;
    // Only entries the dice can show count as still takeable: 18d5 on a table of 18 to 100
    // never shows more than 90.
    bool open = false;
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        const QuirkFlaw& row = quirkflaw[entry];
        open = open || (row.high > 0 && OnTable(entry, table) && CanTake(entry) &&
                        row.low <= request.count * request.sides && row.high >= request.count);
    }
    if (!open) {
        return kNothingLeft;
    }
    request.dice_text = "1d100";
    request.caption = "Rolling for Quirks and Flaws";
    request.roll = [this, &request] { return dice(request.sides, request.count); };
    request.min = low;
    request.max = request.count * request.sides;
    request.usable = [&table](int roll) {
        const int entry = EntryForRoll(table, roll);
        return entry > 0 && CanTake(entry);
    };
    int taken = kRollAgain;
    const auto describe = [&table](const std::string& label, int roll) {
        const QuirkFlaw& row = quirkflaw[EntryForRoll(table, roll)];
        if (row.bp > 0) {
            return Printf("%s for Table %s (d100): rolled %i, %s (%i BP)", label.c_str(),
                          table.c_str(), roll, row.name, row.bp);
        }
        return Printf("%s for Table %s (d100): rolled %i, %s", label.c_str(), table.c_str(), roll,
                      row.name);
    };
    RunRollExchange(request, describe, [&](int roll) { taken = EntryForRoll(table, roll); });
    return taken;
}

bool QuirkRollingStep::Roll(int selected) {
    if (selected < 0 || selected >= static_cast<int>(tables_.size())) {
        return false;
    }
    const std::string table = tables_[selected];
    const bool table_6a = Contains(table, "6A");
    const int pending = program_data.quirk_rolls_pending;
    if (table_6a ? pending <= 0 : (owed_ <= 0 && pending <= 0)) {
        return false;
    }
    // Entries at the far ends of many dice come up about once in ten million rolls, so the
    // re-rolls are bounded: past the bound the roll is used up with nothing taken.
    int entry = kRollAgain;
    for (int tries = 0; entry == kRollAgain && tries < kMostRerolls; ++tries) {
        entry = QuirkFlawSubTable(table);
    }
    if (table_6a) {
        --program_data.quirk_rolls_pending;
        Character_Class& c = current_character;
        c.requires_wg_class = c.requires_wg_class || Contains(table, "Warbrand's Guide");
        c.requires_hwg_class = c.requires_hwg_class || Contains(table, "Hexwright's Guide");
        c.requires_lg_class = c.requires_lg_class || Contains(table, "Lurcher's Guide");
        c.requires_vg_class = c.requires_vg_class || Contains(table, "Votary's Guide");
    } else {
        tables_.erase(tables_.begin() + selected);
        --owed_;
    }
    if (entry == kNothingLeft) {
        LogCreationLine("No quirk or flaw of Table " + table + " can be taken any more");
    } else if (entry == kRollAgain) {
        LogCreationLine(Printf("No quirk or flaw of Table %s that can still be taken came up "
                               "in %i rolls",
                               table.c_str(), kMostRerolls));
    } else {
        Take(entry);
    }
    QuirkCorrections();
    SelectFirstOwed();
    return true;
}

void QuirkRollingStep::Take(int entry) {
    QuirkFlaw& row = quirkflaw[entry];
    const std::string name = row.name;
    switch (row.type) {
    case 0:
    case 1:
    case 4:
        current_character.quirk_count[entry] += 1;
        program_data.quirk_bp[entry] += row.bp;
        if (row.type == 4 || row.bp_after_first == 0) {
            break;
        }
        // Later picks earn the second value: a finger at a time, or the whole table.
        if (entry == kMissingFinger) {
            row.bp = row.bp_after_first;
        } else {
            const std::string table = row.table;
            for (int other = kFirstQuirkEntry; other < kQuirkEntryEnd; ++other) {
                if (OnTable(other, table)) {
                    quirkflaw[other].bp = quirkflaw[other].bp_after_first;
                }
            }
        }
        break;
    case 2:
        OweTable(row.subtables[0], std::max(row.rolls, 1));
        break;
    case 3:
        if (Contains(name, "twice")) {
            if (const char* code = TwiceCode(name)) {
                OweTable(TableForCode(code), 2);
            }
            break;
        }
        for (const TableCode& code : kTableCodes) {
            if (Contains(name, code.code)) {
                OweTable(code.table, 1);
            }
        }
        break;
    default:
        break;
    }
}

void QuirkRollingStep::Remove(int entry) {
    current_character.quirk_count[entry] = 0;
    program_data.quirk_bp[entry] = 0;
    quirkflaw[entry].max_times = 0;
}

void QuirkRollingStep::Announce(int entry, const std::string& text) {
    if (announced_.insert(entry).second) {
        LogCreationLine(text);
    }
}

void QuirkRollingStep::QuirkCorrections() {
    auto& count = current_character.quirk_count;
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        if (count[entry] <= 0) {
            continue;
        }
        if (entry == kMalePatternBaldness && IsFemaleCharacter()) {
            Remove(entry);
            LogCreationLine(kFemaleBaldnessMessage);
            // The message promises the two rolls, so they are owed.
            OweTable(k6C, 1);
            OweTable(k6F, 1);
            continue;
        }
        if (entry == kDoubleArmAmputee) {
            Announce(entry, "You have no arms! Atleast you can't lose any fingers now.");
        } else if (entry == kBlind) {
            Announce(entry,
                     "You are blind. All of your pre-existing vission problems are now gone.");
        } else if (entry == kDeaf) {
            Announce(entry,
                     "You are deaf. All of your pre-existing hearing problems are now gone.");
        }
        // The exclusion lists also take the single amputation under a double one, the sight
        // flaws under blindness and the hearing flaws under deafness.
        for (int excluded : quirkflaw[entry].excludes) {
            if (excluded <= 0) {
                break;
            }
            if (excluded < kQuirkEntryEnd) {
                Remove(excluded);
            }
        }
    }
}

void QuirkRollingStep::SelectFirstOwed() {
    selected_ = 0;
    for (std::size_t i = 0; i < tables_.size(); ++i) {
        if (!Contains(tables_[i], "6A")) {
            selected_ = static_cast<int>(i);
            return;
        }
    }
}

StepExit QuirkRollingStep::Continue() {
    if (program_data.quirk_rolls_pending + owed_ > 0) {
        return StepExit::kStay;
    }
    if (from_priors_) {
        // The free quirks of the background earn no BP.
        std::fill_n(program_data.quirk_bp.begin(), kQuirkFlawSlots, 0);
        return StepExit::kContinue;
    }
    for (int entry = 0; entry < kQuirkFlawSlots; ++entry) {
        program_data.building_points += static_cast<float>(program_data.quirk_bp[entry]);
    }
    AppendHeldQuirks();
    sendquirkflawtotree();
    return StepExit::kContinue;
}

std::vector<std::string> QuirkRollingStep::GainedList() const {
    return HeldQuirkLines();
}

int QuirkRollingStep::QuirkBpSum() const {
    if (from_priors_) {
        return 0;
    }
    int sum = 0;
    for (int entry = 0; entry < kQuirkFlawSlots; ++entry) {
        sum += program_data.quirk_bp[entry];
    }
    return sum;
}

std::string QuirkRollingStep::BalanceText() const {
    return Printf("%-3.0f BP", static_cast<double>(program_data.building_points));
}
