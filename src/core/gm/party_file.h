#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The party file: a party the game master keeps from one evening to the next, in the
// workspace's "Parties" directory as NAME.party. A text file of one line per fact:
//
//   FRAYMARK-PARTY 1
//   notes<TAB>the party's notes
//   member<TAB>character file<TAB>temporal honor<TAB>the member's notes
//
// Texts are escaped as the character file escapes them (saved_text.h), so a tab or a line
// end inside a name or a note never splits a line. The character file is a file name inside
// the workspace's "CharacterXML" (as `character list` prints it) or, for a file kept
// elsewhere, a path. Everything else a member has (name, class, honor) lives in its
// character file and is read from there.

inline constexpr const char* kPartyDirectory = "Parties";
inline constexpr const char* kPartyFileExtension = ".party";
inline constexpr const char* kPartyFileMagic = "FRAYMARK-PARTY";
inline constexpr int kPartyFileVersion = 1;

// One member as the party file keeps it.
struct PartyMember {
    std::string file;
    int32_t temporal_honor = 0;
    std::string notes;

    bool operator==(const PartyMember&) const = default;
};

struct PartyFile {
    std::vector<PartyMember> members; // in the party table's order
    std::string notes;

    bool operator==(const PartyFile&) const = default;
};

// The file's text, as the writer makes it.
std::string PartyFileText(const PartyFile& party);

// What reading a party file's text found: the party, or why it is none ("line 3: ...").
struct PartyFileReading {
    PartyFile party;
    std::string error; // empty when the text was read
};
PartyFileReading ReadPartyFileText(std::string_view text);

// The party file of that name: WORKSPACE/Parties/NAME.party (the name's "/" and "\" become
// "_", as a saved character's do; a name that ends in ".party" already keeps it).
std::filesystem::path PartyFilePath(std::string_view name);

// Reads the party file at `path`; a file that cannot be opened is an error too.
PartyFileReading LoadPartyFile(const std::filesystem::path& path);

// Writes the party to `path`, replacing the old file only once the new one is complete;
// false, with `error` saying why, when it could not be written.
bool SavePartyFile(const std::filesystem::path& path, const PartyFile& party, std::string& error);
