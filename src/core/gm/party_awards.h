#pragma once

#include <string>
#include <vector>

// Awards that reach the party members' character files: the honor the tracker gave, and
// experience for the whole party. Each member's file is read again before it is changed, so
// a change made meanwhile (in another window, by another run) is kept, and written back with
// its sheet as "Save file" writes them; what was done goes to the member's own dice log.
// The character in hand is put aside meanwhile and comes back as it was (party_work.h); the
// windows show it afresh afterwards (its tree).

struct PartyWorkReport {
    std::string refusal;               // why nothing was done at all; empty when work was done
    std::vector<std::string> written;  // one line per member written
    std::vector<std::string> problems; // "Brenna.xml: missing; skipped"
    std::vector<std::string> ready;    // "Brenna: Thief may advance to level 2"
};

// For each member of the party table whose honor the tracker changed: its file's honor plus
// what the tracker added or took since the member was read (its honor less the honor
// loaded), written back; the member's entry then holds the file's new honor as loaded. A
// member whose file is missing, unreadable or now holds another character is named and
// skipped. Refused while a creation is in progress.
PartyWorkReport WriteHonorToCharacters();

// Divides `points` experience points equally among the members of the party table (the
// first members take one point more each while what does not divide lasts), gives each its
// share by the character's own award rules (shared among its classes), writes the files back
// and names the members' classes that may now advance. Refused when `points` is below 1 or a
// creation is in progress; a member whose award is refused is named and skipped.
PartyWorkReport AwardPartyExperience(long long points);

// How `points` are divided among `members` members, in party order.
std::vector<long long> PartyShares(long long points, int members);
