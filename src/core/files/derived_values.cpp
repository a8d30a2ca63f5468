#include "core/files/derived_values.h"

#include <locale>
#include <sstream>

#include "core/tree/ability_scores.h"
#include "core/data/movement.h"
#include "core/data/race_data.h"
#include "core/model/character.h"

namespace {

const SavingThrowLine kSaves[] = {
    {"Paralyzation", "Paralyz", "Paralyzation"},
    {"Poison", "Psn", "Poison"},
    {"Death Magic", "Dth Mgc", "Death Magic"},
    {"Petrification", "Petrif", "Petrification"},
    {"Polymorph", "Poly", "Polymorph"},
    {"Rods", "Rod", "Rod"},
    {"Staff", "Stf", "Staff"},
    {"Wand", "Wnd", "Wand"},
    {"FrayFrenzy", "FrayFr", "FrayFrenzy"},
    {"FrayLust", "FrayLu", "FrayLust"},
    {"Breath Weapon", "Brt Wpn", "Breath Weapon"},
    {"Apology", "Apgy", "Apology"},
    {"Spells", "Spl", "Spells"},
};

std::string Strength(const char* effect) {
    return AbilityScores::GetStrength(effect, current_character.strength_base,
                                      current_character.strength_perc);
}

// A decimal as an output stream writes it by default ("9", "6.75").
std::string DefaultDecimal(double value) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

} // namespace

std::span<const SavingThrowLine> SavingThrowLines() {
    return kSaves;
}

std::string WeightAllowance() {
    return Strength("Weight_Allowance");
}

std::vector<MovementBand> MovementBands() {
    const CharacterRace* race = current_character.race_item;
    const int32_t m = GetMovement(race ? race->move : 0);
    return {
        {"Unencumbered", "Unenc", "0 - " + WeightAllowance(), std::to_string(m)},
        {"Light", "Lgt", Strength("Light_Encumbrance"), DefaultDecimal(m * 0.75)},
        {"Moderate", "Mod", Strength("Moderate_Encumbrance"), std::to_string(m / 2)},
        {"Heavy", "Hvy", Strength("Heavy_Encumbrance"), std::to_string(m / 4)},
        {"Severe", "Svr", Strength("Severe_Encumbrance"), "1"},
    };
}
