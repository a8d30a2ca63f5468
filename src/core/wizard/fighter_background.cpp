#include "core/wizard/fighter_background.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/tree/ability_scores.h"
#include "core/dice/dice_log.h"
#include "core/dice/roll_exchange.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/text.h"
#include "core/tree/tree_senders.h"

namespace {

// Social class modifiers for ranks 4 to 12; slaves and the lowest class (3 or less) get -10.
constexpr int kSocialModifiers[] = {-8, -3, -1, 0, 1, 3, 7, 8, 9};

constexpr TrainingCamp kCamps[] = {
    {"secret rebel/insurgent camp", -3}, {"local militia camp", -2},
    {"territorial militia camp", -1},    {"regular army boot camp", 0},
    {"elite military academy", 3},       {"royal guardsmen", 5},
};

constexpr TrainingQuality kQualities[] = {
    {"Horrific", {-10, 0, -4}}, {"Poor", {-4, 4, -2}},        {"Sub-par", {-2, 2, -1}},
    {"Average", {1, 1, 0}},     {"Above Average", {1, 0, 3}}, {"Top Notch", {4, -1, 2}},
};

constexpr TrainingResults kResults[] = {
    {-4, "You gained no weapon proficiencies and lost 2 points of Honor from the degrading "
         "experience"},
    {-2, "You gained 1 melee weapon proficiency at no BP cost. However your training was so poor "
         "with this weapon there is a 50% chance that you suffer a -1 'to hit' penalty with this "
         "weapon. Either spending a BP or taking a course in this weapon at some future point "
         "will rectify this"},
    {0, "You gained 1 melee weapon proficiency at no BP cost"},
    {1, "You gained 1 melee weapon proficiency and your choice of armor or weapon maintenance "
        "skill."},
    {2, "You gained 1 melee weapon proficiency at no BP cost and both armor and weapon "
        "maintenance skills, again at no BP cost"},
    {3, "You gained 2 weapon proficiencies as well as armor and weapon maintenance skills and "
        "Shaving/Grooming all at no BP cost. In addition there is a 33% likelihood that your "
        "basic weapons training was so superior that your non-weapon proficinecy is permanently "
        "reduced to -1"},
};

constexpr const char* kLimitedTraining =
    "You gained 1 melee weapon proficiency. However your training was so poor with this weapon "
    "you suffer a -1 penalty to hit, this can be rectified in the future through training:";

// All three tables share their bands on the 3d6 total: 3 or less, 4-7, 8-10, 11-15, 16-18,
// 19 and more.
int BandOf(int total) {
    if (total <= 3) {
        return 0;
    }
    if (total <= 7) {
        return 1;
    }
    if (total <= 10) {
        return 2;
    }
    if (total <= 15) {
        return 3;
    }
    if (total <= 18) {
        return 4;
    }
    return 5;
}

RollRequest Request(int sides, int count, const char* caption,
                    const std::function<int(int, int)>& dice) {
    RollRequest request;
    request.sides = sides;
    request.count = count;
    request.dice_text = std::to_string(count) + "d" + std::to_string(sides);
    request.caption = caption;
    if (dice) {
        request.roll = [dice, sides, count] { return dice(sides, count); };
    }
    return request;
}

} // namespace

int SocialCampModifier(int social_id) {
    if (social_id <= 3) {
        return -10;
    }
    if (social_id >= 12) {
        return kSocialModifiers[8];
    }
    return kSocialModifiers[social_id - 4];
}

int CharismaCampModifier(int charisma, int percentile) {
    const int reaction =
        std::atoi(AbilityScores::GetCharisma("Reaction_Adj", charisma, percentile).c_str());
    return std::abs(reaction / 2);
}

TrainingCamp TrainingCampFor(int total) {
    return kCamps[BandOf(total)];
}

TrainingQuality TrainingQualityFor(int total) {
    return kQualities[BandOf(total)];
}

TrainingResults TrainingResultsFor(int total) {
    return kResults[BandOf(total)];
}

std::string FighterBackground::TypeofTrainingCamp2C() {
    if (next_ != Roll::kCamp) {
        return "";
    }
    // Rolling the camp makes this window the creation in progress, unless one already is.
    // Opened straight after start-up, before any new character named the run's dice log, it
    // names the log itself.
    if (OwnsCreation()) {
        program_data.creation_stage = 1;
    }
    if (std::strlen(program_data.log_file_name) < 2) {
        Create_Filename(program_data.log_file_name);
    }
    Character_Class& c = current_character;
    const int social = SocialCampModifier(c.social_id);
    const int charisma = CharismaCampModifier(c.charisma_base, c.charisma_perc);
    RollUntilAccepted(
        Request(6, 3, "Rolling for Type of Training Camp", dice),
        [&](const std::string& label, int roll) {
            const int total = roll + social + charisma;
            return Printf("%s for Type of Training Camp (3d6): rolled %i(%+i %s %+i Charisma "
                          "Reaction Adj) = %i = ",
                          label.c_str(), roll, social, c.social_class.c_str(), charisma, total) +
                   TrainingCampFor(total).camp_type;
        },
        [&](int roll) {
            const TrainingCamp camp = TrainingCampFor(roll + social + charisma);
            c.camp_type = camp.camp_type;
            camp_modifier = camp.camp_modifier;
        });
    next_ = Roll::kQuality;
    messagetotree();
    return c.camp_type;
}

std::string FighterBackground::QualityofBasicTraining2D() {
    if (next_ != Roll::kQuality) {
        return "";
    }
    Character_Class& c = current_character;
    RollUntilAccepted(
        Request(6, 3, "Rolling for Quality of Basic Training", dice),
        [&](const std::string& label, int roll) {
            const int total = roll + camp_modifier;
            return Printf("%s for Quality of Basic Training (3d6): rolled %i(%+i) = %i = ",
                          label.c_str(), roll, camp_modifier, total) +
                   TrainingQualityFor(total).camp_quality;
        },
        [&](int roll) {
            const TrainingQuality quality = TrainingQualityFor(roll + camp_modifier);
            c.camp_quality = quality.camp_quality;
            quality_values = quality.values;
        });
    next_ = Roll::kResults;
    messagetotree();
    return c.camp_quality;
}

std::string FighterBackground::ResultsofBasicTraining2E() {
    if (next_ != Roll::kResults) {
        return "";
    }
    Character_Class& c = current_character;
    const int modifier = quality_values[0];
    RollUntilAccepted(
        Request(6, 3, "Rolling for Results of Basic Training", dice),
        [&](const std::string& label, int roll) {
            const int total = roll + modifier;
            return Printf("%s for Results of Basic Training (3d6): rolled %i(%+i) = %i = ",
                          label.c_str(), roll, modifier, total) +
                   TrainingResultsFor(total).camp_results;
        },
        [&](int roll) {
            const TrainingResults results = TrainingResultsFor(roll + modifier);
            c.camp_results = results.camp_results;
            results_code = results.code;
            if (results.code == -4) {
                c.honor_adjustment -= 2;
            }
        });
    next_ = Roll::kDone;
    if (results_code == -2) {
        free_kind_ = WeaponProficiencyQuality();
    } else if (results_code >= 0) {
        free_kind_ = kMeleeWeaponKind;
    }
    messagetotree();
    return c.camp_results;
}

std::string FighterBackground::WeaponProficiencyQuality() {
    int accepted = 0;
    RollUntilAccepted(
        Request(100, 1, "Rolling for Quality of Weapon Proficiency Training", dice),
        [](const std::string& label, int roll) {
            return Printf(
                "%s for Results for Quality of Weapon Proficinecy Training (1d100): rolled %i =",
                label.c_str(), roll);
        },
        [&](int roll) { accepted = roll; });
    if (accepted > 50) {
        return kMeleeWeaponKind;
    }
    LogCreationLine(kLimitedTraining);
    return kMeleeWeaponLimitedKind;
}

FighterBackground::FighterBackground() : stage_at_open_(program_data.creation_stage) {}

bool FighterBackground::Continue() {
    if (next_ == Roll::kCamp) {
        return false;
    }
    // No step follows the background, so its own creation ends here; the record keeps the
    // training for the sheet and the character file.
    Abort();
    return true;
}

void FighterBackground::Abort() {
    if (OwnsCreation()) {
        program_data.creation_stage = 0;
    }
}
