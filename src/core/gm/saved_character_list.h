#pragma once

#include <vector>

#include "core/files/character_list.h"

// The saved characters of the workspace, as the character list reads them (the same order
// as the open dialog's), for the honor tracker's picker, without the files that cannot be
// read. Empty when there are none.
std::vector<SavedCharacterSummary> ListSavedCharacters();

// The listed fields of one saved character, read again from its file (`listed.file_name` in
// "CharacterXML"); `listed` itself when the file can no longer be read.
SavedCharacterSummary ReadSavedCharacterAgain(const SavedCharacterSummary& listed);
