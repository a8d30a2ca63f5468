#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>

// The honor die: how a character's honor stands for its level. Each level has a limit at or
// below which the character is dishonorable, a range of great honor, a limit from which it has
// too much honor, and the die (sides and a bonus) that each range of honor gives.

struct HonorDie {
    int32_t sides = 1;
    int32_t bonus = 0;
};

// The honor from `low` to `high` (inclusive) gives `die`. The first band of a level reaches
// down without end, the last up without end.
struct HonorDieBand {
    int32_t low;
    int32_t high;
    HonorDie die;
};

constexpr int32_t kNoLow = std::numeric_limits<int32_t>::min();
constexpr int32_t kOpenTop = std::numeric_limits<int32_t>::max();

struct HonorLevelRow {
    int32_t dishonorable_max; // at or below: "Dishonorable"
    int32_t great_low;        // from great_low to great_high: "Great Honor"
    int32_t great_high;
    int32_t too_much_min; // at or above: "Too Much Honor"
    std::span<const HonorDieBand> bands;
};

constexpr int kHonorDieLevels = 20;

// The row of a level: levels above 20 take the row of 20, levels below 1 the row of 1.
const HonorLevelRow& HonorRowForLevel(int level);

// The die of the band that holds `honor` in the level's row.
HonorDie HonorDieFor(int level, int honor);

// The standing and honor die text for a level and an honor ("Great Honor d4+1"), without
// touching the record.
std::string HonorStandingText(int level, int honor);

// Writes the standing text for the level and honor into `text` and stores the honor die in
// the current character.
void SetHonorDice(int level, int honor, std::string& text);
