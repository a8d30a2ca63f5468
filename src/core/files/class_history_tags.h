#pragma once

#include <array>

#include "core/model/data_items.h"

// The by-level arrays of a character's class entry as the character file names them: each
// level i is one element whose tag is the name followed by i ("CLASS_HITPOINTS_0").
struct ClassHistoryArray {
    const char* tag; // ends with the underscore before the level
    ByLevel ClassDataItem::*values;
};

inline constexpr std::array<ClassHistoryArray, 17> kClassHistoryArrays{{
    {"CLASS_HITPOINTS_", &ClassDataItem::hitpoints},
    {"CLASS_STR_GROW_", &ClassDataItem::str_grow},
    {"CLASS_DEX_GROW_", &ClassDataItem::dex_grow},
    {"CLASS_CON_GROW_", &ClassDataItem::con_grow},
    {"CLASS_INT_GROW_", &ClassDataItem::int_grow},
    {"CLASS_WIS_GROW_", &ClassDataItem::wis_grow},
    {"CLASS_CHR_GROW_", &ClassDataItem::chr_grow},
    {"CLASS_COM_GROW_", &ClassDataItem::com_grow},
    {"CLASS_PICK_POCKETS_", &ClassDataItem::pick_pockets},
    {"CLASS_OPEN_LOCKS_", &ClassDataItem::open_locks},
    {"CLASS_FIND_TRAPS_", &ClassDataItem::find_traps},
    {"CLASS_REMOVE_TRAPS_", &ClassDataItem::remove_traps},
    {"CLASS_MOVE_SILENTLY_", &ClassDataItem::move_silently},
    {"CLASS_HIDE_IN_SHADOWS_", &ClassDataItem::hide_in_shadows},
    {"CLASS_DETECT_NOISE_", &ClassDataItem::detect_noise},
    {"CLASS_CLIMB_WALLS_", &ClassDataItem::climb_walls},
    {"CLASS_READ_LANGUAGES_", &ClassDataItem::read_languages},
}};

// The highest level whose array entries a class entry of `level` writes: its own level,
// within the 0 to 99 the arrays hold; -1 (none) for a negative level.
inline int LastWrittenLevel(int level) {
    return level < 0 ? -1 : (level < kMaxLevels ? level : kMaxLevels - 1);
}
