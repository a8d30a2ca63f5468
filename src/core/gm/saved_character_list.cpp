#include "core/gm/saved_character_list.h"

#include "core/files/character_list.h"

std::vector<SavedCharacter> ListSavedCharacters() {
    VexlFileClass().LoadCharacter();
    std::vector<SavedCharacter> saved;
    for (const VexlFileClass* p = VexlFileClass::pHead.get(); p; p = p->next.get()) {
        if (!p->read_error.empty()) {
            continue; // a file that cannot be read gives no honor to track
        }
        saved.push_back({p->character_name, p->class_long_name, p->level, p->race, p->sex,
                         p->alignment, p->honor_base});
    }
    return saved;
}
