#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/gm/party_members.h"

// The party the honor tracker windows share, as the game master keeps it from one evening to
// the next: the party file it came from or was last saved to (none for a party not kept yet),
// what opening it brought (the notes, the members that could not be read) and whether the
// party table changed since. One for the whole run, as the party table is.
struct PartySession {
    std::filesystem::path file;
    PartyOpening opening;
    bool changed = false;
};

PartySession& CurrentPartySession();

// The party table changed (a member joined or left, an award, an adjustment).
void NotePartyChanged();

// An empty party, kept nowhere yet.
void StartNewParty();

// Opens the party file at `path` into the party table. A file that cannot be read or is
// broken changes nothing and gives its error (first line "cannot open ..."); otherwise the
// members that could not be read are named, one line each (empty when all were).
struct PartySessionOpening {
    std::string error;
    std::vector<std::string> problems;
};
PartySessionOpening OpenPartySession(const std::filesystem::path& path);

// Saves the party table to `path` (the file it is kept in from now on); false, with `error`,
// when it could not be written.
bool SavePartySession(const std::filesystem::path& path, std::string& error);

// The names of the parties kept in the workspace's "Parties" directory, sorted.
std::vector<std::string> KeptPartyNames();
