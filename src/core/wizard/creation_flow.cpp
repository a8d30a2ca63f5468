#include "core/wizard/creation_flow.h"

#include "core/model/program_state.h"
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
const StepOpening kSkillsOpening{kSkills, kSkillStepTitle, 10, kDefault};
const StepOpening kLevelThiefOpening{kLevelThiefSkills, "Thief Skills", 13, kDefault};
const StepOpening kSpellBookOpening{kSpellBook, "Spell Book", 14, kDefault};
// Windows the player opens, not a step: the menu and the tree open them.
const StepOpening kOpenedByPlayer[] = {
    {kAdvanceLevel, "Advance Level", 12, kDefault},
};

// The rules' odd cases stand in plain sight: the rolling window before the picking shares the
// picking's title; the picking window takes slot 3 after the owed rolls but slot 5 straight
// from the background; the raising window's title reads "BP's" after the picking and "BP"
// after the random rolls; the thief skills open beside age and money, which takes the raising
// window's place; Wisdom 5 or less goes from the skills straight to the shop.
//
// The stages are the rules' own: 5 once the scores and race are taken, 6 for the quirks after
// the background, 7 for the rolls chosen instead of picks, 8 raising abilities, 9 age and
// money, 12 once the starting honor is generated, 13 the alignment, and 0 from the alignment
// (or the Wisdom-5 road) on: the shop opens with no creation in progress. The thief skills
// leave the stage to the age and money window open beside them.
const std::vector<FlowExit> kFlow = {
    {kAbilitiesAndRace,
     kContinue,
     5,
     {{kPriors, "Character Creation: Roll Priors and Particulars", 4, kDefault}}},
    {kPriors, kQuirksOwed, 6, {{kQuirkRolling, kPicking, 5, kDefault}}},
    {kPriors, kContinue, 6, {{kCherryPicking, kPicking, 5, kDefault}}},
    {kQuirkRolling, kContinue, 6, {{kCherryPicking, kPicking, 3, kDefault}}},
    {kCherryPicking,
     kRollRandomly,
     7,
     {{kQuirkRollingRandomly, "Character Creation: Quirks and Flaws", 6, kDefault}}},
    {kCherryPicking,
     kContinue,
     8,
     {{kRaiseAbilities, "Character Creation: Spend BP's to raise abilities", 8, kDefault}}},
    {kQuirkRollingRandomly,
     kContinue,
     8,
     {{kRaiseAbilities, "Character Creation: Spend BP to raise abilities", 8, kDefault}}},
    {kRaiseAbilities, kContinue, 9, {{kAgeAndMoney, kAgeAndMoneyTitle, 9, kInPlaceOfOpener}}},
    {kRaiseAbilities,
     kThiefClass,
     9,
     {{kThiefSkills, "Thief Skills", kNoRegistrySlot, kBesideAgeAndMoney},
      {kAgeAndMoney, kAgeAndMoneyTitle, 9, kInPlaceOfOpener}}},
    {kThiefSkills, kContinue, std::nullopt, {}},
    {kAgeAndMoney, kContinue, 12, {kSkillsOpening}},
    {kSkills, kContinue, 13, {{kAlignment, "Character Creation: Alignment", 11, kDefault}}},
    {kSkills, kLowWisdom, 0, {kShopOpening}},
    {kAlignment, kContinue, 0, {kShopOpening}},
    {kShop, kContinue, 0, {}},
    {kShop, kSpellCaster, 0, {kSpellBookOpening}},
    {kSpellBook, kContinue, std::nullopt, {}},
    // A new level: the thief points of the level, the proficiency slots it brings, a new
    // spell level.
    {kAdvanceLevel, kContinue, std::nullopt, {}},
    {kAdvanceLevel, kThiefClass, std::nullopt, {kLevelThiefOpening}},
    {kAdvanceLevel, kNewSlots, std::nullopt, {kSkillsOpening}},
    {kAdvanceLevel, kNewSpellLevel, std::nullopt, {kSpellBookOpening}},
    {kLevelThiefSkills, kContinue, std::nullopt, {}},
};

constexpr int32_t kFirstStage = 3;

const FlowExit* RowOf(StepId from, StepExit exit) {
    for (const FlowExit& row : kFlow) {
        if (row.from == from && row.exit == exit) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

const std::vector<FlowExit>& CreationFlowTable() {
    return kFlow;
}

const StepOpening& FirstCreationStep() {
    return kFirst;
}

const StepOpening& OpeningOf(StepId step) {
    for (const StepOpening& opening : kOpenedByPlayer) {
        if (opening.step == step) {
            return opening;
        }
    }
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
    const FlowExit* row = RowOf(from, exit);
    return row ? row->opens : std::vector<StepOpening>{};
}

bool CreationInProgress() {
    return program_data.creation_stage != 0;
}

const StepOpening& BeginCreation() {
    program_data.creation_stage = kFirstStage;
    return kFirst;
}

std::vector<StepOpening> Advance(StepId from, StepExit exit) {
    const FlowExit* row = RowOf(from, exit);
    if (!row) {
        return {};
    }
    if (row->stage) {
        program_data.creation_stage = *row->stage;
    }
    return row->opens;
}

void AbortCreation() {
    program_data.creation_stage = 0;
}
