#include "core/data/hit_points.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/data/class_data.h"
#include "core/dice/dice.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/program_state.h"

int HitPointsHonorModifier() {
    const std::string& standing = current_character.honor_standing;
    if (standing.find("Great Honor") != std::string::npos) {
        return 1;
    }
    if (standing.find("Dishonorable") != std::string::npos) {
        return -1;
    }
    return 0;
}

std::string HitPointsLine(const std::string& label, int count, int sides, int modifier,
                          int result) {
    char line[160];
    std::snprintf(line, sizeof line, "%s %id%i%+i for hit points: %i", label.c_str(), count, sides,
                  modifier, result);
    return line;
}

int32_t GetHitPoints(int level, const CharacterClass* class_record) {
    if (!class_record) {
        return 0;
    }
    level = std::clamp(level, 0, kMaxLevels - 1);
    const int count = class_record->hitdieroll[level];
    const int sides = class_record->hitdie[level];
    const int modifier = HitPointsHonorModifier();
    const int result = DiceRollM(sides, count, modifier);
    std::string text = HitPointsLine("Rolling", count, sides, modifier, result);
    Format_Entry(program_data.building_points, text, program_data.log_file_name);
    return result;
}
