#pragma once

#include <ostream>
#include <string>

// The printable character sheet: the current character as an HTML page for a browser, never
// read back. Sections in order: Character Information, Abilities, Hit Points, Experience
// Points, Saving Throws, Movement and Encumbrance, Racial Abilities, Spells Known, Quirks and
// Flaws, Skills Talents and Proficiencies, Inventory, Family Information. Every text from
// the record is HTML-escaped.

// Writes the sheet of the current character to `out`.
void WriteCharacterSheet(std::ostream& out);

// Writes the sheet to `file_name` in the workspace's "CharacterHTML" directory (created when
// missing), replacing an existing sheet only once the new one is complete; on failure the old
// sheet stays and the user is told why. The integer selects nothing (the save command passes
// 1). Returns whether the sheet was written.
bool CreateHTMLSheet(const std::string& file_name, int unused);

// The footer lines of the page.
constexpr const char* kSheetFooterProgram = "Made with Orlund's Plainspun Fraymark Toolkit";
constexpr const char* kSheetFooterGame =
    "The Fraymark game, its rules and tables belong to their rights holders.";
