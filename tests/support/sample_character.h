#pragma once

#include <filesystem>
#include <string>

// A small, complete character for the character file, sheet and list tests: Brenna Ashford,
// a first-level human fighter, and the two data files her race and class come from.

// Writes Races/Human_Female_Race.qdf (move 9, one racial bonus and one downside) and
// Classes/FighterClass.qdf (save table 2, a fighter) into `workspace`.
void WriteSampleRulesData(const std::filesystem::path& workspace);

// Fills the current character, empty as at the start of a test, with Brenna by reading her
// reviewed file, tests/golden/brenna_character.xml; she is linked to the loaded race and class
// records when the lists hold them.
void MakeSampleCharacter();

// A data file text with the given lines between the record's opening and closing tags.
std::string DataRecord(const std::string& record_tag, const std::string& lines);
