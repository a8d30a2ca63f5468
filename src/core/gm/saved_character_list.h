#pragma once

#include <vector>

#include "core/files/character_list.h"

// The saved characters of the workspace, as the character list reads them (the same order
// as the open dialog's), for the honor tracker's picker, without the files that cannot be
// read. Empty when there are none.
std::vector<SavedCharacterSummary> ListSavedCharacters();
