#include <string>

#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/wizard/priors_roll_support.h"
#include "core/wizard/priors_rolls.h"

using priors::RollAccepted;
using priors::WithResult;

namespace {

// The chosen race; a character without one rolls on an empty race (base 0, no dice).
const CharacterRace& Race() {
    static const CharacterRace kNoRace;
    return current_character.race_item ? *current_character.race_item : kNoRace;
}

std::string RaceName() {
    return current_character.race_item ? current_character.race_item->name : current_character.race;
}

// A base plus dice figure of the race (age, height, weight): the dice are the roll, the
// base is added to them.
int RollBasePlusDice(int base, int sides, int count, const std::string& caption, const char* what) {
    int total = base;
    RollAccepted(
        sides, count, caption,
        [&](const std::string& label, int roll) {
            return Printf("%s for %s (%i+%id%i): rolled %i", label.c_str(), what, base, count,
                          sides, base + roll);
        },
        [&](int roll) { total = base + roll; });
    return total;
}

} // namespace

void GenerateAge() {
    const CharacterRace& race = Race();
    current_character.age =
        RollBasePlusDice(race.baseage, race.agedie, race.agedierolls,
                         "Rolling for starting age of character", "starting age");
}

void RollHeight() {
    const CharacterRace& race = Race();
    current_character.character_height =
        RollBasePlusDice(race.baseheight, race.heightdie, race.heightdierolls,
                         "Rolling for starting Height of character", "Height");
}

void RollWeight() {
    const CharacterRace& race = Race();
    current_character.character_weight =
        RollBasePlusDice(race.baseweight, race.weightdie, race.weightdierolls,
                         "Rolling for starting Weight of character", "Weight");
}

void HandenessRoll() {
    const std::string race = RaceName();
    if (HandednessIsFixed(race)) {
        current_character.handedness = "Ambidextrous";
        return;
    }
    const bool small = IsSmallRace(race);
    const bool high_dexterity = current_character.dexterity_base > 15;
    RollAccepted(
        100, 1, "Rolling for handeness of character",
        [&](const std::string& label, int roll) {
            return Printf("%s for Handeness (d100) (modified by high Dex and or Race to improve "
                          "odds of an ambidextrous result) : rolled %i = ",
                          label.c_str(), roll) +
                   HandednessFor(roll, small, high_dexterity);
        },
        [&](int roll) {
            current_character.handedness = HandednessFor(roll, small, high_dexterity);
        });
}

void SocialRoll() {
    RollAccepted(
        100, 1, "Rolling for social class of character",
        [](const std::string& label, int roll) {
            return WithResult(
                Printf("%s for Social Class (d100): rolled %i =", label.c_str(), roll),
                SocialClassFor(roll).name);
        },
        [](int roll) {
            const SocialClassRow row = SocialClassFor(roll);
            current_character.social_class = row.name;
            current_character.social_id = row.social_id;
        });
}

void SlaveClass() {
    RollAccepted(
        20, 1, "Rolling for nature of slave class",
        [](const std::string& label, int roll) {
            return Printf("%s for nature of Slave Class (d20): rolled %i = %s", label.c_str(), roll,
                          SlaveNatureFor(roll).text);
        },
        [](int roll) { current_character.social_id = SlaveNatureFor(roll).social_id; });
}

void SocialEffect() {
    const SocialModifiers modifiers = SocialModifiersFor(current_character.social_id);
    const char* social_class = current_character.social_class.c_str();

    const int money = program_data.money_roll_modifier;
    program_data.money_roll_modifier = money + modifiers.money;
    LogCreationLine(Printf("Applying Modifier to Money Roll based on Social Class %s %i%+i=%i",
                           social_class, money, modifiers.money, program_data.money_roll_modifier));

    const int honor = program_data.honor_roll_modifier;
    program_data.honor_roll_modifier = honor + modifiers.honor;
    LogCreationLine(Printf("Applying Modifier to Starting Honor based on Social Class %s %i%+i=%i",
                           social_class, honor, modifiers.honor, program_data.honor_roll_modifier));
}
