#include "core/data/hit_points.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/data/class_data.h"
#include "core/dice/dice.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/program_state.h"

namespace {

int HonorModifier(const std::string& standing) {
    if (standing.find("Great Honor") != std::string::npos) {
        return 1;
    }
    if (standing.find("Dishonorable") != std::string::npos) {
        return -1;
    }
    return 0;
}

} // namespace

int32_t GetHitPoints(int level, const CharacterClass* class_record) {
    if (!class_record) {
        return 0;
    }
    level = std::clamp(level, 0, kMaxLevels - 1);
    const int count = class_record->hitdieroll[level];
    const int sides = class_record->hitdie[level];
    const int modifier = HonorModifier(current_character.honor_standing);
    const int result = DiceRollM(sides, count, modifier);

    char line[128];
    std::snprintf(line, sizeof line, "Rolling %id%i%+i for hit points: %i", count, sides, modifier,
                  result);
    std::string text = line;
    Format_Entry(program_data.building_points, text, program_data.log_file_name);
    return result;
}
