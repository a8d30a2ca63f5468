#include "core/wizard/priors_step.h"

#include <cstdlib>

#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/priors_roll_support.h"
#include "core/wizard/priors_rolls.h"

namespace {

constexpr int kCreationRolling = -1; // some roll of this step has been made

// clang-format off
const char* const kButtonLabels[] = {
    "Begin Priors and Particulars",
    "Roll Handedness",
    "Roll Height",
    "Roll Weight",
    "Roll Social Class",
    "Roll Legitimacy of Birth",
    "Roll Status of Mother",
    "Roll Status of Father",
    "Roll for Step Mother",
    "Roll for Step Father",
    "Roll Quality of Mother",
    "Roll Quality of Father",
    "Roll Family Heritage",
    "Roll for number of Siblings",
    "Roll for Order of Birth",
    "",
};
// clang-format on

constexpr const char* kFreeQuirkTitle = "Free Quirk or Flaw";
constexpr const char* kMinorMental = "Player's Handbook 6F: Quirks, Minor (Mental)";
constexpr const char* kMajorMental = "Player's Handbook 6G: Quirks, Major (Mental)";
constexpr const char* kMinorPersonality = "Player's Handbook 6H: Quirks, Minor (Personality)";
constexpr const char* kMajorPersonality = "Player's Handbook 6I: Quirks, Major (Personality)";

bool MotherKnown() {
    return current_character.mother_code != kParentUnknown;
}

bool FatherKnown() {
    return current_character.father_code != kParentUnknown;
}

std::string Number(int value) {
    return Printf("%i", value);
}

} // namespace

const char* PriorsButtonLabel(PriorsRoll roll) {
    return kButtonLabels[static_cast<int>(roll)];
}

PriorsStep::PriorsStep() {
    program_data.honor_roll_modifier = 0;
    program_data.pending_minor_quirks = 0;
    program_data.pending_major_quirks = 0;
    program_data.pending_personality_quirks = 0;
    program_data.quirk_rolls_pending = 0;
    program_data.pending_quirk_tables.clear();
    for (int i = 0; i < kSiblingLines; ++i) {
        SetSiblingLine(i, "");
    }
}

std::vector<PriorsRow> PriorsStep::Roll(PriorsRoll roll) {
    if (roll != next_ || roll == PriorsRoll::kNone) {
        return {};
    }
    program_data.creation_stage = kCreationRolling;
    switch (roll) {
    case PriorsRoll::kAge:
        return OnAgeRoll();
    case PriorsRoll::kHandedness:
        return OnHandednessRoll();
    case PriorsRoll::kHeight:
        return OnHeightRoll();
    case PriorsRoll::kWeight:
        return OnWeightRoll();
    case PriorsRoll::kSocialClass:
        return OnSocialClassRoll();
    case PriorsRoll::kLegitimacy:
        return OnBirthLegitRoll();
    case PriorsRoll::kMotherStatus:
        return OnMomStatusRoll();
    case PriorsRoll::kFatherStatus:
        return OnDadStatusRoll();
    case PriorsRoll::kStepMother:
        return OnStepMomRoll();
    case PriorsRoll::kStepFather:
        return OnStepDadRoll();
    case PriorsRoll::kMotherQuality:
        return OnMomQualityRoll();
    case PriorsRoll::kFatherQuality:
        return OnDadQualityRoll();
    case PriorsRoll::kFamilyHeritage:
        return OnFamilyHeritageRoll();
    case PriorsRoll::kSiblings:
        return OnSiblingsRoll();
    case PriorsRoll::kBirthOrder:
        return OnBirthOrderRoll();
    case PriorsRoll::kNone:
        break;
    }
    return {};
}

PriorsRoll PriorsStep::FirstParentStatus() {
    if (MotherKnown()) {
        return PriorsRoll::kMotherStatus;
    }
    return FatherKnown() ? PriorsRoll::kFatherStatus : PriorsRoll::kFamilyHeritage;
}

PriorsRoll PriorsStep::FirstParentQuality() {
    if (MotherKnown()) {
        return PriorsRoll::kMotherQuality;
    }
    return FatherKnown() ? PriorsRoll::kFatherQuality : PriorsRoll::kFamilyHeritage;
}

std::vector<PriorsRow> PriorsStep::OnAgeRoll() {
    GenerateAge();
    next_ = PriorsRoll::kHandedness;
    return {{"Age:", Number(current_character.age)}};
}

std::vector<PriorsRow> PriorsStep::OnHandednessRoll() {
    HandenessRoll();
    next_ = PriorsRoll::kHeight;
    return {{"Handeness:", current_character.handedness}};
}

std::vector<PriorsRow> PriorsStep::OnHeightRoll() {
    RollHeight();
    next_ = PriorsRoll::kWeight;
    return {{"Height:", Number(current_character.character_height)}};
}

std::vector<PriorsRow> PriorsStep::OnWeightRoll() {
    RollWeight();
    next_ = PriorsRoll::kSocialClass;
    return {{"Weight:", Number(current_character.character_weight)}};
}

std::vector<PriorsRow> PriorsStep::OnSocialClassRoll() {
    SocialRoll();
    if (current_character.social_id == 0) {
        SlaveClass();
    }
    SocialEffect();
    next_ = PriorsRoll::kLegitimacy;
    return {{"Social Class:", current_character.social_class}};
}

std::vector<PriorsRow> PriorsStep::OnBirthLegitRoll() {
    Character_Class& c = current_character;
    BirthCircum();
    c.stepparent = "N/A";
    std::vector<PriorsRow> rows{{"Legitimacy of Birth:", c.legitimacy_of_birth}};
    if (c.legitimacy_of_birth == "Illegitimate") {
        IlligitBirth();
        rows.push_back({"Nature of Illigitimacy:", c.circumstance_of_birth});
    }
    next_ = FirstParentStatus();
    return rows;
}

std::vector<PriorsRow> PriorsStep::OnMomStatusRoll() {
    MomStatus();
    next_ = FatherKnown() ? PriorsRoll::kFatherStatus : PriorsRoll::kFamilyHeritage;
    return {{"Status of Mother:", current_character.mother_status}};
}

std::vector<PriorsRow> PriorsStep::OnDadStatusRoll() {
    const Character_Class& c = current_character;
    DadStatus();
    if (c.mother_code == kParentDead && c.father_code > 0) {
        next_ = PriorsRoll::kStepMother;
    } else if (c.father_code == kParentDead && c.mother_code > 0) {
        next_ = PriorsRoll::kStepFather;
    } else {
        next_ = FirstParentQuality();
    }
    return {{"Status of Father:", c.father_status}};
}

std::vector<PriorsRow> PriorsStep::OnStepMomRoll() {
    if (StepParent(StepParentSide::kMother)) {
        StepMother();
    }
    next_ = FirstParentQuality();
    return {{"Status of Step Mother:", current_character.stepparent}};
}

std::vector<PriorsRow> PriorsStep::OnStepDadRoll() {
    if (StepParent(StepParentSide::kFather)) {
        StepFather();
    }
    next_ = FirstParentQuality();
    return {{"Status of Step Father:", current_character.stepparent}};
}

std::vector<PriorsRow> PriorsStep::OnMomQualityRoll() {
    const ParentQuality quality = MomQuality();
    mother_ = {quality.bp_bonus, quality.minor_quirk, quality.major_quirk};
    next_ = FatherKnown() ? PriorsRoll::kFatherQuality : PriorsRoll::kFamilyHeritage;
    return {{"Quality of Mother:", current_character.mother_quality}};
}

std::vector<PriorsRow> PriorsStep::OnDadQualityRoll() {
    const ParentQuality quality = DadQuality();
    father_ = {quality.bp_bonus, quality.minor_quirk, quality.major_quirk};
    next_ = PriorsRoll::kFamilyHeritage;
    return {{"Quality of Father:", current_character.father_quality}};
}

std::vector<PriorsRow> PriorsStep::OnFamilyHeritageRoll() {
    FamilyHeritage();
    next_ = PriorsRoll::kSiblings;
    return {{"Family Heritage:", current_character.family_heritage}};
}

std::vector<PriorsRow> PriorsStep::OnSiblingsRoll() {
    SiblingCount();
    SiblingSetup();
    const int siblings = current_character.siblings;
    next_ = siblings != 0 ? PriorsRoll::kBirthOrder : PriorsRoll::kNone;
    const std::string text = siblings < 0 ? Printf("%i illigitimate siblings", -siblings)
                                          : Printf("%i siblings", siblings);
    return {{"Number of Siblings:", text}};
}

std::vector<PriorsRow> PriorsStep::OnBirthOrderRoll() {
    middle_child_ = OrderofBirth() ? 1 : 0;
    next_ = PriorsRoll::kNone;
    return {{"Order of Birth:", current_character.birth_order}};
}

bool PriorsStep::CanContinue() const {
    return program_data.creation_stage == kCreationRolling;
}

StepExit PriorsStep::Continue() {
    if (program_data.creation_stage != kCreationRolling) {
        return StepExit::kStay;
    }
    EffofBirth();
    const struct {
        const ParentEffects& effects;
        const char* parent;
    } parents[] = {{mother_, "mother"}, {father_, "father"}};
    for (const auto& parent : parents) {
        if (parent.effects.bp_bonus > 0) {
            program_data.building_points += static_cast<float>(parent.effects.bp_bonus);
            LogCreationLine(Printf("Adjusted BP by %i due to quality of %s",
                                   parent.effects.bp_bonus, parent.parent));
        }
    }
    program_data.pending_minor_quirks += mother_.minor_quirk + father_.minor_quirk;
    program_data.pending_major_quirks += mother_.major_quirk + father_.major_quirk;
    program_data.pending_personality_quirks += middle_child_;
    AwardFreeQuirks();

    for (int i = 0; i < kQuirkSlots; ++i) {
        program_data.quirk_bp[i] = 0;
    }
    messagePPtotree();
    return program_data.quirk_rolls_pending > 0 ? StepExit::kQuirksOwed : StepExit::kContinue;
}

void PriorsStep::AwardFreeQuirks() {
    const struct {
        int flag;
        const char* log;
        int kind;
    } awards[] = {
        {mother_.minor_quirk, "Acquired a new minor quirk due to quality of mother", 1},
        {father_.minor_quirk, "Acquired a new minor quirk due to quality of father", 1},
        {mother_.major_quirk, "Acquired a new major quirk due to quality of mother", 2},
        {father_.major_quirk, "Acquired a new major quirk due to quality of father", 2},
        {middle_child_, "Acquired a new personality quirk due to being a middle child", 3},
    };
    for (const auto& award : awards) {
        if (award.flag) {
            LogCreationLine(award.log);
            FreeQuirksandFlaws(award.kind);
        }
    }
}

void PriorsStep::Abort() {
    AbortCreation();
}

void EffofBirth() {
    const int modifier = BirthOrderMoneyModifier(current_character.birth_order,
                                                 current_character.legitimacy_code == 1);
    const int money = program_data.money_roll_modifier;
    program_data.money_roll_modifier = money + modifier;
    LogCreationLine(
        Printf("Applying Modifier for Birth Order (%+i) to Starting Money Roll %+i = %i", modifier,
               money, program_data.money_roll_modifier));
}

void FreeQuirksandFlaws(int kind) {
    std::vector<std::string> tables;
    switch (kind) {
    case 1:
        tables = {kMinorMental, kMinorPersonality};
        break;
    case 2:
        tables = {kMajorMental, kMajorPersonality};
        break;
    case 3:
        tables = {kMinorPersonality};
        break;
    default:
        return;
    }
    // A cancelled dialog chooses nothing, so it comes back until a table is chosen.
    for (;;) {
        const std::optional<int> chosen =
            Port().AskChoice(kFreeQuirkTitle, kFreeQuirkTitle, tables);
        if (chosen && *chosen >= 0 && *chosen < static_cast<int>(tables.size())) {
            program_data.pending_quirk_tables.push_back(tables[*chosen]);
            ++program_data.quirk_rolls_pending;
            return;
        }
    }
}
