#pragma once

#include <array>
#include <functional>
#include <string>

// The basic training of a fighter: the type of training camp (table 2C), the quality of the
// basic training (2D) and its results (2E), each rolled on 3d6 through the roll confirmation
// exchange, and the free melee weapon proficiency the results promise. The fighter background
// window drives this object; the tests drive it the same way.

// The kinds of free proficiency list; both offer melee weapons.
constexpr const char* kMeleeWeaponKind = "Melee Weapon";
constexpr const char* kMeleeWeaponLimitedKind = "Melee Weapon Limited";
constexpr const char* kFreeProficiencyTitle = "Select a Free Weapon Proficiency";

// One row of the type of training camp table.
struct TrainingCamp {
    const char* camp_type;
    int camp_modifier; // added to the quality roll
};

// One row of the quality of basic training table.
struct TrainingQuality {
    const char* camp_quality;
    // The results modifier, then two further values no roll reads.
    std::array<int, 3> values;
};

// One row of the results of basic training table.
struct TrainingResults {
    int code; // -4 degrading, -2 poorly trained proficiency, 0 to 3 a free proficiency
    const char* camp_results;
};

// The modifier of the social class to the camp roll; ranks above 12 count as 12.
int SocialCampModifier(int social_id);
// The Charisma reaction adjustment halved (toward zero) and counted as a bonus whatever its
// sign: a striking or a repellent presence both get noticed by recruiters.
int CharismaCampModifier(int charisma, int percentile);

TrainingCamp TrainingCampFor(int total);
TrainingQuality TrainingQualityFor(int total);
TrainingResults TrainingResultsFor(int total);

class FighterBackground {
public:
    enum class Roll { kCamp, kQuality, kResults, kDone };

    // Remembers whether a creation was in progress when the window opened: the background
    // then rolls for that character and leaves its stage alone.
    FighterBackground();
    // True when the background is a creation of its own (none was in progress at opening).
    bool OwnsCreation() const { return stage_at_open_ == 0; }

    // Each runs its roll until one is accepted, stores it and returns the text the window
    // shows in its row. A roll asked for out of turn does nothing and returns "".
    std::string TypeofTrainingCamp2C();
    std::string QualityofBasicTraining2D();
    // For a poorly trained result this also rolls the quality of the weapon training.
    std::string ResultsofBasicTraining2E();

    // The roll the window offers next.
    Roll NextRoll() const { return next_; }
    // The kind of free proficiency list the results call for: kMeleeWeaponKind,
    // kMeleeWeaponLimitedKind, or "" when none is owed (before the results, or a degrading
    // training).
    const std::string& FreeProficiencyKind() const { return free_kind_; }

    // Once the camp is rolled: ends the background's own creation (stage 0 again, so a new
    // character can be started) or leaves the one in progress as it was. False, and nothing
    // done, before the camp roll.
    bool Continue();
    // Ends the background's own creation; the record keeps what was rolled. A creation that
    // was in progress in other windows goes on.
    void Abort();

    // The dice the rolls use (sides, count); DiceRoll when empty.
    std::function<int(int, int)> dice;

    // The window's working values.
    int camp_modifier = 0;
    std::array<int, 3> quality_values{};
    int results_code = 0;

private:
    // The 1d100 quality of weapon training after a poor result; returns the list kind.
    std::string WeaponProficiencyQuality();

    int stage_at_open_ = 0;
    Roll next_ = Roll::kCamp;
    std::string free_kind_;
};
