#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The party whose honor the game master keeps: up to 20 characters, shared by every honor
// tracking window of the run and kept until the program ends; a party file keeps it between
// runs (party_file.h, party_members.h). It has nothing to do with the character in creation.

inline constexpr int kPartySize = 20;

// One entry of the party table. An empty name marks a free entry.
struct PartyCharacter {
    std::string name;
    std::string class_name;
    std::string level;
    std::string race;
    std::string sex;
    std::string alignment;
    int32_t honor = 0;
    int32_t temporal_honor = 0; // accumulated from awards
    // The character file it was read from, as the party file names it (party_members.h);
    // empty for a character typed in by hand.
    std::string file;
    // The honor its character file held when it was read, so that writing honor back adds
    // only what the tracker changed since.
    int32_t loaded_honor = 0;
    std::string notes; // the game master's notes on the member
};

// The party table. The characters are the entries before the first free one.
extern std::array<PartyCharacter, kPartySize> pcs;

// How many characters the party holds.
int PartyCount();

// The entry of the character shown as `shown_name` in the party list: the first character
// of exactly that name. -1 when there is none.
int FindPartyCharacter(std::string_view shown_name);

enum class JoinResult { kJoined, kNoName, kAlreadyInParty, kPartyFull };

// Puts a character into the first free entry, with no temporal honor yet. A character
// without a name, one whose name is already in the party, or a 21st character is refused.
JoinResult AddToParty(const PartyCharacter& character);

// Takes out the character at `index`: the ones after it move up by one and the last entry
// is emptied. False when `index` holds no character.
bool RemoveFromParty(int index);

// Empties the whole table.
void ClearParty();

// The party list's columns and one row per character, honor and temporal honor as numbers.
inline constexpr int kPartyColumns = 8;
inline constexpr std::array<const char*, kPartyColumns> kPartyColumnNames = {
    "Name", "Class", "Level", "Race", "Sex", "Honor", "Alignment", "Temporal Honor"};
using PartyRow = std::array<std::string, kPartyColumns>;
std::vector<PartyRow> PartyRows();
