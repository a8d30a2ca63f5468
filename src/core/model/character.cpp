#include "core/model/character.h"

#include <algorithm>
#include <cstring>

Character_Class current_character;

std::array<int32_t*, 7> Character_Class::Scores() {
    return {&strength_base, &dexterity_base, &constitution_base, &intelligence_base,
            &wisdom_base,   &charisma_base,  &comeliness_base};
}

std::array<int32_t*, 7> Character_Class::Percentiles() {
    return {&strength_perc, &dexterity_perc, &constitution_perc, &intelligence_perc,
            &wisdom_perc,   &charisma_perc,  &comeliness_perc};
}

void SetSiblingLine(int index, const std::string& text) {
    if (index < 0 || index >= kSiblingLines) {
        return;
    }
    char* line = current_character.sibling[index];
    const std::size_t n = std::min<std::size_t>(text.size(), kSiblingLineSize - 1);
    std::memcpy(line, text.data(), n);
    line[n] = '\0';
}
