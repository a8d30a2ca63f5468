#pragma once

#include <array>
#include <cstdint>

#include "core/model/character.h"

// The seven abilities, written once: the name the rules give, the short name the skills'
// mastery texts and the sheet use, and the record's score and percentile with the names the
// record and the character file give them. The record's score lists, its field table, the
// character file, the sheet, the tree, the skills' mastery and the command all walk this table.
struct Ability {
    const char* full;       // "Strength"
    const char* abbr;       // "STR"
    const char* base_field; // "strength_base"
    const char* perc_field; // "strength_perc"
    const char* base_tag;   // "STRENGTH_BASE"
    const char* perc_tag;   // "STRENGTH_PERC"
    int32_t Character_Class::*score;
    int32_t Character_Class::*percentile;
};

// clang-format off
inline constexpr std::array<Ability, kAbilityCount> kAbilityTable = {{
    {"Strength",     "STR", "strength_base",     "strength_perc",
     "STRENGTH_BASE",     "STRENGTH_PERC",     &Character_Class::strength_base,
     &Character_Class::strength_perc},
    {"Dexterity",    "DEX", "dexterity_base",    "dexterity_perc",
     "DEXTERITY_BASE",    "DEXTERITY_PERC",    &Character_Class::dexterity_base,
     &Character_Class::dexterity_perc},
    {"Constitution", "CON", "constitution_base", "constitution_perc",
     "CONSTITUTION_BASE", "CONSTITUTION_PERC", &Character_Class::constitution_base,
     &Character_Class::constitution_perc},
    {"Intelligence", "INT", "intelligence_base", "intelligence_perc",
     "INTELLIGENCE_BASE", "INTELLIGENCE_PERC", &Character_Class::intelligence_base,
     &Character_Class::intelligence_perc},
    {"Wisdom",       "WIS", "wisdom_base",       "wisdom_perc",
     "WISDOM_BASE",       "WISDOM_PERC",       &Character_Class::wisdom_base,
     &Character_Class::wisdom_perc},
    {"Charisma",     "CHA", "charisma_base",     "charisma_perc",
     "CHARISMA_BASE",     "CHARISMA_PERC",     &Character_Class::charisma_base,
     &Character_Class::charisma_perc},
    {"Comeliness",   "COM", "comeliness_base",   "comeliness_perc",
     "COMELINESS_BASE",   "COMELINESS_PERC",   &Character_Class::comeliness_base,
     &Character_Class::comeliness_perc},
}};
// clang-format on
