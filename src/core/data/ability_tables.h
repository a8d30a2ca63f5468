#pragma once

#include <array>
#include <cstdint>

// The fixed rules tables of the ability scores: what a score (and, for strength, dexterity,
// intelligence and wisdom, its percentile) is worth in play. Comeliness has no table.
//
// Strength, dexterity, intelligence and wisdom rows start at a score and, within that score,
// at the lowest percentile they apply from; they are in ascending order of both. Constitution
// and charisma rows are indexed by the score itself, 0 to 25 (row 0 is all zeros).

struct StrengthRow {
    int32_t score;
    int32_t from_percentile;
    int32_t to_hit;
    int32_t damage;
    int32_t weight_allowance;
    int32_t max_press;
    const char* open_doors;
    int32_t bend_bars; // %
    // Upper bounds of the four encumbrance bands; each band starts one above the previous.
    int32_t light_to;
    int32_t moderate_to;
    int32_t heavy_to;
    int32_t severe_to;
};

struct DexterityRow {
    int32_t score;
    int32_t from_percentile;
    int32_t defense;
    int32_t reaction;
    int32_t missile;
    // Thief skill adjustments, %.
    int32_t pick_pockets;
    int32_t open_locks;
    int32_t find_traps;
    int32_t remove_traps;
    int32_t move_silently;
    int32_t hide_in_shadows;
};

struct ConstitutionRow {
    int32_t hp_adjustment;
    int32_t system_shock;          // %
    int32_t resurrection_survival; // %
    int32_t poison_save;
    int32_t immunity_to_disease; // %
    const char* regeneration;
};

struct IntelligenceRow {
    int32_t score;
    int32_t from_percentile;
    int32_t max_languages;
    const char* max_spell_level;
    int32_t learn_spells; // %
    const char* max_spells_per_level;
    const char* illusion_immunity;
    int32_t spell_mishap; // %
};

struct WisdomRow {
    int32_t score;
    int32_t from_percentile;
    int32_t magical_defense;
    const char* bonus_spells;
    int32_t spell_failure; // %
    const char* spell_immunity;
    int32_t improve_skill; // %
};

struct CharismaRow {
    int32_t max_henchmen;
    int32_t loyalty_base;
    int32_t reaction;
    int32_t comeliness_modifier;
    int32_t honor_modifier;
};

constexpr int kHighestAbilityScore = 25;
constexpr int kScoreIndexedRows = kHighestAbilityScore + 1;

extern const std::array<StrengthRow, 49> kStrengthTable;
extern const std::array<DexterityRow, 49> kDexterityTable;
extern const std::array<ConstitutionRow, kScoreIndexedRows> kConstitutionTable;
extern const std::array<IntelligenceRow, 27> kIntelligenceTable;
extern const std::array<WisdomRow, 27> kWisdomTable;
extern const std::array<CharismaRow, kScoreIndexedRows> kCharismaTable;
