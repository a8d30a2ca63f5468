#include "core/tree/ability_scores.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string_view>

#include "core/data/ability_tables.h"
#include "core/model/text.h"

namespace {

const char* const kUnknownName = "error";

// One effect of a table: its name and how its text is made from a row.
template <typename Row> struct Effect {
    std::string_view name;
    std::string (*text)(const Row&);
};

std::string Signed(int value) {
    return Printf("%+i", value);
}
std::string Plain(int value) {
    return Printf("%i", value);
}
std::string Percent(int value) {
    return Printf("%i%%", value);
}
std::string SignedPercent(int value) {
    return Printf("%+i%%", value);
}

// A load band: from one above the band below to this band's upper bound.
std::string Band(int below, int upper) {
    return Printf("%i - %i", below + 1, upper);
}

// The row of a score-and-percentile table: the last row of the score (clamped to 25) whose
// starting percentile the percentile reaches; the first row when none does.
template <typename Row> const Row& KeyedRow(std::span<const Row> rows, int score, int percentile) {
    score = std::min(score, kHighestAbilityScore);
    const Row* found = &rows.front();
    for (const Row& row : rows) {
        if (row.score == score && row.from_percentile <= percentile) {
            found = &row;
        }
    }
    return *found;
}

int ScoreRow(int score) {
    return std::clamp(score, 0, kHighestAbilityScore);
}

template <typename Row, std::size_t N>
std::string Lookup(const Effect<Row> (&effects)[N], const std::string& name, const Row& row) {
    for (const Effect<Row>& effect : effects) {
        if (effect.name == name) {
            return effect.text(row);
        }
    }
    return kUnknownName;
}

// clang-format off
const Effect<StrengthRow> kStrengthEffects[] = {
    {"to_hit_adj",           [](const StrengthRow& r) { return Signed(r.to_hit); }},
    {"Damage_adj",           [](const StrengthRow& r) { return Signed(r.damage); }},
    {"Weight_Allowance",     [](const StrengthRow& r) { return Plain(r.weight_allowance); }},
    {"Max_Press",            [](const StrengthRow& r) { return Plain(r.max_press); }},
    {"Open_Doors",           [](const StrengthRow& r) { return std::string(r.open_doors); }},
    {"Bend_Bars",            [](const StrengthRow& r) { return Percent(r.bend_bars); }},
    {"Light_Encumbrance",    [](const StrengthRow& r) { return Band(r.weight_allowance, r.light_to); }},
    {"Moderate_Encumbrance", [](const StrengthRow& r) { return Band(r.light_to, r.moderate_to); }},
    {"Heavy_Encumbrance",    [](const StrengthRow& r) { return Band(r.moderate_to, r.heavy_to); }},
    {"Severe_Encumbrance",   [](const StrengthRow& r) { return Band(r.heavy_to, r.severe_to); }},
};

const Effect<DexterityRow> kDexterityEffects[] = {
    {"Defense_adj",     [](const DexterityRow& r) { return Signed(r.defense); }},
    {"Reaction_adj",    [](const DexterityRow& r) { return Signed(r.reaction); }},
    {"Missile_adj",     [](const DexterityRow& r) { return Signed(r.missile); }},
    {"Pick_Pockets",    [](const DexterityRow& r) { return SignedPercent(r.pick_pockets); }},
    {"Open_Locks",      [](const DexterityRow& r) { return SignedPercent(r.open_locks); }},
    {"Find_Traps",      [](const DexterityRow& r) { return SignedPercent(r.find_traps); }},
    {"Remove_Traps",    [](const DexterityRow& r) { return SignedPercent(r.remove_traps); }},
    {"Move_Silently",   [](const DexterityRow& r) { return SignedPercent(r.move_silently); }},
    {"Hide_in_Shadows", [](const DexterityRow& r) { return SignedPercent(r.hide_in_shadows); }},
};

const Effect<ConstitutionRow> kConstitutionEffects[] = {
    {"HP_Adj",               [](const ConstitutionRow& r) { return Signed(r.hp_adjustment); }},
    {"System_Shock",         [](const ConstitutionRow& r) { return Percent(r.system_shock); }},
    {"Resurection_Survival", [](const ConstitutionRow& r) { return Percent(r.resurrection_survival); }},
    {"Poison_Save",          [](const ConstitutionRow& r) { return Plain(r.poison_save); }},
    {"Immunity_to_Disease",  [](const ConstitutionRow& r) { return Percent(r.immunity_to_disease); }},
    {"Regeneration",         [](const ConstitutionRow& r) { return std::string(r.regeneration); }},
};

const Effect<IntelligenceRow> kIntelligenceEffects[] = {
    {"Maximum_Languages",     [](const IntelligenceRow& r) { return Plain(r.max_languages); }},
    {"Maximum_Spell_Level",   [](const IntelligenceRow& r) { return std::string(r.max_spell_level); }},
    {"Learn_Spells",          [](const IntelligenceRow& r) { return SignedPercent(r.learn_spells); }},
    {"Maximum_Number_Spells", [](const IntelligenceRow& r) { return std::string(r.max_spells_per_level); }},
    {"Illussion_Immunity",    [](const IntelligenceRow& r) { return std::string(r.illusion_immunity); }},
    {"Spell_Mishap",          [](const IntelligenceRow& r) { return SignedPercent(r.spell_mishap); }},
};

const Effect<WisdomRow> kWisdomEffects[] = {
    {"Magical_Defense", [](const WisdomRow& r) { return Signed(r.magical_defense); }},
    {"Bonus_Spells",    [](const WisdomRow& r) { return std::string(r.bonus_spells); }},
    {"Spell_Failure",   [](const WisdomRow& r) { return SignedPercent(r.spell_failure); }},
    {"Spell_Immunity",  [](const WisdomRow& r) { return std::string(r.spell_immunity); }},
    {"Improve_Skill",   [](const WisdomRow& r) { return SignedPercent(r.improve_skill); }},
};

const Effect<CharismaRow> kCharismaEffects[] = {
    {"Max_Henchmen", [](const CharismaRow& r) { return Plain(r.max_henchmen); }},
    {"Loyalty_Base", [](const CharismaRow& r) { return Plain(r.loyalty_base); }},
    {"Reaction_Adj", [](const CharismaRow& r) { return Plain(r.reaction); }},
    {"Com_Mod",      [](const CharismaRow& r) { return Plain(r.comeliness_modifier); }},
    {"Hon_Mod",      [](const CharismaRow& r) { return Plain(r.honor_modifier); }},
};
// clang-format on

} // namespace

std::string AbilityScores::GetStrength(const std::string& name, int score, int percentile) {
    return Lookup(kStrengthEffects, name, KeyedRow<StrengthRow>(kStrengthTable, score, percentile));
}

std::string AbilityScores::GetDexterity(const std::string& name, int score, int percentile) {
    return Lookup(kDexterityEffects, name,
                  KeyedRow<DexterityRow>(kDexterityTable, score, percentile));
}

std::string AbilityScores::GetConstitution(const std::string& name, int score, int) {
    return Lookup(kConstitutionEffects, name, kConstitutionTable[ScoreRow(score)]);
}

std::string AbilityScores::GetIntelligence(const std::string& name, int score, int percentile) {
    return Lookup(kIntelligenceEffects, name,
                  KeyedRow<IntelligenceRow>(kIntelligenceTable, score, percentile));
}

std::string AbilityScores::GetWisdom(const std::string& name, int score, int percentile) {
    return Lookup(kWisdomEffects, name, KeyedRow<WisdomRow>(kWisdomTable, score, percentile));
}

std::string AbilityScores::GetCharisma(const std::string& name, int score, int) {
    return Lookup(kCharismaEffects, name, kCharismaTable[ScoreRow(score)]);
}
