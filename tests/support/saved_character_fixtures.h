#pragma once

#include <filesystem>
#include <string>

#include "core/gm/saved_character_list.h"

// Writes a small character file into the workspace's "CharacterXML" directory holding the
// fields the character list reads. Files are listed in file-name order.
void WriteSavedCharacter(const std::filesystem::path& workspace, const std::string& file_name,
                         const SavedCharacterSummary& character);
