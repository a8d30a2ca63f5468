#pragma once

#include <string>
#include <vector>

#include "core/model/text.h"

// What both quirk steps share: the character's quirks and flaws as the table counts them
// (`quirk_count`, by entry index) and the lines and list items made from them.

// Entries 1 to 618 of the quirk table; the rest of the 800 slots stay empty.
constexpr int kFirstQuirkEntry = 1;
constexpr int kQuirkEntryEnd = 619;

// An entry's name, followed by " (x%i)" when it is held or picked more than once.
std::string QuirkLine(int entry, int times);

// One line per entry the character holds, in table order.
std::vector<std::string> HeldQuirkLines();

// Appends every held entry to the character's quirks list, with the count it is held.
void AppendHeldQuirks();

// "Male Pattern Baldness", which a female character can never keep.
constexpr int kMalePatternBaldness = 15;
constexpr char kFemaleBaldnessMessage[] =
    "Females can not get male patern baldness! You lose this flaw and gain a roll on 6C and 6F";

// Whether the character is female (the race entry's sex, else the record's).
bool IsFemaleCharacter();
