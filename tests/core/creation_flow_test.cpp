// The order of a creation: every way out of every step leads on to a step or ends the creation,
// every road from New Character reaches the shop without opening a window twice, and the
// rules' odd cases sit where the rules put them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/model/program_state.h"
#include "core/wizard/creation_flow.h"

namespace {

bool HasWayOut(StepId step) {
    for (const FlowExit& row : CreationFlowTable()) {
        if (row.from == step) {
            return true;
        }
    }
    return false;
}

// Walks every road from `step`, with the windows `opened` so far on it; counts the roads that
// reach the shop.
void WalkRoads(StepId step, std::vector<StepId> opened, int& roads_to_shop) {
    opened.push_back(step);
    if (step == StepId::kShop) {
        ++roads_to_shop;
        return;
    }
    for (const FlowExit& row : CreationFlowTable()) {
        if (row.from != step) {
            continue;
        }
        for (const StepOpening& next : row.opens) {
            EXPECT_EQ(std::count(opened.begin(), opened.end(), next.step), 0)
                << "a window opens twice in one creation: " << next.title;
            if (next.step != StepId::kThiefSkills && opened.size() < 20) {
                WalkRoads(next.step, opened, roads_to_shop);
            }
        }
    }
}

TEST(CreationFlowTest, EveryWayOutLeadsOnAndEveryRoadReachesTheShopOnce) {
    std::set<std::pair<StepId, StepExit>> ways_out;
    for (const FlowExit& row : CreationFlowTable()) {
        EXPECT_TRUE(ways_out.insert({row.from, row.exit}).second) << "a way out written twice";
        EXPECT_NE(row.exit, StepExit::kStay) << "staying opens nothing";
        for (const StepOpening& next : row.opens) {
            EXPECT_TRUE(HasWayOut(next.step)) << next.title << " cannot be left";
        }
    }
    // The roads: with or without owed quirk rolls, picks or random rolls, thief or not,
    // Wisdom above 5 or not.
    int roads_to_shop = 0;
    WalkRoads(FirstCreationStep().step, {}, roads_to_shop);
    EXPECT_EQ(roads_to_shop, 16) << "four choices of two ways each";
    EXPECT_TRUE(NextCreationSteps(StepId::kSkills, StepExit::kEdited).empty());
    EXPECT_TRUE(NextCreationSteps(StepId::kPriors, StepExit::kStay).empty());
}

// The cells a reader of the rules checks by hand.
TEST(CreationFlowTest, TheRulesOddCasesAreKept) {
    const auto only = [](StepId from, StepExit exit) {
        const std::vector<StepOpening> next = NextCreationSteps(from, exit);
        EXPECT_EQ(next.size(), 1u);
        return next.empty() ? StepOpening{} : next.front();
    };
    EXPECT_EQ(FirstCreationStep().slot, 3);
    EXPECT_EQ(only(StepId::kPriors, StepExit::kContinue).slot, 5);
    EXPECT_EQ(only(StepId::kQuirkRolling, StepExit::kContinue).slot, 3) << "picking after rolls";
    EXPECT_EQ(std::string(only(StepId::kPriors, StepExit::kQuirksOwed).title),
              "Character Creation: Quirks and Flaws (Cherry Picking)");
    EXPECT_EQ(std::string(only(StepId::kCherryPicking, StepExit::kContinue).title),
              "Character Creation: Spend BP's to raise abilities");
    EXPECT_EQ(std::string(only(StepId::kQuirkRollingRandomly, StepExit::kContinue).title),
              "Character Creation: Spend BP to raise abilities");
    EXPECT_EQ(only(StepId::kCherryPicking, StepExit::kRollRandomly).slot, 6);
    EXPECT_EQ(only(StepId::kSkills, StepExit::kLowWisdom).step, StepId::kShop);
    EXPECT_EQ(only(StepId::kAlignment, StepExit::kContinue).slot, 18);

    const std::vector<StepOpening> thief =
        NextCreationSteps(StepId::kRaiseAbilities, StepExit::kThiefClass);
    ASSERT_EQ(thief.size(), 2u);
    EXPECT_EQ(thief[0].placement, Placement::kBesideAgeAndMoney);
    EXPECT_EQ(thief[0].slot, kNoRegistrySlot);
    EXPECT_EQ(thief[1].step, StepId::kAgeAndMoney);
    EXPECT_EQ(thief[1].placement, Placement::kInPlaceOfOpener);
}

// The stages the rules name move with the table: 3 at the start, 7 for the rolls chosen
// instead of picks, 12 once the honor is generated (the thief skills beside leave it alone),
// 0 from the alignment on; staying and editing move nothing.
TEST(CreationFlowTest, TheStageMovesOnlyWithTheWaysOut) {
    const auto stage_after = [](StepId from, StepExit exit) {
        Advance(from, exit);
        return program_data.creation_stage;
    };
    EXPECT_EQ(BeginCreation().step, StepId::kAbilitiesAndRace);
    EXPECT_EQ(program_data.creation_stage, 3);
    EXPECT_TRUE(CreationInProgress());
    EXPECT_EQ(stage_after(StepId::kCherryPicking, StepExit::kRollRandomly), 7);
    EXPECT_EQ(stage_after(StepId::kPriors, StepExit::kStay), 7);
    EXPECT_EQ(stage_after(StepId::kAgeAndMoney, StepExit::kContinue), 12);
    EXPECT_EQ(stage_after(StepId::kThiefSkills, StepExit::kContinue), 12);
    EXPECT_EQ(stage_after(StepId::kSkills, StepExit::kEdited), 12);
    EXPECT_EQ(stage_after(StepId::kAlignment, StepExit::kContinue), 0);
    EXPECT_FALSE(CreationInProgress());
    BeginCreation();
    AbortCreation();
    EXPECT_EQ(program_data.creation_stage, 0);
}

} // namespace
