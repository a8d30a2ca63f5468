#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/model/linked_list.h"

// What a list of saved characters shows of each: name, class, level, race, sex, alignment
// and honor, all as written in the character file.
struct SavedCharacterSummary {
    std::string character_name;
    std::string class_long_name;
    std::string level; // as written in the file
    std::string race;
    std::string sex;
    std::string alignment;
    std::string honor_base; // as written in the file
    std::string file_name;  // the file it was read from, inside "CharacterXML"
};

// The saved characters of the workspace's "CharacterXML" directory, each read just far
// enough to list it.
class VexlFileClass : public LinkedRecord<VexlFileClass>, public SavedCharacterSummary {
public:
    std::string read_error; // why the file could not be read (to its end); empty when it could

    // Empties the list and lists every "*.xml" file of "CharacterXML" (letter case ignored),
    // sorted by file name with letter case ignored. A missing directory lists nothing.
    void LoadCharacter();

    // Reads the listed fields of one character file into `record`, up to the line holding
    // "</FRAYMARK_CHARACTER" or the end of the file, texts unescaped as the character file
    // reader does. A file that cannot be opened leaves the fields empty; a file whose reading
    // fails keeps what was read before. Either way `read_error` says why.
    void ParseCXML(const std::filesystem::path& file, VexlFileClass* record);

    // The first record, in list order, whose character name contains `name`.
    static VexlFileClass* Find(std::string_view name);
};
