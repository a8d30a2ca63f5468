#pragma once

#include <string>
#include <string_view>
#include <vector>

// The party side by side, for the game master at the table: one row per member of the party
// table, read from its character file and worked out as the character sheet works it out.

// The columns: who the member is, where its classes stand, its hit points and honor, the
// thirteen saving throws (by their short names) and its movement and alignment. A member of
// several classes shows its classes, levels, experience and next levels joined by "/", in
// the order it took its classes; "-" where a class goes no further.
std::vector<std::string> PartyTableColumns();

struct PartyTable {
    std::vector<std::vector<std::string>> rows; // one per member read, in party order
    std::vector<std::string> problems;          // "Brenna.xml: missing"
    std::string refusal;                        // why no member was read at all
};

// Reads every member of the party table into its row. A member whose file is missing,
// unreadable or now holds another character is named and left out. The character in hand
// is put aside meanwhile (party_work.h); refused while a creation is in progress.
PartyTable ReadPartyTable();

// The table as an HTML page for one landscape sheet, every text escaped as the character
// sheet escapes it, under `title` ("Party: Brenna's Band").
std::string PartySheetHtml(const PartyTable& table, std::string_view title);
