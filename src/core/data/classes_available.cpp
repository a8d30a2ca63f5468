#include "core/data/classes_available.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/model/text.h"

namespace {

// How Charisma changes Comeliness for the class limits, by the Charisma score (0-25).
constexpr std::array<int, 26> kComelinessByCharisma = {
    -8, -8, -5, -3, -3, -1, -1, -1, 0, 0, 0, 0, 1, 1, 1, 2, 2, 3, 4, 4, 5, 6, 7, 8, 0, 0};

// The last stage before a class is chosen.
constexpr int kClassChoiceStage = 8;

double ScoreAsDecimal(int score, int percentile) {
    char text[32];
    std::snprintf(text, sizeof text, "%i.%i", score, percentile);
    return std::strtod(text, nullptr);
}

// Scores and limits meet in whole hundredths: a limit of 12.51 is stored as the float
// 12.5100002, which a score of 12/51 read as a double would never reach.
long long Hundredths(double value) {
    return std::llround(value * 100.0);
}

bool RaceAdmits(const CharacterRace& race, const std::string& class_name) {
    for (const std::string& entry : race.levellimit) {
        if (entry.find(class_name) != std::string::npos) {
            return true;
        }
    }
    return false;
}

bool ObligationExcludes(const CharacterClass& record) {
    const Character_Class& c = current_character;
    return (c.requires_hwg_class && record.mage < 0) ||
           (c.requires_wg_class && record.fighter < 0) ||
           (c.requires_vg_class && record.cleric < 0) || (c.requires_lg_class && record.thief < 0);
}

bool ScoresWithinLimits(const CharacterClass& record, const std::array<double, 7>& scores) {
    const std::array<std::array<float, 2>, 7> limits = {{{record.minstr, record.maxstr},
                                                         {record.mindex, record.maxdex},
                                                         {record.mincon, record.maxcon},
                                                         {record.minint, record.maxint},
                                                         {record.minwis, record.maxwis},
                                                         {record.mincha, record.maxcha},
                                                         {record.mincom, record.maxcom}}};
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const long long score = Hundredths(scores[i]);
        if (Hundredths(limits[i][0]) > score || score > Hundredths(limits[i][1])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<const CharacterClass*> ClassesOpenToCharacter() {
    Character_Class& c = current_character;
    const auto score_fields = c.Scores();
    const auto fraction_fields = c.Percentiles();
    std::array<int, 7> scores{};
    std::array<int, 7> fractions{};
    for (std::size_t i = 0; i < scores.size(); ++i) {
        scores[i] = *score_fields[i];
        fractions[i] = *fraction_fields[i];
    }
    return ClassesOpenWithScores(scores, fractions);
}

std::vector<const CharacterClass*> ClassesOpenWithScores(const std::array<int, 7>& scores,
                                                         const std::array<int, 7>& fractions) {
    const Character_Class& c = current_character;
    std::vector<const CharacterClass*> open;
    if (!c.race_item) {
        return open;
    }
    const bool any_rank = c.requires_hwg_class || BooksToUse[kEnforceSocialClass] != 1;
    const int social_rank = any_rank ? 12 : c.social_id;

    std::array<double, 7> decimals{};
    for (std::size_t i = 0; i < decimals.size(); ++i) {
        decimals[i] = ScoreAsDecimal(scores[i], fractions[i]);
    }
    if (program_data.creation_stage <= kClassChoiceStage) {
        const int charisma =
            c.charisma_base < 0 ? 0 : (c.charisma_base > 25 ? 25 : c.charisma_base);
        decimals[6] += kComelinessByCharisma[static_cast<std::size_t>(charisma)];
    }

    for (const CharacterClass* record = CharacterClass::pHead.get(); record;
         record = record->next.get()) {
        if (ScoresWithinLimits(*record, decimals) && BookEnabled(record->book) &&
            record->socialreq <= social_rank && !ObligationExcludes(*record) &&
            RaceAdmits(*c.race_item, record->name)) {
            open.push_back(record);
        }
    }
    return open;
}

LevelLimit ParseLevelLimit(const std::string& entry) {
    const std::size_t blank = entry.find_last_of(' ');
    if (blank == std::string::npos) {
        return {entry, ""};
    }
    LevelLimit parsed{entry.substr(0, blank), entry.substr(blank + 1)};
    const char* text = parsed.limit.c_str();
    char* end = nullptr;
    const double number = std::strtod(text, &end);
    if (end != text && *end == '\0') {
        parsed.limit = Printf("%-1.2f", number);
    }
    return parsed;
}
