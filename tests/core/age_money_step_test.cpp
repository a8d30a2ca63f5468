#include "core/wizard/age_money_step.h"

#include <cstring>

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/dice/vexl_random.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "step_fixture.h"

namespace {

// A human of twenty with a class of 2d6 age dice, as the class step leaves it; the player
// types the dice.
class AgeMoneyStepTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        record.agedie = 6;
        record.agedierolls = 2;
        current_character.class_item = &record;
        current_character.race = "Human";
        current_character.age = 20;
        current_character.social_id = 7;
        BooksToUse[kRollYourOwnDice] = 1;
        program_data.creation_stage = 9;
    }
    void TearDown() override {
        current_character.class_item = nullptr;
        StepTest::TearDown();
    }

    CharacterClass record;
    AgeMoneyStep step;
};

TEST_F(AgeMoneyStepTest, ClassAgeDiceExceptForAPixieFairy) {
    current_character.race = "Pixie Fairy";
    AgeMoneyStep pixie;
    pixie.RollAge();
    EXPECT_TRUE(port.questions.empty());
    EXPECT_EQ(pixie.AgeText(), "Age: 20");
    EXPECT_EQ(StepLog(), "");

    current_character.race = "Human";
    port.AnswerCancel(); // asked again
    port.AnswerNumber(12);
    step.RollAge();
    EXPECT_EQ(step.AgeText(), "Age: 32");
    ExpectTranscriptMatchesGolden();
}

// The BP are spent before the roll, and a rejected roll's BP stay spent.
TEST_F(AgeMoneyStepTest, BpSpentBeforeTheRollStaySpentThenContinueGivesHonor) {
    SeedVexlrandAsClock(99); // the dice the BP buy
    program_data.building_points = 3.0f;
    // Honor 10: Average Honor d1, -1 BP.
    SetScores({10, 10, 10, 10, 10, 10, 10});
    port.AnswerNumber(2);  // BP
    port.AnswerNumber(40); // d100
    port.AnswerNo();       // 1 BP left: reject
    port.AnswerNumber(0);
    port.AnswerNumber(40);
    step.RollMoney();
    EXPECT_TRUE(current_character.gold >= 51 && current_character.gold <= 56);
    EXPECT_EQ(step.GoldText(), "Gold: " + std::to_string(current_character.gold));

    EXPECT_FALSE(step.Continue()) << "the age is still to roll";
    port.AnswerNumber(7);
    step.RollAge();
    current_character.inherited_weapon = "Long sword";
    current_character.inherited_deed = "Parcel in country borders - farm";
    const EquipDataItem* before = EquipDataItem::pTail; // the starting clothes
    ASSERT_TRUE(step.Continue());
    std::vector<std::pair<std::string, int>> items;
    for (const EquipDataItem* item = before->next.get(); item; item = item->next.get()) {
        items.emplace_back(item->name, item->value);
    }
    const std::vector<std::pair<std::string, int>> expected = {
        {"Long sword (inherited)", 1}, {"Parcel in country borders - farm (inherited)", 1}};
    EXPECT_EQ(items, expected);
    EXPECT_FALSE(step.Continue()) << "once only";
    ExpectTranscriptMatchesGolden();
}

TEST_F(AgeMoneyStepTest, TotalsGiveGoldDebtAndInheritance) {
    const struct {
        int d100, class_modifier, prior_modifier;
        int gold_low, gold_high, inherit_level;
        const char* message; // how the message box starts; "" for none
    } rows[] = {
        {1, 4, 0, 0, 0, 0, "Inheritance: You have rolled a heriditary debt of +"},
        {1, 5, 0, 0, 0, 0, "Inheritance: You are flat broke"},
        {10, 0, 1, 21, 24, 0, ""},
        {100, 0, 0, 151, 170, 0, ""},
        {100, 1, 0, 161, 180, 2, "Inheritance: You have inherited your father's weapon: "},
        {100, 0, 6, 171, 190, 3, "Inheritance: You have inherited your father's weapon: "},
        {100, 5, 6, 182, 220, 4, "Inheritance: You have inherited your father's weapon: "},
        {90, 10, 16, 192, 230, 5, "Inheritance: You have inherited your father's weapon: "},
    };
    for (const auto& row : rows) {
        const int total = row.d100 + row.class_modifier + row.prior_modifier;
        SCOPED_TRACE(total);
        Clear_All();
        BooksToUse[kRollYourOwnDice] = 1;
        current_character.class_item = &record;
        record.moneyroll = row.class_modifier;
        program_data.money_roll_modifier = row.prior_modifier;
        port.messages.clear();
        port.AnswerNumber(0);
        port.AnswerNumber(row.d100);
        step = AgeMoneyStep();
        step.RollMoney();

        const Character_Class& c = current_character;
        EXPECT_TRUE(c.gold >= row.gold_low && c.gold <= row.gold_high) << c.gold;
        EXPECT_EQ(step.InheritLevel(), row.inherit_level);
        EXPECT_EQ(c.hereditary_debt > 0, total <= 5);
        EXPECT_TRUE(
            c.hereditary_debt == 0 ||
            (c.hereditary_debt >= 210 && c.hereditary_debt <= 1700 && c.hereditary_debt % 10 == 0))
            << c.hereditary_debt;
        const int needs[] = {2, 3, 3, 4, 5}; // weapon, armor, shield, mount, deed
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(InheritedItems()[i]->empty(), row.inherit_level < needs[i]) << i;
        }
        EXPECT_EQ(port.messages.size(), *row.message ? 1u : 0u);
        EXPECT_EQ(port.messages.empty() ? "" : port.messages[0].substr(0, std::strlen(row.message)),
                  row.message);
    }
    // The last row inherits everything, announced in this order.
    const Character_Class& c = current_character;
    EXPECT_EQ(step.ResultText(), "You have inherited your father's weapon: " + c.inherited_weapon +
                                     ", armor: " + c.inherited_armor + ", shield/helmet: " +
                                     c.inherited_shieldhelmet + ", Mount: " + c.inherited_mount +
                                     ", and the deed to some land: " + c.inherited_deed + ".");
}

} // namespace
