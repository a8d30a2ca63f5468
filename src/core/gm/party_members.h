#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/files/character_list.h"
#include "core/gm/honor_party.h"
#include "core/gm/party_file.h"

// A kept party brought into the honor tracker's party table and back: the members are read
// from their character files as "Add PC" reads them (the character list's summary), their
// temporal honor and notes from the party file.

// Where a member's character file lies: a name without "/" or "\" is a file of the
// workspace's "CharacterXML"; anything else is a path, relative ones from the workspace.
std::filesystem::path PartyMemberPath(const std::string& member_file);

// How the party file names `file`: its file name when it lies in the workspace's
// "CharacterXML", else its absolute path.
std::string PartyMemberFileOf(const std::filesystem::path& file);

// The party table's entry of a saved character: its listed fields, the honor text read as a
// typed number is read, that honor as the honor loaded, and the file it came from.
PartyCharacter PartyCharacterOf(const SavedCharacterSummary& saved, const std::string& file);

// What opening a party brought: the party's notes, the members that could not be read
// (kept, so that saving the party again does not lose them) and one line for each of them
// for the game master ("Brenna.xml: missing").
struct PartyOpening {
    std::string notes;
    std::vector<PartyMember> absent;
    std::vector<std::string> problems;
};

// Empties the party table and fills it with the party's members, in the party file's order,
// each with its temporal honor and notes. A member whose file is missing, cannot be read,
// holds no character or a character already in the party is left out and named.
PartyOpening OpenPartyMembers(const PartyFile& party);

// The party table as a party file: the members in table order (those typed in by hand,
// without a file, are not kept), then the absent ones, and the notes.
PartyFile PartyFileOfTable(const PartyOpening& opening);
