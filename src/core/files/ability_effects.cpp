#include "core/files/ability_effects.h"

#include "core/tree/ability_scores.h"

namespace {

const AbilityEffect kStrength[] = {
    {"Hit Prob.", "to_hit_adj"},      {"Dam Adj.", "Damage_adj"},
    {"WT. All.", "Weight_Allowance"}, {"Max. Press", "Max_Press"},
    {"Open Doors", "Open_Doors"},     {"Bend Bars Lift Gates", "Bend_Bars"},
};
const AbilityEffect kDexterity[] = {
    {"Defense Adj.", "Defense_adj"},
    {"Reaction Adj.", "Reaction_adj"},
    {"Missile Adj.", "Missile_adj"},
};
const AbilityEffect kConstitution[] = {
    {"HP Adj.", "HP_Adj"},
    {"System Shock", "System_Shock"},
    {"Resurrect Survival", "Resurection_Survival"},
    {"Poison Save", "Poison_Save"},
    {"Imm. to Dis./Alc.", "Immunity_to_Disease"},
    {"Regen./ Heal", "Regeneration"},
};
const AbilityEffect kIntelligence[] = {
    {"# of Lang.", "Maximum_Languages"},   {"Spell Lvl.", "Maximum_Spell_Level"},
    {"Learn Ability", "Learn_Spells"},     {"Max. # Spells/Lvl", "Maximum_Number_Spells"},
    {"Illus. Imm.", "Illussion_Immunity"}, {"Spell Mis.", "Spell_Mishap"},
};
const AbilityEffect kWisdom[] = {
    {"Magical Def. Adj.", "Magical_Defense"}, {"Bonus Spells", "Bonus_Spells"},
    {"Spell Fail", "Spell_Failure"},          {"Spell Imm.", "Spell_Immunity"},
    {"Chance Imp. Skill", "Improve_Skill"},
};
const AbilityEffect kCharisma[] = {
    {"Max. # Hench.", "Max_Henchmen"},
    {"Loyalty Base", "Loyalty_Base"},
    {"React. Adj.", "Reaction_Adj"},
};
const AbilityEffect kCharismaSheetExtras[] = {
    {"COM. Mod.", "Com_Mod"},
    {"Hon. Mod.", "Hon_Mod"},
};

using C = Character_Class;
const SavedAbility kAbilities[] = {
    {"Strength", "STR", "STRENGTH_BASE", "STRENGTH_PERC", &C::strength_base, &C::strength_perc,
     &AbilityScores::GetStrength, kStrength},
    {"Dexterity", "DEX", "DEXTERITY_BASE", "DEXTERITY_PERC", &C::dexterity_base, &C::dexterity_perc,
     &AbilityScores::GetDexterity, kDexterity},
    {"Constitution", "CON", "CONSTITUTION_BASE", "CONSTITUTION_PERC", &C::constitution_base,
     &C::constitution_perc, &AbilityScores::GetConstitution, kConstitution},
    {"Intelligence", "INT", "INTELLIGENCE_BASE", "INTELLIGENCE_PERC", &C::intelligence_base,
     &C::intelligence_perc, &AbilityScores::GetIntelligence, kIntelligence},
    {"Wisdom", "WIS", "WISDOM_BASE", "WISDOM_PERC", &C::wisdom_base, &C::wisdom_perc,
     &AbilityScores::GetWisdom, kWisdom},
    {"Charisma", "CHA", "CHARISMA_BASE", "CHARISMA_PERC", &C::charisma_base, &C::charisma_perc,
     &AbilityScores::GetCharisma, kCharisma},
    {"Comeliness",
     "COM",
     "COMELINESS_BASE",
     "COMELINESS_PERC",
     &C::comeliness_base,
     &C::comeliness_perc,
     nullptr,
     {}},
};

} // namespace

std::span<const SavedAbility> SavedAbilities() {
    return kAbilities;
}

std::span<const AbilityEffect> SheetExtraCharismaEffects() {
    return kCharismaSheetExtras;
}

std::string EffectText(const SavedAbility& ability, const AbilityEffect& effect) {
    if (!ability.lookup) {
        return "";
    }
    return ability.lookup(effect.lookup, current_character.*ability.score,
                          current_character.*ability.percentile);
}
