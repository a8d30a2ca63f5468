#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The game master's honor award tables 4B to 4H: what an action is worth in honor to a
// character of each of the nine alignments. Awards go to temporal honor.

inline constexpr int kAlignments = 9;

// The nine alignments, in the order of an award's columns.
inline constexpr std::array<const char*, kAlignments> kAlignmentNames = {
    "Lawful-good",  "Lawful-neutral", "Lawful-evil",     "Neutral-good", "Neutral",
    "Neutral-evil", "Chaotic-good",   "Chaotic-neutral", "Chaotic-evil"};

// Who the `kind` of a class/professional award (table 4E) concerns; 0 for every other award.
enum HonorAwardKind : int32_t {
    kAnyCharacter = 0,
    kAssassinAward = 1,
    kClericAward = 2,
    kFighterAward = 3,
    kMageAward = 4,
    kMonkAward = 5,
    kThiefAward = 6,
};

// Whose honor an award touches: the character, the character's clan (table 4G) or the
// whole party (table 4H).
enum HonorAwardScope : int32_t {
    kCharacterScope = 0,
    kClanScope = 1,
    kPartyScope = 2,
};

// One award: the action, its table (1 to 7 for 4B to 4H), its note (an index into
// NoteBuffer, 0 for none), the points for each alignment, its kind and its scope.
struct HonorAward {
    const char* text;
    int32_t table;
    int32_t note;
    int32_t award[kAlignments];
    int32_t kind;
    int32_t scope;
};

inline constexpr int kHonorAwards = 122;
inline constexpr int kHonorTables = 7;

// The 122 awards in table order, then a record with no text.
extern const HonorAward HonorData[kHonorAwards + 1];

inline constexpr int kHonorNotes = 27;
// The award notes; entry 0 is the note field's title, shown when an award has no note.
extern const std::array<const char*, kHonorNotes> NoteBuffer;

// The award filter: entry 0 shows every award, entry n the awards of table n.
extern const std::array<const char*, kHonorTables + 1> kHonorFilterNames;

// The texts of the awards a filter shows, in table order; an unknown filter shows none.
std::vector<std::string> HonorAwardTexts(int filter);

// The award a shown text names: the first, in table order, whose text occurs within it.
// nullptr when none does.
const HonorAward* FindHonorAward(std::string_view shown);

// The note shown beside an award ("Notes" when it has none).
const char* HonorAwardNote(const HonorAward& award);

// The award column of an alignment: its exact name first; failing that the same name in any
// letter case, with a blank or an underscore for the hyphen ("Lawful Good"). -1 for none.
int AlignmentColumn(std::string_view alignment);

// The points an award is worth to a character of the alignment column, honor and level
// text. Awards whose note scales them (a share of the honor, so much per level) add that
// share to the column's points; a share is rounded toward zero.
int32_t HonorAwardPoints(const HonorAward& award, int column, int32_t honor,
                         std::string_view level);

// a + b, held within the range of a 32-bit honor value.
int32_t AddHonor(int32_t a, int64_t b);
