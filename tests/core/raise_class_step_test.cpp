#include "core/wizard/raise_class_step.h"

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "support/class_fixtures.h"
#include "support/race_fixtures.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

namespace {

class RaiseClassStepTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        Clear_All();
        race.name = "Human";
        race.level_limits = {"Fighter 12", "Thief Unlimited", "Fighter/Thief 12/14", "Paladin 9"};
    }

    // Writes the race and the classes, loads them and gives the character the race, all
    // scores 12/0, the balance and the stage of the step.
    void Load(float balance = 20.0f) {
        WriteRaceFile(workspace, "Human", race);
        for (std::size_t i = 0; i < classes.size(); ++i) {
            WriteClassFile(workspace, std::string(1, static_cast<char>('A' + i)), classes[i]);
        }
        CRace.LoadRace();
        CClass.LoadClass();
        current_character.race_item = CharacterRace::pHead.get();
        for (int32_t* score : current_character.Scores()) {
            *score = 12;
        }
        program_data.building_points = balance;
        program_data.creation_stage = 8;
    }

    // The log after the "All variables have been cleared" line.
    std::string StepLog() {
        const std::string log = ReadFile(program_data.log_file_name);
        return log.substr(log.find('\n') + 1);
    }

    static std::array<std::string, 7> Entries(int strength, int dexterity = 0) {
        return {std::to_string(strength), std::to_string(dexterity), "", "", "", "", ""};
    }

    static std::vector<std::string> ClassItems() {
        std::vector<std::string> names;
        for (const ClassDataItem* item = ClassDataItem::pHead.get(); item;
             item = item->next.get()) {
            names.push_back(item->name + " " + std::to_string(item->level));
        }
        return names;
    }

    RaceFixture race;
    std::vector<ClassFixture> classes = {{.name = "Fighter", .bp = 3, .profslots = 4}};
    ScriptedPort port;
};

TEST_F(RaiseClassStepTest, BpBuysTwentyFivePercentilePointsEach) {
    struct Case {
        int score, percentile, bp;
        const char* shown;
    } const cases[] = {
        {12, 80, 4, "13/80"},   {12, 80, 1, "13/5"},   {12, 100, 1, "13/25"},
        {12, 100, 0, "12/100"}, {12, 10, -1, "11/85"}, {12, 0, 8, "13/100"},
    };
    Load();
    for (const Case& c : cases) {
        current_character.strength_base = c.score;
        current_character.strength_perc = c.percentile;
        RaiseClassStep step;
        EXPECT_TRUE(step.ApplyAbilities(Entries(c.bp)));
        EXPECT_EQ(step.ScoreTexts()[0], c.shown) << c.score << "/" << c.percentile << " " << c.bp;
        EXPECT_EQ(current_character.strength_base, c.score)
            << "nothing is recorded before Continue";
    }
}

TEST_F(RaiseClassStepTest, OpeningShowsTheRecordAndEmptyEntries) {
    Load(17.5f);
    current_character.dexterity_perc = 45;
    RaiseClassStep step;
    EXPECT_EQ(step.ScoreTexts()[1], "12/45");
    EXPECT_EQ(step.ScoreTexts()[0], "12/0");
    EXPECT_EQ(step.BpEntries()[0], "");
    EXPECT_EQ(step.BuildingPointsText(), "18 ");
    EXPECT_EQ(step.ClassEntries(), std::vector<std::string>{"Fighter"});
}

TEST_F(RaiseClassStepTest, ApplyLogsTheWorkingScoresAndShowsTheBalanceLeft) {
    Load(10.0f);
    current_character.strength_perc = 80;
    RaiseClassStep step;
    ASSERT_TRUE(step.ApplyAbilities({"4", "junk", "", "-1", "0", "2", "1"}));
    EXPECT_EQ(step.BuildingPointsText(), "4  ");
    EXPECT_EQ(step.BpEntries()[1], "junk");
    EXPECT_EQ(StepLog(),
              "BP=10.0   | Adjusting Ability Scores with BP's STR=13/80 (4 BP) DEX=12/0 (0 BP) "
              "CON=12/0 (0 BP) INT=11/75 (-1 BP) WIS=12/0 (0 BP) CHR=12/50 (2 BP) "
              "COM=12/25 (1 BP) \n");
    EXPECT_EQ(program_data.building_points, 10.0f);
}

TEST_F(RaiseClassStepTest, ARequestOverTheBalanceIsRefusedAndChargesNothing) {
    Load(9.5f);
    RaiseClassStep step;
    ASSERT_TRUE(step.ApplyAbilities(Entries(2)));
    EXPECT_FALSE(step.ApplyAbilities(Entries(5, 5)));
    EXPECT_EQ(step.ScoreTexts()[0], "12/0");
    EXPECT_EQ(step.ScoreTexts()[1], "12/0");
    EXPECT_EQ(step.BpEntries()[0], "");
    EXPECT_EQ(step.BpSpentTotal(), 0);

    step.SelectListBox("Fighter");
    ASSERT_TRUE(step.Continue().continued);
    EXPECT_EQ(current_character.strength_perc, 0);
    EXPECT_FLOAT_EQ(program_data.building_points, 9.5f + 3.0f);
}

TEST_F(RaiseClassStepTest, ARefusedBalanceShowsHowFarOverTheRequestWent) {
    Load(9.0f);
    RaiseClassStep step;
    EXPECT_FALSE(step.ApplyAbilities(Entries(7, 5)));
    EXPECT_EQ(step.BuildingPointsText(), "-3 ");
    EXPECT_EQ(StepLog(), "");
    EXPECT_TRUE(step.ApplyAbilities(Entries(5, 4))) << "spending exactly the balance";
    EXPECT_EQ(step.BuildingPointsText(), "0  ");
}

TEST_F(RaiseClassStepTest, ContinueChargesTheLastApplyAndAddsTheClassBonus) {
    classes[0].bp = -2;
    Load(12.0f);
    RaiseClassStep step;
    ASSERT_TRUE(step.ApplyAbilities(Entries(8)));
    ASSERT_TRUE(step.ApplyAbilities(Entries(6, -2))); // a negative entry gives BP back
    step.SelectListBox("Fighter");
    const auto result = step.Continue();
    EXPECT_TRUE(result.continued);
    EXPECT_FALSE(result.thief_skills);
    EXPECT_EQ(program_data.creation_stage, 9);
    EXPECT_EQ(current_character.strength_base, 13);
    EXPECT_EQ(current_character.strength_perc, 50);
    EXPECT_EQ(current_character.dexterity_base, 11);
    EXPECT_EQ(current_character.dexterity_perc, 50);
    EXPECT_FLOAT_EQ(program_data.building_points, 12.0f - 4.0f - 2.0f);
    EXPECT_EQ(current_character.free_proficiencies, 4);
    EXPECT_EQ(current_character.level, 1);
    EXPECT_EQ(ClassItems(), std::vector<std::string>{"Fighter 1"});
    const std::string log = StepLog();
    EXPECT_NE(log.find("BP=12.0   | Selecting a Class: Class=Fighter, BP Bonus=-2 \n"
                       "BP=6.0    | Adjusting Ability Scores with BP's STR=13/50 (6 BP) "
                       "DEX=11/50 (-2 BP) CON=12/0 (0 BP) INT=12/0 (0 BP) WIS=12/0 (0 BP) "
                       "CHR=12/0 (0 BP) COM=12/0 (0 BP) \n"),
              std::string::npos)
        << log;
}

TEST_F(RaiseClassStepTest, ContinueWithoutAClassDoesNothing) {
    Load();
    RaiseClassStep step;
    step.SelectListBox("Nobody");
    EXPECT_FALSE(step.Continue().continued);
    EXPECT_EQ(program_data.creation_stage, 8);
    EXPECT_EQ(ClassDataItem::pHead, nullptr);
    step.SelectListBox("Fighter");
    step.ApplyAbilities(Entries(1)); // new scores, so the choice is cleared
    EXPECT_FALSE(step.Continue().continued);
}

struct FilterCase {
    const char* label;
    ClassFixture paladin;
    std::function<void()> arrange;
    int strength_bp;
    bool listed;
};

TEST_F(RaiseClassStepTest, TheClassListFollowsTheRaisedScoresAndTheCharacter) {
    const auto social = [](int rank, bool enforce) {
        return [=] {
            current_character.social_id = rank;
            BooksToUse[kEnforceSocialClass] = enforce ? 1 : 0;
        };
    };
    ClassFixture needs_15_5{.name = "Paladin"};
    needs_15_5.min[0] = "15.5";
    ClassFixture high_society{.name = "Paladin", .socialreq = 12};
    ClassFixture no_thieving{.name = "Paladin", .thief = -1};
    ClassFixture no_magic{.name = "Paladin", .mage = -1};
    ClassFixture comely{.name = "Paladin"};
    comely.min[6] = "14";
    const FilterCase cases[] = {
        {"12/0 raised to 15/50", needs_15_5, [] {}, 14, true},
        {"12/0 raised to 15/25", needs_15_5, [] {}, 13, false},
        {"12/45 raised to 15/95", needs_15_5, [] { current_character.strength_perc = 45; }, 14,
         true},
        {"socialreq 12, rank 5, enforced", high_society, social(5, true), 0, false},
        {"socialreq 12, rank 12, enforced", high_society, social(12, true), 0, true},
        {"socialreq 12, rank 5, not enforced", high_society, social(5, false), 0, true},
        {"socialreq 12, rank 5, spell-caster obligation", high_society,
         [=] {
             social(5, true)();
             current_character.requires_hwg_class = true;
         },
         0, true},
        {"thief -1 under the lurker obligation", no_thieving,
         [] { current_character.requires_lg_class = true; }, 0, false},
        {"thief -1 without obligations", no_thieving, [] {}, 0, true},
        {"mage -1 under the spell-caster obligation", no_magic,
         [] { current_character.requires_hwg_class = true; }, 0, false},
        {"book switched off", ClassFixture{.name = "Paladin", .book = kVotarysGuide}, [] {}, 0,
         false},
        {"book switched on", ClassFixture{.name = "Paladin", .book = kVotarysGuide},
         [] { BooksToUse[kVotarysGuide] = 1; }, 0, true},
        {"Comeliness 12 with Charisma 18 counts 16", comely,
         [] { current_character.charisma_base = 18; }, 0, true},
        {"Comeliness 12 with Charisma 12 counts 13", comely, [] {}, 0, false},
    };
    for (const FilterCase& c : cases) {
        WorkspaceTest::TearDown();
        WorkspaceTest::SetUp();
        Clear_All();
        classes = {{.name = "Fighter"}, c.paladin};
        Load(20.0f);
        c.arrange();
        RaiseClassStep step;
        step.ApplyAbilities(Entries(c.strength_bp));
        const auto& listed = step.ClassEntries();
        const bool has_paladin = std::find(listed.begin(), listed.end(), "Paladin") != listed.end();
        EXPECT_EQ(has_paladin, c.listed) << c.label;
    }
}

TEST_F(RaiseClassStepTest, ARaceWhoseLimitsDoNotNameAClassHidesIt) {
    race.level_limits = {"Fighter 12"};
    classes = {{.name = "Fighter"}, {.name = "Thief", .thief = 1}, {.name = "Ranger"}};
    Load();
    RaiseClassStep step;
    EXPECT_EQ(step.ClassEntries(), std::vector<std::string>{"Fighter"});
}

TEST_F(RaiseClassStepTest, AMultiClassEntersEachClassItJoinsAndStartsTheThief) {
    classes = {{.name = "Fighter", .bp = 1, .fighter = 1, .profslots = 4},
               {.name = "Fighter/Thief", .bp = 6, .fighter = 1, .thief = 1, .profslots = 3},
               {.name = "Paladin"},
               {.name = "Thief", .thief = 1, .profslots = 2}};
    race.thief_bases[7] = 5; // Climb Walls
    Load(0.0f);
    RaiseClassStep step;
    EXPECT_EQ(step.ClassEntries(),
              (std::vector<std::string>{"Fighter", "Fighter/Thief", "Paladin", "Thief"}));
    step.SelectListBox("Fighter/Thief");
    const auto result = step.Continue();
    EXPECT_TRUE(result.thief_skills);
    EXPECT_EQ(ClassItems(), (std::vector<std::string>{"Fighter 1", "Thief 1"}));
    EXPECT_EQ(current_character.free_proficiencies, 3);
    EXPECT_EQ(current_character.class_long_name, "Fighter/Thief");
    EXPECT_FLOAT_EQ(program_data.building_points, 6.0f);
    const ClassDataItem* fighter = ClassDataItem::pHead.get();
    const ClassDataItem* thief = fighter->next.get();
    EXPECT_EQ(fighter->climb_walls[0], 0);
    EXPECT_EQ(thief->climb_walls[0], 60 + 5) << "the thief start runs once";
}

TEST_F(RaiseClassStepTest, TheLastClassOfTheListCanBeChosen) {
    classes = {{.name = "Fighter"}, {.name = "Paladin", .bp = 2, .profslots = 3}};
    Load();
    RaiseClassStep step;
    ASSERT_EQ(step.ClassEntries().back(), "Paladin");
    step.SelectListBox("Paladin");
    EXPECT_EQ(step.ClassBpBonus(), 2);
    ASSERT_TRUE(step.Continue().continued);
    EXPECT_EQ(ClassItems(), std::vector<std::string>{"Paladin 1"});
}

} // namespace
