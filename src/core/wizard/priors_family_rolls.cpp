#include <strings.h>

#include <string>

#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/wizard/priors_roll_support.h"
#include "core/wizard/priors_rolls.h"

using priors::RollAccepted;
using priors::WithResult;

namespace {

int RaceModifier(int32_t CharacterRace::*field) {
    const CharacterRace* race = current_character.race_item;
    return race ? race->*field : 0;
}

bool FatherKnown() {
    return current_character.father_code != kParentUnknown;
}

// A child born out of wedlock has a harder start with either parent.
int QualityModifier() {
    return strcasecmp(current_character.legitimacy_of_birth.c_str(), "illegitimate") == 0 ? 35 : 0;
}

ParentQuality RollQuality(const char* parent, const std::string& caption,
                          std::string& quality_field) {
    const int modifier = QualityModifier();
    ParentQuality kept{};
    RollAccepted(
        100, 1, caption,
        [&](const std::string& label, int roll) {
            const ParentQuality row = ParentQualityFor(roll + modifier);
            return WithResult(Printf("%s for quality of %s (d100%+i): rolled %i =", label.c_str(),
                                     parent, modifier, roll + modifier),
                              std::string(row.quality) + row.note);
        },
        [&](int roll) {
            kept = ParentQualityFor(roll + modifier);
            quality_field = kept.quality;
        });
    return kept;
}

} // namespace

void BirthCircum() {
    const int modifier = RaceModifier(&CharacterRace::illigitmod);
    RollAccepted(
        100, 1, "Rolling for circumstances of Birth 1d100",
        [&](const std::string& label, int roll) {
            return WithResult(Printf("%s for Legitimacy of Birth (d100): rolled %i (%i%+i),",
                                     label.c_str(), roll + modifier, roll, modifier),
                              LegitimacyFor(roll + modifier));
        },
        [&](int roll) {
            current_character.legitimacy_of_birth = LegitimacyFor(roll + modifier);
            if (current_character.legitimacy_of_birth == "Legitimate") {
                current_character.circumstance_of_birth = "N/A";
            }
        });
}

void IlligitBirth() {
    Character_Class& c = current_character;
    const int modifier = RaceModifier(&CharacterRace::illigitbirthmod);
    IllegitimateBirth birth{};
    RollAccepted(
        100, 1, "Rolling for circumstances of illigitimate birth",
        [&](const std::string& label, int roll) {
            return WithResult(Printf("%s for circumstances of illigitimate birth (d100%+i): "
                                     "rolled %i =",
                                     label.c_str(), modifier, roll + modifier),
                              IllegitimateBirthFor(roll + modifier).circumstance);
        },
        [&](int roll) { birth = IllegitimateBirthFor(roll + modifier); });

    c.circumstance_of_birth = birth.circumstance;
    c.legitimacy_code = birth.code == kAbandoned ? 1 : 0;
    switch (birth.code) {
    case kAbandoned:
        c.mother_code = c.father_code = kParentUnknown;
        c.mother_status = c.father_status = "Unknown";
        break;
    case kRape:
    case kProstitute:
        c.mother_code = kParentAlive;
        c.father_code = kParentUnknown;
        c.father_status = "Unknown";
        break;
    case kAffair:
        c.mother_code = kParentAlive;
        NatureofUnknown(birth.code);
        break;
    case kSurrogate:
        c.father_code = kParentAlive;
        NatureofUnknown(birth.code);
        break;
    }

    const int honor = program_data.honor_roll_modifier;
    program_data.honor_roll_modifier = honor + birth.honor_modifier;
    LogCreationLine(
        Printf("Applying Modifier to Starting Honor based on Circumstance of Birth %s %i%+i=%i",
               birth.circumstance, honor, birth.honor_modifier, program_data.honor_roll_modifier));
}

void NatureofUnknown(int circumstance_code) {
    const std::string circumstance = current_character.circumstance_of_birth;
    RollAccepted(
        100, 1, "Rolling for circumstances of illigitimate birth (extension)",
        [&](const std::string& label, int roll) {
            return WithResult(Printf("%s for circumstances of illigitimate birth (extension) "
                                     "(d100): rolled %i,",
                                     label.c_str(), roll),
                              circumstance + ": " + ExtensionFor(circumstance_code, roll).text);
        },
        [&](int roll) {
            const int code = ExtensionFor(circumstance_code, roll).code;
            if (circumstance_code == kSurrogate) {
                current_character.mother_code = code;
            } else {
                current_character.father_code = code;
            }
        });
}

void MomStatus() {
    RollAccepted(
        100, 1, "Rolling for status of mother",
        [](const std::string& label, int roll) {
            return WithResult(
                Printf("%s for status of mother (d100): rolled %i =", label.c_str(), roll),
                ParentStatusFor(roll).status);
        },
        [](int roll) {
            Character_Class& c = current_character;
            const ParentStatus status = ParentStatusFor(roll);
            c.mother_status = status.status;
            c.mother_code = status.code;
            if (!FatherKnown()) {
                return;
            }
            // A mother lost in the worst way takes the father with her; otherwise the father
            // waits for his own roll.
            if (roll >= 91) {
                c.father_status = "Dead";
                c.father_code = kParentDead;
            } else {
                c.father_status = "Unknown";
                c.father_code = kParentAlive;
            }
        });
}

void DadStatus() {
    RollAccepted(
        100, 1, "Rolling for status of father",
        [](const std::string& label, int roll) {
            return WithResult(
                Printf("%s for status of father (d100): rolled %i =", label.c_str(), roll),
                ParentStatusFor(roll).status);
        },
        [](int roll) {
            const ParentStatus status = ParentStatusFor(roll);
            current_character.father_status = status.status;
            current_character.father_code = status.code;
        });
}

bool StepParent(StepParentSide side) {
    bool present = false;
    RollAccepted(
        20, 1, "Rolling for step parent",
        [](const std::string& label, int roll) {
            return WithResult(Printf("%s for step parent (d20): rolled %i =", label.c_str(), roll),
                              StepParentFor(roll) ? "Yes" : "No");
        },
        [&](int roll) {
            present = StepParentFor(roll);
            current_character.stepparent = present ? "Yes" : "No";
            const int code = present ? kStepParentPresent : kParentDead;
            if (side == StepParentSide::kMother) {
                current_character.mother_code = code;
            } else {
                current_character.father_code = code;
            }
        });
    return present;
}

void StepMother() {
    RollAccepted(
        100, 1, "Rolling for status of step mother",
        // This line always reads "Rolling", whoever made the roll.
        [](const std::string&, int roll) {
            return WithResult(Printf("Rolling for status of step parent (d100): rolled %i =", roll),
                              StepMotherFor(roll));
        },
        [](int roll) { current_character.stepparent = StepMotherFor(roll); });
}

void StepFather() {
    RollAccepted(
        100, 1, "Rolling for status of step father",
        [](const std::string& label, int roll) {
            return WithResult(
                Printf("%s for status of step parent (d100): rolled %i =", label.c_str(), roll),
                StepFatherFor(roll));
        },
        [](int roll) { current_character.stepparent = StepFatherFor(roll); });
}

ParentQuality MomQuality() {
    return RollQuality("mother", "Rolling for quality of mother", current_character.mother_quality);
}

ParentQuality DadQuality() {
    return RollQuality("father", "Rolling for quality of father", current_character.father_quality);
}

void FamilyHeritage() {
    RollAccepted(
        100, 1, "Rolling for family heritage",
        [](const std::string& label, int roll) {
            return WithResult(
                Printf("%s for family heritage (d100): rolled %i =", label.c_str(), roll),
                FamilyHeritageFor(roll));
        },
        [](int roll) { current_character.family_heritage = FamilyHeritageFor(roll); });
}
