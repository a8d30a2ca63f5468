#pragma once

#include <string>

#include "core/files/character_file_reader.h"
#include "core/model/outcome.h"

// Loads a saved character from "CharacterXML" as the open window does: clears the record
// and the creation state (Clear_All) and the sibling lines, empties the equipment (the file
// lists the character's own, clothes included), reads the file into the record and shows the
// result in the character tree. A file that cannot be opened or cannot be read to its end is
// reported to the user and leaves the record and the creation state as they were.
CharacterReadReport OpenSavedCharacter(const std::string& file_name);

// Opens the party member shown as `member_name` as the character in hand, as OpenSavedCharacter
// does; refused, saying why, during a creation, for a name not in the party, and for a member
// kept outside the workspace's "CharacterXML".
Outcome OpenPartyMember(const std::string& member_name);

// Sends a character just read from its file to the character tree, branch by branch: the
// abilities, the general data, the class data, the priors and particulars, the quirks and
// flaws, the skills, the equipment, the talents and the proficiencies.
void SendOpenedCharacterToTree();
