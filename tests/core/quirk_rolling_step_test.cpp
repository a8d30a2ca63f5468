#include <deque>
#include <functional>
#include <memory>
#include <sstream>
#include <utility>

#include "core/app/clear_all.h"
#include "core/wizard/quirk_rolling_step.h"
#include "quirk_step_fixture.h"

namespace {

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

TEST_F(QuirkRollingTest, RerollsOfOneRollAreBounded) {
    program_data.pending_quirk_tables = {"Votary's Guide 6P"};
    Open(6, 1);
    int thrown = 0;
    step->dice = [&thrown](int, int) { return ++thrown, 1; }; // 1 is on no entry of 6P
    EXPECT_TRUE(step->Roll(0));
    EXPECT_EQ(thrown, QuirkRollingStep::kMostRerolls);
    ExpectTranscriptMatchesGolden();
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
    EXPECT_EQ(step->Continue(), StepExit::kContinue);
}

// Rolls as the step's buttons make them, each from a fresh record: the questions, the log with
// its balance, the tables still offered, what the character holds and what Continue gives,
// against the reviewed golden tests/golden/quirk_rolling.txt.
TEST_F(QuirkRollingTest, RollsMatchTheReviewedTranscripts) {
    // Closes the entries of `table` up to `last` (all of them by default).
    const auto close = [](const char* table, int last = kQuirkFlawSlots) {
        for (int i = 1; i <= last && i < kQuirkFlawSlots; ++i) {
            quirkflaw[i].max_times =
                std::string(quirkflaw[i].table) == table ? 0 : quirkflaw[i].max_times;
        }
    };
    const std::string extra = "PHB Extra Personality Table";
    const char* const maimed = "PHB Maimed Table";
    // Opened with tables owed as the background step leaves them (one pending roll each) or,
    // with none owed, at the random rolls with a pending roll for each 6A roll the case makes.
    const struct {
        const char* name;
        std::vector<const char*> held;
        std::vector<std::string> owed;
        std::vector<std::pair<std::string, std::deque<int>>> rolls; // table offered, faces
        std::function<void()> arrange = nullptr;
    } cases[] = {
        {"a 6A roll owes its sub-table", {}, {}, {{kTable6A, {1}}, {kTable6B, {5}}}},
        {"again on 6B and once on 6C", {}, {kTable6B}, {{kTable6B, {71}}}},
        {"twice more on 6C", {}, {kTable6C}, {{kTable6C, {86}}}},
        {"twice on 6G", {}, {kTable6G}, {{kTable6G, {86}}}},
        {"twice on 6H", {}, {kTable6H}, {{kTable6H, {85}}}},
        {"again on 6F and once on 6H", {}, {kTable6F}, {{kTable6F, {91}}}},
        {"a table reference", {}, {kTable6B}, {{kTable6B, {10}}}},
        {"roll twice, ignoring this result, adds no rolls", {}, {maimed}, {{maimed, {6}}}},
        {"later picks earn the second value",
         {},
         {kTable6C, kTable6C, extra, extra},
         {{kTable6C, {27}}, {kTable6C, {30}}, {extra, {1}}, {extra, {5}}}},
        {"an entry held as often as allowed is rolled again silently",
         {"Albino"},
         {kTable6B},
         {{kTable6B, {3, 9, 25}}}},
        {"the player's own roll is asked again when it finds nothing to take",
         {"Albino"},
         {kTable6B},
         {{kTable6B, {50, 50}}},
         [&] {
             BooksToUse[kRollYourOwnDice] = 1;
             port.AnswerNumber(4);
             port.AnswerNumber(25);
         }},
        {"a table with nothing left to take uses up its roll",
         {},
         {"PHB Maimed Subtable"},
         {{"PHB Maimed Subtable", {}}},
         [&] { close("PHB Maimed Subtable"); }},
        // 18d5 never shows more than 90, so "Bound by a Dying Oath" (91-100) is out of reach.
        {"nothing left within the dice's reach",
         {},
         {"Votary's Guide 6P"},
         {{"Votary's Guide 6P", {}}},
         [&] { close("Votary's Guide 6P", Entry("Sworn Foe of the Undead")); }},
        {"blindness takes the sight flaws and says so once",
         {"Loss of Eye"},
         {kTable6E, kTable6E},
         {{kTable6E, {29}}, {kTable6E, {1}}},
         [] { program_data.quirk_bp[Entry("Loss of Eye")] = 7; }},
        {"a woman loses male pattern baldness for the two rolls promised",
         {},
         {kTable6C},
         {{kTable6C, {14}}},
         [&] { race.sex = "Female"; }},
        {"a declined roll costs 1 BP and is made again",
         {},
         {kTable6B},
         {{kTable6B, {1, 25}}},
         [&] {
             program_data.building_points = 3.0f;
             port.AnswerNo();
             port.AnswerYes();
         }},
        {"a supplement's 6A ties the character to its classes",
         {},
         {},
         {{"Votary's Guide 6A", {1}}},
         [] { BooksToUse[kVotarysGuide] = 1; }},
        {"a held twice order becomes two owed rolls", {"Roll twice on Table 6H"}, {}, {}},
        {"no arms", {"Amputee, Double, Arm", "Amputee, Arm"}, {}, {}},
        {"no legs", {"Amputee, Double, Leg", "Amputee, Leg"}, {}, {}},
        {"deaf", {"Deaf", "Hard of Hearing"}, {}, {}},
        {"free quirks are listed but earn nothing", {}, {kTable6H}, {{kTable6H, {1}}}},
        {"Continue after cherry picking credits the BP and lists the quirks",
         {"Arrogant"},
         {},
         {{kTable6A, {15}}, {kTable6A, {1}}, {kTable6C, {27}}, {kTable6B, {1}}}},
    };
    std::ostringstream out;
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        port.questions.clear();
        for (const char* name : c.held) {
            current_character.quirk_count[Entry(name)] = 1;
        }
        program_data.pending_quirk_tables = c.owed;
        if (c.arrange) {
            c.arrange();
        }
        int sixa_rolls = 0;
        for (const auto& roll : c.rolls) {
            sixa_rolls += roll.first.ends_with("6A") ? 1 : 0;
        }
        Open(c.owed.empty() ? 7 : 6, static_cast<int>(c.owed.empty() ? sixa_rolls : c.owed.size()));
        for (const auto& [table, shown] : c.rolls) {
            RollTable(table, shown);
        }
        EXPECT_EQ(port.AnswersLeft(), 0u) << c.name;
        out << "== " << c.name << '\n' << Transcript() << "offered:";
        for (const std::string& table : step->Tables()) {
            out << " [" << table << ']';
        }
        out << "\nowed " << step->OwedRolls() << ", 6A rolls " << program_data.quirk_rolls_pending
            << ", gained";
        for (const std::string& gained : step->GainedList()) {
            out << " [" << gained << ']';
        }
        out << " worth " << step->QuirkBpSum() << '\n';
        const auto holdings = [&out](const char* when) {
            for (int i = 1; i < kQuirkFlawSlots; ++i) {
                if (current_character.quirk_count[i] != 0 || program_data.quirk_bp[i] != 0) {
                    out << when << ' ' << quirkflaw[i].name << " x"
                        << current_character.quirk_count[i] << " for " << program_data.quirk_bp[i]
                        << " BP\n";
                }
            }
        };
        holdings("holds");
        std::string closed; // entries no roll may give any more
        for (int i = 1; i < kQuirkFlawSlots && quirkflaw[i].name[0] != '\0'; ++i) {
            closed +=
                quirkflaw[i].max_times == 0 ? std::string(" [") + quirkflaw[i].name + ']' : "";
        }
        out << (closed.empty() ? "" : "closed" + closed + '\n');
        const bool stays = step->Continue() == StepExit::kStay;
        out << "continue " << (stays ? "stays" : "goes on") << ", " << step->BalanceText()
            << ", class ties " << current_character.requires_hwg_class
            << current_character.requires_wg_class << current_character.requires_vg_class
            << current_character.requires_lg_class << ", listed";
        for (auto* q = current_character.quirks.pHead.get(); q; q = q->next.get()) {
            out << " [" << q->name << " x" << q->value << ']';
        }
        out << '\n';
        holdings("then holds");
    }
    ExpectMatchesGolden("quirk_rolling.txt", out.str());
    // The finger's second value is its own; the rest of its table keeps the first.
    EXPECT_EQ(quirkflaw[Entry("Loss of Eye")].bp, 7);
}

} // namespace
