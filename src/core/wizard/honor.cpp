#include "core/wizard/honor.h"

#include <cstdio>
#include <cstdlib>

#include "core/tree/ability_scores.h"
#include "core/data/honor_die_table.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/text.h"

namespace {

// Social class ranks 1 to 12.
constexpr int kSocialClassHonor[12] = {-10, -10, -10, -10, -5, -1, 0, 0, 0, 5, 5, 10};

// The BP a starting honor brings: the row with the greatest threshold not above the honor.
struct HonorBpRow {
    int threshold;
    int bp;
};
// clang-format off
constexpr HonorBpRow kHonorBp[] = {
    {1, -9},  {2, -8},  {3, -7},  {4, -6},  {5, -5},  {6, -4},  {7, -3},
    {8, -2},  {9, -1},  {14, 1},  {15, 2},  {16, 3},  {17, 4},  {18, 5},
    {19, 6},  {20, 7},  {21, 8},  {22, 9},  {23, 10}, {24, 11}, {25, 12},
};
// clang-format on

} // namespace

int SocialClassHonor(int rank) {
    return rank >= 1 && rank <= 12 ? kSocialClassHonor[rank - 1] : kSocialClassHonor[0];
}

int HeritageHonor(const std::string& heritage) {
    // "Great Dishonor" holds "Dishonor", so it is tested first.
    int honor = 0;
    if (Contains(heritage, "Great Dishonor")) {
        honor = -5;
    } else if (Contains(heritage, "Dishonor")) {
        honor = -2;
    } else if (Contains(heritage, "Honorable")) {
        honor = 2;
    } else if (Contains(heritage, "Great Honor")) {
        honor = 5;
    }
    LogCreationLine(
        Printf("Modifier for %s Family Heritage to Honor: %+i", heritage.c_str(), honor));
    return honor;
}

int HonorBpAdjustment(int honor) {
    int bp = kHonorBp[0].bp; // an honor below 1 counts as the first row
    for (const HonorBpRow& row : kHonorBp) {
        if (row.threshold <= honor) {
            bp = row.bp;
        }
    }
    return bp;
}

int GenerateHonor() {
    Character_Class& c = current_character;
    int sum = 0;
    for (const int32_t* score : c.Scores()) {
        sum += *score;
    }
    int honor = sum / 7;
    LogCreationLine("Base Honor: " + std::to_string(honor));

    const int social = SocialClassHonor(c.social_id);
    honor += social;
    LogCreationLine(Printf("Acquiring Honor adjustment from Social Class: %s %+i",
                           c.social_class.c_str(), social));

    honor += HeritageHonor(c.family_heritage);

    const int charisma =
        std::atoi(AbilityScores::GetCharisma("Hon_Mod", c.charisma_base, c.charisma_perc).c_str());
    honor += charisma;
    char line[128];
    std::snprintf(line, sizeof line, "Acquiring Honor adjustment from Charisma %i/%i: %+i",
                  c.charisma_base, c.charisma_perc, charisma);
    LogCreationLine(line);

    if (c.class_long_name == "Battle Mage") {
        honor += 2;
    }
    if (honor < 1) {
        honor = 1;
    }
    honor += c.honor_adjustment;

    const int bp = HonorBpAdjustment(honor);
    program_data.building_points += static_cast<float>(bp);
    std::snprintf(line, sizeof line, "Acquiring BP adjustment based on Honor of %i: %+i", honor,
                  bp);
    LogCreationLine(line);

    SetHonorDice(1, honor, c.honor_standing);
    LogCreationLine(c.honor_standing);
    return honor;
}
