#include "core/wizard/age_money_step.h"

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/dice/dice.h"
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
    pixie.RollAge(); // asks and logs nothing: the golden holds the human's roll alone
    EXPECT_EQ(pixie.AgeText(), "Age: 20");

    current_character.race = "Human";
    QueueDieFaces({3, 4}); // the program's 7; the player types 12
    port.AnswerCancel();   // asked again
    port.AnswerNumber(12);
    step.RollAge();
    EXPECT_EQ(step.AgeText(), "Age: 32");
    ExpectTranscriptMatchesGolden();
}

// The BP are spent before the roll, and a rejected roll's BP stay spent.
TEST_F(AgeMoneyStepTest, BpSpentBeforeTheRollStaySpentThenContinueGivesHonor) {
    program_data.building_points = 3.0f;
    // Each pass: the program's d100 (55, the player types 40), 2d12 per BP spent, the band's
    // die. First 40 + 29 from 2 BP: 69, 1d8 + 100; then 40 alone: 1d6 + 50 shows 3.
    QueueDieFaces({55, 3, 9, 7, 10, 5, 55, 3});
    // Honor 10: Average Honor d1, -1 BP.
    SetScores({10, 10, 10, 10, 10, 10, 10});
    port.AnswerNumber(2);  // BP
    port.AnswerNumber(40); // d100
    port.AnswerNo();       // 1 BP left: reject
    port.AnswerNumber(0);
    port.AnswerNumber(40);
    step.RollMoney();
    EXPECT_EQ(step.GoldText(), "Gold: 53");

    EXPECT_FALSE(step.Continue()) << "the age is still to roll";
    QueueDieFaces({1, 1});
    port.AnswerNumber(7);
    step.RollAge();
    current_character.inherited_weapon = "Long sword";
    current_character.inherited_deed = "Parcel in country borders - farm";
    const EquipDataItem* before = EquipDataItem::pTail; // the starting clothes
    ASSERT_TRUE(step.Continue());
    EXPECT_EQ(Listed(before->next.get()),
              (std::vector<std::string>{"Long sword (inherited)=1",
                                        "Parcel in country borders - farm (inherited)=1"}));
    EXPECT_FALSE(step.Continue()) << "once only";
    ExpectTranscriptMatchesGolden();
}

// Each total's band, with every die queued: the gold, the debt, what is inherited, the
// message box and the log line that explains the band, one line a total in
// tests/golden/steps/money_totals.txt.
TEST_F(AgeMoneyStepTest, TotalsGiveGoldDebtAndInheritance) {
    // The inheritance dice (quality 0 moves no roll): weapon d10000 4700 Long sword, armor
    // d4000 3950 Chain mail, shield d400 211 Shield, Small, mount d6000 2500 Horse, riding,
    // deed d100 53 a farm.
    const struct {
        int d100, class_modifier, prior_modifier;
        std::initializer_list<int> faces; // after the d100: the band's, then the debt's or items'
    } rows[] = {
        {1, 4, 0, {12, 3}}, // debt: 1d100 12, 10 x (2 x 3 + 25) = 310
        {1, 5, 0, {}},
        {10, 0, 1, {4}},
        {100, 0, 0, {20}},
        {100, 1, 0, {1, 4700}},
        {100, 0, 6, {10, 4700, 3950, 211}},
        {100, 5, 6, {1, 1, 4700, 3950, 211, 2500}},
        {90, 10, 16, {20, 20, 4700, 3950, 211, 2500, 53}},
    };
    std::string outcomes;
    for (const auto& row : rows) {
        Clear_All();
        BooksToUse[kRollYourOwnDice] = 1;
        current_character.class_item = &record;
        record.moneyroll = row.class_modifier;
        program_data.money_roll_modifier = row.prior_modifier;
        port.messages.clear();
        QueueDieFaces({row.d100});
        QueueDieFaces(row.faces);
        port.AnswerNumber(0);
        port.AnswerNumber(row.d100);
        step = AgeMoneyStep();
        step.RollMoney();

        const Character_Class& c = current_character;
        outcomes += "gold " + std::to_string(c.gold) + ", debt " +
                    std::to_string(c.hereditary_debt) + ", level " +
                    std::to_string(step.InheritLevel()) + ", equipment";
        for (const std::string* item : InheritedItems()) {
            outcomes += " [" + *item + "]";
        }
        outcomes += "\n";
        for (const std::string& message : port.messages) {
            outcomes += "  told " + message + "\n";
        }
        for (const std::string& line : Lines()) {
            outcomes += "  log " + line + "\n";
        }
    }
    ExpectMatchesGolden("steps/money_totals.txt", outcomes);
}

} // namespace
