#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/model/abilities.h"

// The seven abilities as the character file and the sheet show them: names, the record's
// score and percentile, and each effect with its label and the name of its table lookup.
struct AbilityEffect {
    const char* label;  // as printed: "Hit Prob."
    const char* lookup; // the ability table's effect name: "to_hit_adj"
};

struct SavedAbility : Ability {
    std::string (*lookup)(const std::string& name, int score, int percentile); // null: none
    std::span<const AbilityEffect> effects;
};

// Strength to Comeliness, in the record's order. Comeliness has no effects of its own.
std::span<const SavedAbility> SavedAbilities();

// The charisma effects the sheet adds after the character file's three.
std::span<const AbilityEffect> SheetExtraCharismaEffects();

// The text of one effect for the current character.
std::string EffectText(const SavedAbility& ability, const AbilityEffect& effect);
