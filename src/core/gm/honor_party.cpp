#include "core/gm/honor_party.h"

std::array<PartyCharacter, kPartySize> pcs;

int PartyCount() {
    int count = 0;
    while (count < kPartySize && !pcs[static_cast<std::size_t>(count)].name.empty()) {
        ++count;
    }
    return count;
}

int FindPartyCharacter(std::string_view shown_name) {
    const int count = PartyCount();
    for (int i = 0; i < count; ++i) {
        if (pcs[static_cast<std::size_t>(i)].name == shown_name) {
            return i;
        }
    }
    return -1;
}

JoinResult AddToParty(const PartyCharacter& character) {
    if (character.name.empty()) {
        return JoinResult::kNoName;
    }
    if (FindPartyCharacter(character.name) >= 0) {
        return JoinResult::kAlreadyInParty;
    }
    const int free_entry = PartyCount();
    if (free_entry >= kPartySize) {
        return JoinResult::kPartyFull;
    }
    PartyCharacter& entry = pcs[static_cast<std::size_t>(free_entry)];
    entry = character;
    entry.temporal_honor = 0;
    return JoinResult::kJoined;
}

bool RemoveFromParty(int index) {
    if (index < 0 || index >= PartyCount()) {
        return false;
    }
    for (int i = index; i + 1 < kPartySize; ++i) {
        pcs[static_cast<std::size_t>(i)] = pcs[static_cast<std::size_t>(i) + 1];
    }
    pcs[kPartySize - 1] = PartyCharacter{};
    return true;
}

void ClearParty() {
    pcs.fill(PartyCharacter{});
}

std::vector<PartyRow> PartyRows() {
    std::vector<PartyRow> rows;
    const int count = PartyCount();
    for (int i = 0; i < count; ++i) {
        const PartyCharacter& c = pcs[static_cast<std::size_t>(i)];
        rows.push_back({c.name, c.class_name, c.level, c.race, c.sex, std::to_string(c.honor),
                        c.alignment, std::to_string(c.temporal_honor)});
    }
    return rows;
}
