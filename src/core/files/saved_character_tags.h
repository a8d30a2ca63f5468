#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/model/character.h"

// The elements a character file gives back to the record, in the order they are tested: the
// first tag that occurs in an element's tag text takes the element. Every other element
// (containers, values worked out from the record) is left alone. The member an element fills
// is the one the record's field table gives its tag (CharacterFields()).

// One of the nine sibling lines (0 to 8).
struct SiblingLine {
    int index;
};
// The start of a class entry: the value names it and the block's further lines fill it.
struct ClassEntry {};
// An item of one of the character's lists: the value names it, the next line gives its number.
enum class SavedItemList { kSkill, kTalent, kProficiency, kQuirk, kEquipment, kSpell, kFailedSpell };

using SavedField = std::variant<std::string Character_Class::*,              // text
                                int32_t Character_Class::*,                  // whole number
                                std::vector<std::string> Character_Class::*, // one more event
                                SiblingLine, ClassEntry, SavedItemList>;

struct SavedTag {
    const char* tag; // "<CHARACTER_NAME"
    SavedField field;
    // A supplement background: its first element tells that the character took it.
    bool Character_Class::*background_flag = nullptr;
};

std::span<const SavedTag> SavedCharacterTags();

// The first tag in test order that occurs in `tag_text`; null if none does.
const SavedTag* MatchSavedTag(std::string_view tag_text);

// The tag an item's number line carries ("<SKILLRATING"), for telling it from the next item.
const char* ItemNumberTag(SavedItemList list);
