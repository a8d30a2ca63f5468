#pragma once

#include <string>
#include <vector>

// The saved characters the honor tracker's picker offers, with the few fields the party
// table takes from a character file.
struct SavedCharacter {
    std::string name;
    std::string class_name;
    std::string level;
    std::string race;
    std::string sex;
    std::string alignment;
    std::string honor; // as written in the file
};

// The saved characters of the workspace, as the character list reads them (the same order
// as the open dialog's), without the files that cannot be read. Empty when there are none.
std::vector<SavedCharacter> ListSavedCharacters();
