#include <algorithm>
#include <deque>
#include <memory>
#include <utility>

#include "core/app/clear_all.h"
#include "core/wizard/quirk_rolling_step.h"
#include "quirk_step_fixture.h"

namespace {

using Next = QuirkRollingStep::Next;

// The rolling step opened at a stage with some 6A (or free) rolls pending; the dice come from
// a queue of faces and every roll is recorded as (sides, count).
class QuirkRollingTest : public QuirkStepTest {
protected:
    QuirkRollingStep& Open(int stage, int pending) {
        program_data.creation_stage = stage;
        program_data.quirk_rolls_pending = pending;
        step = std::make_unique<QuirkRollingStep>();
        step->dice = [this](int sides, int count) {
            rolls.emplace_back(sides, count);
            if (faces.empty()) {
                ADD_FAILURE() << "a roll nobody expected";
                return 1;
            }
            const int face = faces.front();
            faces.pop_front();
            return face;
        };
        return *step;
    }

    // Rolls the table at `selected` with the dice showing `shown`.
    void RollWith(int selected, std::deque<int> shown) {
        faces = std::move(shown);
        EXPECT_TRUE(step->Roll(selected));
        EXPECT_TRUE(faces.empty()) << "not every face was rolled";
    }

    // Rolls the first table named `table` in the list.
    void RollTable(const std::string& table, std::deque<int> shown) {
        const auto& tables = step->Tables();
        for (std::size_t i = 0; i < tables.size(); ++i) {
            if (tables[i] == table) {
                RollWith(static_cast<int>(i), std::move(shown));
                return;
            }
        }
        ADD_FAILURE() << "not offered: " << table;
    }

    std::unique_ptr<QuirkRollingStep> step;
    std::deque<int> faces;
    std::vector<std::pair<int, int>> rolls;
};

TEST_F(QuirkRollingTest, OffersTheHandbookAndTheSupplements6AInBookOrder) {
    BooksToUse[kVotarysGuide] = 1;
    BooksToUse[kHexwrightsGuide] = 1;
    Open(7, 1);
    EXPECT_EQ(step->Tables(),
              (std::vector<std::string>{"Player's Handbook 6A", "Hexwright's Guide 6A",
                                        "Votary's Guide 6A"}));
    EXPECT_EQ(step->Selected(), 0);
}

TEST_F(QuirkRollingTest, A6ARollOwesItsSubTableAndTheSubTableGivesTheQuirk) {
    Open(7, 1);
    RollWith(0, {1});
    EXPECT_EQ(step->Tables(), (std::vector<std::string>{kTable6A, kTable6B}));
    EXPECT_EQ(step->Selected(), 1);
    RollWith(1, {5});
    EXPECT_EQ(step->OwedRolls() + program_data.quirk_rolls_pending, 0);
    EXPECT_EQ(current_character.quirk_count[1], 1);
    EXPECT_EQ(program_data.quirk_bp[1], 5);
    EXPECT_EQ(step->QuirkBpSum(), 5);
    EXPECT_EQ(step->GainedList(), std::vector<std::string>{"Albino"});
    EXPECT_EQ(Lines()[0], "Rolling for Table Player's Handbook 6A (d100): rolled 1, Roll on Table "
                          "Player's Handbook 6B: Flaws, Minor (Physical)");
    EXPECT_EQ(Lines()[1], "Rolling for Table Player's Handbook 6B: Flaws, Minor (Physical) "
                          "(d100): rolled 5, Albino (5 BP)");
}

TEST_F(QuirkRollingTest, DiceFollowTheTablesRanges) {
    const struct {
        const char* table;
        int sides, count;
    } rows[] = {
        {kTable6B, 100, 1},           {"PHB Animal Antipathy Table", 20, 1},
        {"PHB Maimed Table", 6, 1},   {"LG Suspicious Mannerism Table", 8, 2},
        {"Votary's Guide 6P", 5, 18},
    };
    for (const auto& row : rows) {
        Open(6, 1);
        rolls.clear();
        faces = {row.count * 2};
        step->QuirkFlawSubTable(row.table);
        ASSERT_EQ(rolls.size(), 1u) << row.table;
        EXPECT_EQ(rolls[0], std::make_pair(row.sides, row.count)) << row.table;
    }
}

// Directives and table references queue the tables they name.
TEST_F(QuirkRollingTest, OrdersOfFurtherRollsOweTheirTables) {
    const struct {
        const char* table;
        int roll;
        std::vector<std::string> owed;
    } rows[] = {
        {kTable6B, 71, {kTable6B, kTable6C}}, // roll again on 6B and an extra time on 6C
        {kTable6C, 86, {kTable6C, kTable6C}}, // roll twice more on 6C
        {kTable6G, 86, {kTable6G, kTable6G}}, // roll twice on 6G
        {kTable6H, 85, {kTable6H, kTable6H}}, // roll twice on 6H
        {kTable6F, 91, {kTable6F, kTable6H}}, // again on 6F and once on 6H
        {kTable6B, 10, {"PHB Animal Antipathy Table"}},
        {"PHB Maimed Table", 6, {}}, // "Roll twice, ignoring this result." adds no rolls
    };
    for (const auto& row : rows) {
        Clear_All();
        program_data.pending_quirk_tables = {row.table};
        Open(6, 1);
        RollWith(0, {row.roll});
        EXPECT_EQ(step->Tables(), row.owed) << row.table << " " << row.roll;
        // The free table's roll is made: only the new ones are still owed.
        EXPECT_EQ(program_data.quirk_rolls_pending + step->OwedRolls(),
                  static_cast<int>(row.owed.size()))
            << row.table << " " << row.roll;
    }
}

TEST_F(QuirkRollingTest, LaterPicksEarnTheSecondValue) {
    program_data.pending_quirk_tables = {kTable6C, kTable6C, "PHB Extra Personality Table",
                                         "PHB Extra Personality Table"};
    Open(6, 4);
    RollWith(0, {27});
    RollWith(0, {30});
    const int finger = Entry("Missing Finger");
    EXPECT_EQ(current_character.quirk_count[finger], 2);
    EXPECT_EQ(program_data.quirk_bp[finger], 6);
    RollWith(0, {1});
    RollWith(0, {5});
    const int young = Entry("Multiple Personality Disorder: Young member of the opposite sex.");
    const int old = Entry("Multiple Personality Disorder: Old member of the opposite sex.");
    EXPECT_EQ(program_data.quirk_bp[young], 11);
    EXPECT_EQ(program_data.quirk_bp[old], 5);
    EXPECT_EQ(Lines()[1], "Rolling for Table Player's Handbook 6C: Flaws, Minor (Physical) "
                          "(d100): rolled 30, Missing Finger (1 BP)");
    // The finger's second value is its own; the rest of its table keeps the first.
    EXPECT_EQ(quirkflaw[Entry("Loss of Eye")].bp, 7);
}

TEST_F(QuirkRollingTest, AnEntryHeldAsOftenAsAllowedIsRolledAgainSilently) {
    current_character.quirk_count[1] = 1; // Albino, once at most
    program_data.pending_quirk_tables = {kTable6B};
    Open(6, 1);
    RollWith(0, {3, 9, 25});
    EXPECT_EQ(current_character.quirk_count[Entry("Brittle Bones")], 1);
    EXPECT_EQ(Lines().size(), 1u) << "the refused rolls are not logged";
}

TEST_F(QuirkRollingTest, ATableWithNothingLeftToTakeUsesUpItsRoll) {
    const struct {
        const char* table;
        int last_closed; // entries of the table up to this one are held as often as allowed
    } cases[] = {
        {"PHB Maimed Subtable", kQuirkFlawSlots},
        // 18d5 never shows more than 90, so "Bound by a Dying Oath" (91-100) is out of reach.
        {"Votary's Guide 6P", Entry("Sworn Foe of the Undead")},
    };
    for (const auto& c : cases) {
        SetUp();
        for (int i = 1; i <= c.last_closed && i < kQuirkFlawSlots; ++i) {
            if (std::string(quirkflaw[i].table) == c.table) {
                quirkflaw[i].max_times = 0;
            }
        }
        program_data.pending_quirk_tables = {c.table};
        Open(6, 1);
        RollWith(0, {});
        EXPECT_TRUE(step->Tables().empty());
        EXPECT_EQ(step->Continue(), Next::kCherryPicking);
        EXPECT_EQ(Lines(),
                  std::vector<std::string>{"No quirk or flaw of Table " + std::string(c.table) +
                                           " can be taken any more"});
    }
}

TEST_F(QuirkRollingTest, RerollsOfOneRollAreBounded) {
    program_data.pending_quirk_tables = {"Votary's Guide 6P"};
    Open(6, 1);
    int thrown = 0;
    step->dice = [&thrown](int, int) { return ++thrown, 1; }; // 1 is on no entry of 6P
    EXPECT_TRUE(step->Roll(0));
    EXPECT_EQ(thrown, QuirkRollingStep::kMostRerolls);
    EXPECT_EQ(Lines(), std::vector<std::string>{"No quirk or flaw of Table Votary's Guide 6P that "
                                                "can still be taken came up in 100000 rolls"});
}

TEST_F(QuirkRollingTest, RollsAreAllowedOnlyWhileOwed) {
    Open(7, 0);
    EXPECT_FALSE(step->Roll(0)); // no 6A roll left
    EXPECT_FALSE(step->Roll(5)); // no such table
    Open(7, 1);
    RollWith(0, {15}); // 6A: on to 6C
    EXPECT_FALSE(step->Roll(0));
    RollWith(1, {1}); // 6C is owed even with no 6A roll left
    EXPECT_EQ(current_character.quirk_count[Entry("Acne Scarred")], 1);
    EXPECT_FALSE(step->Roll(0));
    EXPECT_EQ(step->Continue(), Next::kRaiseAbilities);
}

TEST_F(QuirkRollingTest, ASupplement6ARollTiesTheCharacterToItsClasses) {
    BooksToUse[kVotarysGuide] = 1;
    Open(7, 1);
    ASSERT_EQ(step->Tables()[1], "Votary's Guide 6A");
    RollWith(1, {1});
    EXPECT_TRUE(current_character.requires_vg_class);
    EXPECT_FALSE(current_character.requires_hwg_class);
}

TEST_F(QuirkRollingTest, BlindnessTakesTheSightFlawsAndSaysSoOnce) {
    const int eye = Entry("Loss of Eye");
    current_character.quirk_count[eye] = 1;
    program_data.quirk_bp[eye] = 7;
    program_data.pending_quirk_tables = {kTable6E, kTable6E};
    Open(6, 2);
    RollWith(0, {29});
    EXPECT_EQ(current_character.quirk_count[eye], 0);
    EXPECT_EQ(program_data.quirk_bp[eye], 0);
    EXPECT_EQ(quirkflaw[eye].max_times, 0);
    RollWith(0, {1}); // asthma; the corrections run again
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "You are blind. All of your pre-existing vission problems are now gone."),
              1);
}

TEST_F(QuirkRollingTest, TellingEntriesTakeWhatTheyRuleOut) {
    const struct {
        const char* held;
        const char* gone;
        const char* line; // null: no line
    } rows[] = {
        {"Amputee, Double, Arm", "Amputee, Arm",
         "You have no arms! Atleast you can't lose any fingers now."},
        {"Amputee, Double, Leg", "Amputee, Leg", nullptr},
        {"Deaf", "Hard of Hearing",
         "You are deaf. All of your pre-existing hearing problems are now gone."},
    };
    for (const auto& row : rows) {
        Clear_All();
        current_character.quirk_count[Entry(row.held)] = 1;
        current_character.quirk_count[Entry(row.gone)] = 1;
        Open(7, 0);
        EXPECT_EQ(current_character.quirk_count[Entry(row.gone)], 0) << row.held;
        EXPECT_EQ(current_character.quirk_count[Entry(row.held)], 1) << row.held;
        EXPECT_EQ(Lines(),
                  row.line ? std::vector<std::string>{row.line} : std::vector<std::string>{})
            << row.held;
    }
}

TEST_F(QuirkRollingTest, AWomanLosesMalePatternBaldnessForTheTwoRollsPromised) {
    race.sex = "Female";
    program_data.pending_quirk_tables = {kTable6C};
    Open(6, 1);
    RollWith(0, {14});
    EXPECT_EQ(quirkflaw[Entry("Male Pattern Baldness")].max_times, 0);
    EXPECT_EQ(step->Tables(), (std::vector<std::string>{kTable6C, kTable6F}));
    EXPECT_EQ(Lines().back(), "Females can not get male patern baldness! You lose this flaw and "
                              "gain a roll on 6C and 6F");
    EXPECT_EQ(step->Continue(), Next::kStay);
}

TEST_F(QuirkRollingTest, AHeldTwiceDirectiveBecomesTwoOwedRolls) {
    const int twice = Entry("Roll twice on Table 6H");
    current_character.quirk_count[twice] = 1;
    Open(7, 0);
    EXPECT_EQ(step->Tables(), (std::vector<std::string>{kTable6A, kTable6H, kTable6H}));
    EXPECT_EQ(step->OwedRolls(), 2);
    EXPECT_EQ(current_character.quirk_count[twice], 0);
}

TEST_F(QuirkRollingTest, FreeQuirksAreListedButEarnNothing) {
    program_data.pending_quirk_tables = {kTable6H};
    program_data.building_points = 0.0f;
    Open(6, 1);
    EXPECT_EQ(step->Continue(), Next::kStay);
    RollWith(0, {1});
    EXPECT_EQ(step->GainedList(), std::vector<std::string>{"Arrogant"});
    EXPECT_EQ(step->QuirkBpSum(), 0) << "shown as earned";
    EXPECT_EQ(step->Continue(), Next::kCherryPicking);
    EXPECT_EQ(program_data.creation_stage, 6);
    EXPECT_EQ(program_data.building_points, 0.0f);
    EXPECT_EQ(current_character.quirks.pHead, nullptr);
}

TEST_F(QuirkRollingTest, ContinueAfterCherryPickingCreditsTheBpAndListsTheQuirks) {
    current_character.quirk_count[Entry("Arrogant")] = 1; // free, worth nothing
    Open(7, 2);
    RollWith(0, {15}); // on to 6C
    RollWith(0, {1});  // on to 6B
    EXPECT_EQ(step->Continue(), Next::kStay);
    RollTable(kTable6C, {27});
    RollTable(kTable6B, {1});
    EXPECT_EQ(step->Continue(), Next::kRaiseAbilities);
    EXPECT_EQ(program_data.creation_stage, 8);
    EXPECT_EQ(program_data.building_points, 10.0f);
    EXPECT_EQ(step->BalanceText(), "10  BP");
    std::vector<std::pair<std::string, int>> quirks;
    for (auto* q = current_character.quirks.pHead.get(); q; q = q->next.get()) {
        quirks.emplace_back(q->name, q->value);
    }
    EXPECT_EQ(quirks, (std::vector<std::pair<std::string, int>>{
                          {"Albino", 1}, {"Missing Finger", 1}, {"Arrogant", 1}}));
}

TEST_F(QuirkRollingTest, ADeclinedRollCostsOneBpAndIsMadeAgain) {
    program_data.building_points = 3.0f;
    program_data.pending_quirk_tables = {kTable6B};
    Open(6, 1);
    port.AnswerNo();
    port.AnswerYes();
    RollWith(0, {1, 25});
    EXPECT_EQ(program_data.building_points, 2.0f);
    EXPECT_EQ(current_character.quirk_count[1], 0);
    EXPECT_EQ(RawLines()[1], "BP=2.0    | Spending 1 BP to re-roll ");
}

TEST_F(QuirkRollingTest, TheOwnRollIsAskedAgainWhenItFindsNothingToTake) {
    BooksToUse[kRollYourOwnDice] = 1;
    current_character.quirk_count[1] = 1;
    program_data.pending_quirk_tables = {kTable6B};
    Open(6, 1);
    port.AnswerNumber(4);  // Albino again: not allowed
    port.AnswerNumber(25); // Brittle Bones
    RollWith(0, {50, 50});
    ASSERT_EQ(port.questions.size(), 2u);
    EXPECT_EQ(port.questions[0].caption + " " + port.questions[0].prompt,
              "Rolling for Quirks and Flaws 1d100");
    EXPECT_EQ(current_character.quirk_count[Entry("Brittle Bones")], 1);
}

} // namespace
