#pragma once

#include <functional>
#include <string>
#include <vector>

// The saved characters the honor tracker's picker offers, with the few fields the party
// table takes from a character file. The character-file code installs the lister that
// scans the saved characters; until one is installed the list is empty and the tracker
// asks for a character to be typed in instead.
struct SavedCharacter {
    std::string name;
    std::string class_name;
    std::string level;
    std::string race;
    std::string sex;
    std::string alignment;
    std::string honor; // as written in the file
};

using SavedCharacterLister = std::function<std::vector<SavedCharacter>()>;

// Installs the lister (an empty function removes it) and returns the previous one.
SavedCharacterLister SetSavedCharacterLister(SavedCharacterLister lister);

// The saved characters, in the lister's order; empty when no lister is installed.
std::vector<SavedCharacter> ListSavedCharacters();
