#pragma once

#include <cstdint>

// The source-book and rule switches. An entry of 1 means on; a data record whose book
// number indexes an entry that is not 1 is never offered.
constexpr int kBookSwitches = 110;   // room for a few more than are stored
constexpr int kStoredSwitches = 100; // entries 0-99 are kept in the options file
constexpr int kOptionsFileSize = 404;
constexpr const char* kOptionsFileName = "options.qdb";

extern int32_t BooksToUse[kBookSwitches];

// Entries with a fixed meaning.
enum BookSwitch : int {
    kPlayersHandbook = 0,
    kHexwrightsGuide = 1,
    kWarbrandsGuide = 2,
    kLurchersGuide = 3,
    kVotarysGuide = 4,
    kBeastrolle = 5,
    kRollYourOwnDice = 6,
    kBrasshold = 7,
    kEnforceSocialClass = 8,
    kWebErratta = 9,
    kTavernfolk64 = 10,
    kThornwatchKeep = 11,
    kGiantfall = 12,
    kFrayJammer = 13,
    kSpriglingGuide = 14,
};

// Label of the options window's check box for entries 1 to 14.
const char* OptionLabel(int entry);

// True when the book number is a switch that is on.
bool BookEnabled(int book);

// Reads entries 0-99 from the options file; creates the file from the current switches when
// it does not exist. A short file leaves the remaining entries as they were.
void LoadOptions();

// Writes entries 0-99 and the zero word. A file that cannot be created is left alone silently.
void SaveOptions();
