#include "core/wizard/creation_flow.h"

#include "core/wizard/equipment_shop.h"
#include "core/wizard/skill_purchase_step.h"

namespace {

using enum StepId;
using enum StepExit;
using enum Placement;

constexpr const char* kPicking = "Character Creation: Quirks and Flaws (Cherry Picking)";
constexpr const char* kAgeAndMoneyTitle = "Character Creation: Age and Money";

const StepOpening kFirst{kAbilitiesAndRace,
                         "Character Creation: Roll Ability Scores and choose race", 3, kDefault};
const StepOpening kShopOpening{kShop, kEquipmentShopTitle, 18, kDefault};

// The rules' odd cases stand in plain sight: the rolling window before the picking shares the
// picking's title; the picking window takes slot 3 after the owed rolls but slot 5 straight
// from the background; the raising window's title reads "BP's" after the picking and "BP"
// after the random rolls; the thief skills open beside age and money, which takes the raising
// window's place; Wisdom 5 or less goes from the skills straight to the shop.
const std::vector<FlowExit> kFlow = {
    {kAbilitiesAndRace,
     kContinue,
     {{kPriors, "Character Creation: Roll Priors and Particulars", 4, kDefault}}},
    {kPriors, kQuirksOwed, {{kQuirkRolling, kPicking, 5, kDefault}}},
    {kPriors, kContinue, {{kCherryPicking, kPicking, 5, kDefault}}},
    {kQuirkRolling, kContinue, {{kCherryPicking, kPicking, 3, kDefault}}},
    {kCherryPicking,
     kRollRandomly,
     {{kQuirkRollingRandomly, "Character Creation: Quirks and Flaws", 6, kDefault}}},
    {kCherryPicking,
     kContinue,
     {{kRaiseAbilities, "Character Creation: Spend BP's to raise abilities", 8, kDefault}}},
    {kQuirkRollingRandomly,
     kContinue,
     {{kRaiseAbilities, "Character Creation: Spend BP to raise abilities", 8, kDefault}}},
    {kRaiseAbilities, kContinue, {{kAgeAndMoney, kAgeAndMoneyTitle, 9, kInPlaceOfOpener}}},
    {kRaiseAbilities,
     kThiefClass,
     {{kThiefSkills, "Thief Skills", kNoRegistrySlot, kBesideAgeAndMoney},
      {kAgeAndMoney, kAgeAndMoneyTitle, 9, kInPlaceOfOpener}}},
    {kThiefSkills, kContinue, {}},
    {kAgeAndMoney, kContinue, {{kSkills, kSkillStepTitle, 10, kDefault}}},
    {kSkills, kContinue, {{kAlignment, "Character Creation: Alignment", 11, kDefault}}},
    {kSkills, kLowWisdom, {kShopOpening}},
    {kAlignment, kContinue, {kShopOpening}},
    {kShop, kContinue, {}},
};

} // namespace

const std::vector<FlowExit>& CreationFlowTable() {
    return kFlow;
}

const StepOpening& FirstCreationStep() {
    return kFirst;
}

const StepOpening& OpeningOf(StepId step) {
    for (const FlowExit& row : kFlow) {
        for (const StepOpening& opening : row.opens) {
            if (opening.step == step) {
                return opening;
            }
        }
    }
    return kFirst;
}

std::vector<StepOpening> NextCreationSteps(StepId from, StepExit exit) {
    for (const FlowExit& row : kFlow) {
        if (row.from == from && row.exit == exit) {
            return row.opens;
        }
    }
    return {};
}
