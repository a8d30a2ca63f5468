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

// The lookups and effects of each ability of the table, in its order.
const SavedAbility kAbilities[] = {
    {kAbilityTable[0], &AbilityScores::GetStrength, kStrength},
    {kAbilityTable[1], &AbilityScores::GetDexterity, kDexterity},
    {kAbilityTable[2], &AbilityScores::GetConstitution, kConstitution},
    {kAbilityTable[3], &AbilityScores::GetIntelligence, kIntelligence},
    {kAbilityTable[4], &AbilityScores::GetWisdom, kWisdom},
    {kAbilityTable[5], &AbilityScores::GetCharisma, kCharisma},
    {kAbilityTable[6], nullptr, {}},
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
