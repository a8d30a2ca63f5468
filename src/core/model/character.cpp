#include "core/model/character.h"

#include <algorithm>
#include <cstring>

#include "core/model/abilities.h"

Character_Class current_character;

std::array<int32_t*, 7> Character_Class::Scores() {
    std::array<int32_t*, 7> scores{};
    for (std::size_t i = 0; i < scores.size(); ++i) {
        scores[i] = &(this->*kAbilityTable[i].score);
    }
    return scores;
}

std::array<int32_t*, 7> Character_Class::Percentiles() {
    std::array<int32_t*, 7> percentiles{};
    for (std::size_t i = 0; i < percentiles.size(); ++i) {
        percentiles[i] = &(this->*kAbilityTable[i].percentile);
    }
    return percentiles;
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
