#include "core/wizard/cherry_pick_step.h"

#include <numeric>

#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/priors_roll_support.h"
#include "core/wizard/quirk_holdings.h"

namespace {

constexpr char kCaption[] = "Quirks and Flaws";

// The guide whose class an entry of a supplement book forces; null for the other books.
const char* GuideOfBook(int book) {
    switch (book) {
    case 1:
        return "Hexwright's Guide";
    case 2:
        return "Warbrand's Guide";
    case 3:
        return "Lurcher's Guide";
    case 4:
        return "Votarys's Guide";
    default:
        return nullptr;
    }
}

void RequireClassOfBook(int book) {
    Character_Class& c = current_character;
    switch (book) {
    case 1:
        c.requires_hwg_class = true;
        break;
    case 2:
        c.requires_wg_class = true;
        break;
    case 3:
        c.requires_lg_class = true;
        break;
    case 4:
        c.requires_vg_class = true;
        break;
    default:
        break;
    }
}

// The first entry, from entry 1, whose name occurs in `text`; 0 when none does.
int EntryNamedIn(const std::string& text) {
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        const char* name = quirkflaw[entry].name;
        if (name[0] != '\0' && Contains(text, name)) {
            return entry;
        }
    }
    return 0;
}

bool BookInUse(int book) {
    return book >= 0 && book < kBookSwitches && BooksToUse[book] == 1;
}

} // namespace

CherryPickStep::CherryPickStep() = default;

std::vector<std::string> CherryPickStep::HeldList() const {
    return HeldQuirkLines();
}

std::vector<std::string> CherryPickStep::Choices(int type) const {
    std::vector<std::string> choices;
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        const QuirkFlaw& row = quirkflaw[entry];
        if (row.type == type && current_character.quirk_count[entry] < row.max_times &&
            BookInUse(row.book)) {
            choices.emplace_back(row.name);
        }
    }
    return choices;
}

std::vector<std::string> CherryPickStep::MinorChoices() const {
    return Choices(0);
}

std::vector<std::string> CherryPickStep::MajorChoices() const {
    return Choices(1);
}

std::vector<std::string> CherryPickStep::PickList() const {
    std::vector<std::string> lines;
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        if (picks_[entry] > 0) {
            lines.push_back(QuirkLine(entry, picks_[entry]));
        }
    }
    return lines;
}

bool CherryPickStep::CherryPick(const std::string& text, int sign) {
    const int entry = EntryNamedIn(text);
    const QuirkFlaw& row = quirkflaw[entry];
    if (entry == 0 || (row.type != 0 && row.type != 1)) {
        return false;
    }
    if (sign > 0) {
        // The free quirks already held count against the entry's limit.
        if (current_character.quirk_count[entry] + picks_[entry] >= row.max_times) {
            return false;
        }
        if (entry == kMalePatternBaldness && IsFemaleCharacter()) {
            // The rolling step's correction, applied before the pick instead of after it: the
            // first sentence only, as picking it owes no rolls.
            const std::string message = kFemaleBaldnessMessage;
            Port().ShowMessage(message.substr(0, message.find('!') + 1), kCaption);
            return false;
        }
        const char* guide = GuideOfBook(row.book);
        if (guide &&
            !Port().AskYesNo(std::string("Taking this quirk or flaw will force you into creating a "
                                         "character with a class from the ") +
                                 guide +
                                 " (single or multiclass as race permits), do you still want to "
                                 "take it?",
                             kCaption)) {
            return false;
        }
    } else if (picks_[entry] <= 0) {
        return false;
    }
    const int bp = row.type == 0 ? kMinorBp : kMajorBp;
    int& left = row.type == 0 ? minor_left : major_left;
    picks_[entry] += sign;
    pick_bp_[entry] += bp * sign;
    left -= sign;
    return true;
}

bool CherryPickStep::AddMinor(const std::string& text) {
    return minor_left > 0 && quirkflaw[EntryNamedIn(text)].type == 0 && CherryPick(text, +1);
}

bool CherryPickStep::AddMajor(const std::string& text) {
    return major_left > 0 && quirkflaw[EntryNamedIn(text)].type == 1 && CherryPick(text, +1);
}

bool CherryPickStep::Remove(const std::string& text) {
    return !text.empty() && CherryPick(text, -1);
}

bool CherryPickStep::RollRandomly() {
    // The rules drop the picks made here; a player who made some is asked first.
    const int picks = std::accumulate(picks_.begin(), picks_.end(), 0);
    const std::string dropped = picks == 1
                                    ? "the quirk or flaw picked here, and the BP it"
                                    : Printf("the %i picks made here, and the BP they", picks);
    if (picks > 0 &&
        !Port().AskYesNo("Rolling randomly drops " + dropped + " would earn. Roll randomly anyway?",
                         kCaption)) {
        return false;
    }
    long times = -1;
    while (times == -1) {
        times = Port().AskNumber("Enter how many times you wish to roll on Table 6A", "1 - 9",
                                 kCaption, 1, 1, 9);
    }
    program_data.quirk_rolls_pending = static_cast<int32_t>(times);
    LogCreationLine(Printf("Preparing to roll %li times for Quirks and Flaws", times));
    picks_.fill(0);
    pick_bp_.fill(0);
    return true;
}

void CherryPickStep::Continue() {
    for (int entry = 0; entry < kQuirkFlawSlots; ++entry) {
        int& held = current_character.quirk_count[entry];
        held += picks_[entry];
        program_data.building_points += static_cast<float>(pick_bp_[entry]);
        program_data.quirk_bp[entry] = pick_bp_[entry];
        if (held > 0) {
            RequireClassOfBook(quirkflaw[entry].book);
            LogCreationLine(Printf("Acquired the %s Quirk/Flaw (x%i) via Cherry Picking for %i BP",
                                   quirkflaw[entry].name, held, pick_bp_[entry]));
        }
    }
    AppendHeldQuirks();
    sendquirkflawtotree();
}
