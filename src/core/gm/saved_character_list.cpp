#include "core/gm/saved_character_list.h"

#include <utility>

namespace {

SavedCharacterLister& InstalledLister() {
    static SavedCharacterLister lister;
    return lister;
}

} // namespace

SavedCharacterLister SetSavedCharacterLister(SavedCharacterLister lister) {
    return std::exchange(InstalledLister(), std::move(lister));
}

std::vector<SavedCharacter> ListSavedCharacters() {
    const SavedCharacterLister& lister = InstalledLister();
    return lister ? lister() : std::vector<SavedCharacter>{};
}
