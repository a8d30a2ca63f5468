#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/tree/ability_scores.h"
#include "core/model/abilities.h"
#include "core/model/character.h"
#include "core/model/text.h"
#include "core/model/user_port.h"
#include "core/tree/tree_branch.h"

// The ability branches of the character tree: each ability's score and what it is worth in
// play, looked up in the ability tables.

namespace {

std::string ScoreText(int score, int percentile) {
    return Printf("%i/%i", score, percentile);
}

using AbilityLookup = std::string (*)(const std::string&, int, int);

// Sends one ability's branch: "Score", then each named effect of the score.
void SendBranch(const std::string& branch, AbilityLookup lookup, int score, int percentile,
                std::initializer_list<std::string_view> names) {
    if (!TreeShown()) {
        return;
    }
    std::vector<std::string> keys{"Score"};
    std::vector<std::string> values{ScoreText(score, percentile)};
    for (std::string_view name : names) {
        keys.emplace_back(name);
        values.push_back(lookup(std::string(name), score, percentile));
    }
    Port().UpdateTreeBranch(branch, keys, values);
}

} // namespace

void AbilityScores::SendStrengthtoTree() {
    const Character_Class& c = current_character;
    SendBranch("Strength", GetStrength, c.strength_base, c.strength_perc,
               {"to_hit_adj", "Damage_adj", "Weight_Allowance", "Max_Press", "Open_Doors",
                "Bend_Bars", "Light_Encumbrance", "Moderate_Encumbrance", "Heavy_Encumbrance",
                "Severe_Encumbrance"});
}

void AbilityScores::SendDexteritytoTree() {
    const Character_Class& c = current_character;
    SendBranch("Dexterity", GetDexterity, c.dexterity_base, c.dexterity_perc,
               {"Defense_adj", "Reaction_adj", "Missile_adj", "Pick_Pockets", "Open_Locks",
                "Find_Traps", "Remove_Traps", "Move_Silently", "Hide_in_Shadows"});
}

void AbilityScores::SendConstitutiontoTree() {
    const Character_Class& c = current_character;
    SendBranch("Constitution", GetConstitution, c.constitution_base, c.constitution_perc,
               {"HP_Adj", "System_Shock", "Resurection_Survival", "Poison_Save",
                "Immunity_to_Disease", "Regeneration"});
}

void AbilityScores::SendIntelligencetoTree() {
    const Character_Class& c = current_character;
    SendBranch("Intelligence", GetIntelligence, c.intelligence_base, c.intelligence_perc,
               {"Maximum_Languages", "Maximum_Spell_Level", "Learn_Spells", "Maximum_Number_Spells",
                "Illussion_Immunity", "Spell_Mishap"});
}

void AbilityScores::SendWisdomtoTree() {
    const Character_Class& c = current_character;
    SendBranch(
        "Wisdom", GetWisdom, c.wisdom_base, c.wisdom_perc,
        {"Magical_Defense", "Bonus_Spells", "Spell_Failure", "Spell_Immunity", "Improve_Skill"});
}

void AbilityScores::SendCharismatoTree() {
    const Character_Class& c = current_character;
    SendBranch("Charisma", GetCharisma, c.charisma_base, c.charisma_perc,
               {"Max_Henchmen", "Loyalty_Base", "Reaction_Adj"});
}

void AbilityScores::SendAbilitiestoTree() {
    if (!TreeShown()) {
        return;
    }
    Character_Class& c = current_character;
    const auto scores = c.Scores();
    const auto fractions = c.Percentiles();
    std::vector<std::string> keys, values;
    for (int i = 0; i < 7; ++i) {
        keys.emplace_back(kAbilityTable[i].full);
        values.push_back(ScoreText(*scores[i], *fractions[i]));
    }
    Port().UpdateTreeBranch("Ability Scores", keys, values);

    SendStrengthtoTree();
    SendDexteritytoTree();
    SendConstitutiontoTree();
    SendIntelligencetoTree();
    SendWisdomtoTree();
    SendCharismatoTree();
}
