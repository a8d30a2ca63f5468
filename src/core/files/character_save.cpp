#include "core/files/character_save.h"

#include <filesystem>
#include <system_error>

#include "core/files/character_file_writer.h"
#include "core/files/character_sheet.h"
#include "core/files/saved_files.h"
#include "core/model/character.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"

namespace {

// The naming dialog of the alignment-and-name step.
constexpr char kNameMessage[] = "Character Creation: Name your Character";
constexpr char kNameCaption[] = "Enter Name";
constexpr char kReplaceCaption[] = "Save Character";

// The character file the record was opened from or last saved to.
std::string saved_file_name;

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string XmlFileName(const std::string& name) {
    return SavedFileName(name) + ".xml";
}

// Whether saving under `name` would replace the file of another character.
bool ReplacesAnotherCharacter(const std::string& name) {
    const std::string file = XmlFileName(name);
    std::error_code error;
    return file != saved_file_name &&
           std::filesystem::exists(SavedFilePath(kCharacterXmlDirectory, file), error);
}

} // namespace

void RememberSavedFile(const std::string& file_name) {
    saved_file_name = file_name;
}

SaveResult SaveCurrentCharacter() {
    std::string name = current_character.character_name;
    bool ask = Blank(name);
    for (;;) {
        if (ask) {
            const auto answer = Port().AskText(kNameMessage, kNameCaption, name);
            if (!answer) {
                return SaveResult::kCancelled;
            }
            if (Blank(*answer)) {
                return SaveResult::kCancelled; // a file needs a name: nothing is written
            }
            name = *answer;
        }
        if (!ReplacesAnotherCharacter(name) ||
            Port().AskYesNo("A saved character named " + name +
                                " already exists. Replace it with this character?",
                            kReplaceCaption)) {
            break;
        }
        ask = true; // kept the other character: ask for another name
    }
    if (name != current_character.character_name) {
        current_character.character_name = name;
        messagetotree();
    }
    const std::string file = XmlFileName(name);
    if (!CreateXMLSheet(file, 1)) {
        return SaveResult::kFailed;
    }
    RememberSavedFile(file);
    return CreateHTMLSheet(SavedFileName(name) + ".html", 1) ? SaveResult::kSaved
                                                             : SaveResult::kFailed;
}
