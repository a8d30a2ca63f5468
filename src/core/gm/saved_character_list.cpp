#include "core/gm/saved_character_list.h"

#include <utility>

#include "core/files/saved_files.h"

std::vector<SavedCharacterSummary> ListSavedCharacters() {
    VexlFileClass().LoadCharacter();
    std::vector<SavedCharacterSummary> saved;
    for (VexlFileClass* p = VexlFileClass::pHead.get(); p; p = p->next.get()) {
        if (!p->read_error.empty()) {
            continue; // a file that cannot be read gives no honor to track
        }
        saved.push_back(std::move(static_cast<SavedCharacterSummary&>(*p)));
    }
    VexlFileClass::Clear(); // what was read now lives in `saved` alone
    return saved;
}

SavedCharacterSummary ReadSavedCharacterAgain(const SavedCharacterSummary& listed) {
    VexlFileClass again;
    again.ParseCXML(SavedFilePath(kCharacterXmlDirectory, listed.file_name), &again);
    if (!again.read_error.empty()) {
        return listed;
    }
    again.file_name = listed.file_name;
    return again;
}
