#pragma once

#include <string>

#include "core/files/character_file_reader.h"

// Loads a saved character from "CharacterXML" as the open window does: clears the record
// and the creation state (Clear_All) and the sibling lines, empties the equipment (the file
// lists the character's own, clothes included), reads the file into the record and shows the
// result in the character tree. A file that cannot be opened or cannot be read to its end is
// reported to the user and leaves the record and the creation state as they were.
CharacterReadReport OpenSavedCharacter(const std::string& file_name);

// Sends a character just read from its file to the character tree, branch by branch: the
// abilities, the general data, the class data, the priors and particulars, the quirks and
// flaws, the skills, the equipment, the talents and the proficiencies.
void SendOpenedCharacterToTree();
