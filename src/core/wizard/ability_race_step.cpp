#include "core/wizard/ability_race_step.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/data/data_numbers.h"
#include "core/data/race_data.h"
#include "core/dice/dice.h"
#include "core/dice/dice_log.h"
#include "core/files/character_file_reader.h"
#include "core/model/abilities.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/model/text.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/creation_flow.h"

namespace {

bool ValidChoice(int ability, int count) {
    return ability >= 0 && ability < count;
}

} // namespace

std::string RaceEntry(const CharacterRace& race) {
    return race.name + ", " + race.sex;
}

bool ScoresFitRace(const CharacterRace& race) {
    const Character_Class& c = current_character;
    const int32_t limits[AbilityRaceStep::kAbilities][3] = {
        {race.minstr, c.strength_base, race.maxstr},
        {race.mindex, c.dexterity_base, race.maxdex},
        {race.mincon, c.constitution_base, race.maxcon},
        {race.minint, c.intelligence_base, race.maxint},
        {race.minwis, c.wisdom_base, race.maxwis},
        {race.mincha, c.charisma_base, race.maxcha},
        {race.mincom, c.comeliness_base, race.maxcom}};
    for (const auto& limit : limits) {
        if (limit[1] < limit[0] || limit[1] > limit[2]) {
            return false;
        }
    }
    return true;
}

AbilityRaceStep::AbilityRaceStep() = default;

void AbilityRaceStep::Fill_Race_Box() {
    race_entries_.clear();
    for (const CharacterRace* race = CharacterRace::pHead.get(); race; race = race->next.get()) {
        if (ScoresFitRace(*race) && BookEnabled(race->book)) {
            race_entries_.push_back(RaceEntry(*race));
        }
    }
}

void AbilityRaceStep::ClearRaceChoice() {
    Fill_Race_Box();
    race_labels_.fill("");
    current_character.race_item = nullptr;
}

void AbilityRaceStep::LogScores(const char* heading) {
    const Character_Class& c = current_character;
    char line[256];
    std::snprintf(line, sizeof line,
                  "%s STR=%i/%i DEX=%i/%i CON=%i/%i INT=%i/%i WIS=%i/%i CHR=%i/%i COM=%i/%i",
                  heading, c.strength_base, c.strength_perc, c.dexterity_base, c.dexterity_perc,
                  c.constitution_base, c.constitution_perc, c.intelligence_base,
                  c.intelligence_perc, c.wisdom_base, c.wisdom_perc, c.charisma_base,
                  c.charisma_perc, c.comeliness_base, c.comeliness_perc);
    LogCreationLine(line);
}

void AbilityRaceStep::Roll() {
    program_data.building_points = 0.0f;
    RollStats();
    ClearRaceChoice();
    messagetotree();
}

bool AbilityRaceStep::Apply(const std::array<std::string, kAbilities>& scores,
                            const std::array<std::string, kAbilities>& percentiles) {
    if (BooksToUse[kRollYourOwnDice] != 1) {
        messagetotree();
        return false;
    }
    program_data.building_points = 0.0f;
    auto score_fields = current_character.Scores();
    auto percentile_fields = current_character.Percentiles();
    for (int i = 0; i < kAbilities; ++i) {
        *score_fields[i] = std::clamp(AtoiSaturating(scores[i]), 0, kHighestScore);
        *percentile_fields[i] = std::clamp(AtoiSaturating(percentiles[i]), 0, kHighestPercentile);
    }
    ClearRaceChoice();
    LogScores("Entering Ability Scores");
    messagetotree();
    return true;
}

void AbilityRaceStep::Adjust() {
    if (lower_choice == raise_choice) {
        return;
    }
    auto scores = current_character.Scores();
    int32_t& lowered = *scores[lower_choice];
    int32_t& raised = *scores[raise_choice];
    if (lowered - 2 >= lower_floor) {
        lowered -= 2;
        raised += 1;
        char line[160];
        std::snprintf(line, sizeof line,
                      "%s has been reduced by %i and %s has been increased by %i",
                      kAbilityTable[lower_choice].full, 2, kAbilityTable[raise_choice].full, 1);
        LogCreationLine(line);
        LogScores("Adjusted Ability Scores");
    }
    // A refused trade still clears the race: the player is choosing scores again.
    ClearRaceChoice();
    messagetotree();
}

void AbilityRaceStep::Burn() {
    int32_t& burned = *current_character.Scores()[burn_choice];
    if (burned - 1 < burn_floor) {
        return;
    }
    burned -= 1;
    program_data.building_points += 2.0f;
    LogCreationLine(std::string(kAbilityTable[burn_choice].full) +
                    " has been reduced by 1 and BP has been increased by 2");
    LogScores("Adjusted Ability Scores");
    ClearRaceChoice();
    messagetotree();
}

void AbilityRaceStep::SetLowerChoice(int ability) {
    if (ValidChoice(ability, kAbilities - 1)) {
        lower_choice = ability;
        lower_floor = 3;
    }
}

void AbilityRaceStep::SetRaiseChoice(int ability) {
    if (ValidChoice(ability, kAbilities - 1)) {
        raise_choice = ability;
    }
}

void AbilityRaceStep::SetBurnChoice(int ability) {
    if (ValidChoice(ability, kAbilities)) {
        burn_choice = ability;
        burn_floor = 3;
    }
}

void AbilityRaceStep::SelectRace(const std::string& entry) {
    // Several records may read the same; the last of them in list order is the one taken.
    CharacterRace* chosen = nullptr;
    for (CharacterRace* race = CharacterRace::pHead.get(); race; race = race->next.get()) {
        if (RaceEntry(*race) == entry) {
            chosen = race;
        }
    }
    if (!chosen) {
        return;
    }
    const int32_t adjustments[kRaceLabels] = {chosen->stradj, chosen->dexadj, chosen->conadj,
                                              chosen->intadj, chosen->wisadj, chosen->chaadj,
                                              chosen->comadj, chosen->bp};
    for (int i = 0; i < kRaceLabels; ++i) {
        race_labels_[i] = Printf("%+i", adjustments[i]);
    }
    Character_Class& c = current_character;
    c.race_item = chosen;
    c.race = chosen->name;
    c.sex = chosen->sex;
    LogCreationLine("Selecting a Race/Sex: Race=" + chosen->name + ", Sex=" + chosen->sex);
    languages_ = chosen->languages;
    messagetotree();
}

bool AbilityRaceStep::Continue(const std::string& language) {
    Character_Class& c = current_character;
    if (!c.race_item) {
        return false;
    }
    // The language becomes a skill's name; a longer one would come back cut when the saved
    // character is opened.
    const std::string skill = "Language, Modern: " + language;
    if (skill.size() > kMaxSavedText) {
        Port().ShowMessage("The language is longer than the " + std::to_string(kMaxSavedText) +
                               " characters a saved character keeps; shorten it to continue.",
                           "Language");
        return false;
    }
    c.skills.AddTail(MakeItem<SkillDataItem>(skill, 100));
    // The adjustments are read back from what the race labels show.
    auto scores = c.Scores();
    for (int i = 0; i < kAbilities; ++i) {
        *scores[i] += std::atoi(race_labels_[i].c_str());
    }
    program_data.building_points += static_cast<float>(std::atoi(race_labels_[7].c_str()));
    LogScores("Adjusted Ability Scores by Race");
    messagetotree();
    return true;
}

void AbilityRaceStep::Abort() {
    AbortCreation();
}

std::array<std::string, AbilityRaceStep::kAbilities> AbilityRaceStep::ScoreTexts() const {
    std::array<std::string, kAbilities> texts;
    const auto scores = current_character.Scores();
    for (int i = 0; i < kAbilities; ++i) {
        texts[i] = Printf("%i", *scores[i]);
    }
    return texts;
}

std::array<std::string, AbilityRaceStep::kAbilities> AbilityRaceStep::PercentileTexts() const {
    std::array<std::string, kAbilities> texts;
    const auto percentiles = current_character.Percentiles();
    for (int i = 0; i < kAbilities; ++i) {
        texts[i] = Printf("%i", *percentiles[i]);
    }
    return texts;
}

std::string AbilityRaceStep::BuildingPointsText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%-3.0f", static_cast<double>(program_data.building_points));
    return text;
}

void RollStats() {
    Character_Class& c = current_character;
    auto scores = c.Scores();
    auto fractions = c.Percentiles();
    for (int i = 0; i < 7; ++i) {
        *scores[i] = DiceRoll(6, 3);
        *fractions[i] = DiceRoll(100, 1);
    }
    char line[256];
    std::snprintf(line, sizeof line,
                  "Rolling Ability Scores STR=%i/%i DEX=%i/%i CON=%i/%i INT=%i/%i WIS=%i/%i "
                  "CHR=%i/%i COM=%i/%i",
                  c.strength_base, c.strength_perc, c.dexterity_base, c.dexterity_perc,
                  c.constitution_base, c.constitution_perc, c.intelligence_base,
                  c.intelligence_perc, c.wisdom_base, c.wisdom_perc, c.charisma_base,
                  c.charisma_perc, c.comeliness_base, c.comeliness_perc);
    std::string text = line;
    Format_Entry(program_data.building_points, text, program_data.log_file_name);
}
