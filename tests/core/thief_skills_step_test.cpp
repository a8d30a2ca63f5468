#include "core/wizard/thief_skills_step.h"

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "step_fixture.h"
#include "support/class_fixtures.h"
#include "support/race_fixtures.h"

namespace {

constexpr const char* kAllSkills = "Pick Pockets, Open Locks, Find Traps, Remove Traps, "
                                   "Move Silently, Hide in Shadows, Detect Noise, Climb Walls, "
                                   "Read Languages";

using Skills = std::array<int, kThiefSkillCount>;

class ThiefSkillsStepTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        race_file.name = "Human";
    }

    // Loads the race and the classes, gives the character Dexterity 17/0 (+5 Pick Pockets,
    // +10 Open Locks, +5 Move Silently and Hide in Shadows), chooses `chosen` and enters the
    // named class items in this order.
    void Load(const std::string& chosen, const std::vector<std::string>& items) {
        WriteRaceFile(workspace, "Human", race_file);
        for (std::size_t i = 0; i < classes.size(); ++i) {
            WriteClassFile(workspace, std::string(1, static_cast<char>('A' + i)), classes[i]);
        }
        CRace.LoadRace();
        CClass.LoadClass();
        Character_Class& c = current_character;
        c.race_item = CharacterRace::pHead.get();
        c.dexterity_base = 17;
        for (CharacterClass* r = CharacterClass::pHead.get(); r; r = r->next.get()) {
            if (r->name == chosen) {
                c.class_item = r;
            }
        }
        for (const std::string& name : items) {
            AddRecord<ClassDataItem>(name).level = 1;
        }
    }

    static Skills Level(const ClassDataItem& item, int level) {
        const ByLevel* arrays[kThiefSkillCount] = {
            &item.pick_pockets, &item.open_locks,    &item.find_traps,
            &item.remove_traps, &item.move_silently, &item.hide_in_shadows,
            &item.detect_noise, &item.climb_walls,   &item.read_languages};
        Skills values{};
        for (int i = 0; i < kThiefSkillCount; ++i) {
            values[i] = (*arrays[i])[static_cast<std::size_t>(level)];
        }
        return values;
    }

    RaceFixture race_file;
    std::vector<ClassFixture> classes;
};

TEST_F(ThiefSkillsStepTest, TheStartingBaseComesFromDexterityRaceAndClass) {
    struct Case {
        const char* name;
        Skills expected;
    } const cases[] = {
        {"Thief", {20, 20, 5, 5, 15, 10, 15, 60, 0}},
        {"Assassin", {20, 20, 5, 5, 15, 10, 15, 60, 0}},
        {"Bard", {15, 0, 0, 0, 0, 0, 20, 50, 5}},
        {"Bounty Hunter", {0, 0, 5, 5, 15, 10, 0, 0, 0}},
        {"Burglar", {5, 10, 0, 0, 5, 5, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        WorkspaceTest::TearDown();
        WorkspaceTest::SetUp();
        Clear_All();
        classes = {{.name = c.name, .thief = 1}};
        Load(c.name, {c.name});
        SetThiefStart();
        EXPECT_EQ(Level(*ClassDataItem::pHead, 0), c.expected) << c.name;
    }
}

TEST_F(ThiefSkillsStepTest, TheRaceBasesAddToEverySkillButABardsLocksStayShut) {
    for (int i = 0; i < kThiefSkillCount; ++i) {
        race_file.thief_bases[i] = i + 1;
    }
    classes = {{.name = "Thief", .thief = 1}, {.name = "Bard", .thief = 1}};
    Load("Thief", {"Thief", "Bard"});
    SetThiefStart();
    EXPECT_EQ(Level(*ClassDataItem::pHead, 0), (Skills{21, 22, 8, 9, 20, 16, 22, 68, 9}));
    EXPECT_EQ(Level(*ClassDataItem::pHead->next, 0), (Skills{16, 0, 0, 0, 0, 0, 27, 58, 14}));
}

// A refusal says why: Apply and Continue give the reason, empty when they were done.
TEST_F(ThiefSkillsStepTest, PlacingSixtyPointsAtMostThirtyOnOneSkill) {
    const std::string over_thirty = "At most 30 points on one skill: ";
    const std::string too_many = "Too many points placed: 70 of 60 points";
    struct Case {
        std::array<std::string, kThiefSkillCount> entries;
        std::string applied, continued;
    } const cases[] = {
        {{"30", "30"}, "", ""},
        {{"31", "29"}, over_thirty + "Pick Pockets has 31", over_thirty + "Pick Pockets has 31"},
        {{"29", "31"}, over_thirty + "Open Locks has 31", over_thirty + "Open Locks has 31"},
        {{"30", "20"}, "", "Every point must be placed: 50 of 60 points"},
        {{"30", "20", "", "", "", "", "", "-5", "15"}, "", ""},
        {{"30", "30", "10"}, too_many, too_many},
        {{"thirty", "30", "30"}, "", ""},
    };
    classes = {{.name = "Thief", .thief = 1, .thiefpoints = 60, .thiefskills = kAllSkills}};
    Load("Thief", {"Thief"});
    SetThiefStart();
    for (const Case& c : cases) {
        ThiefSkillsStep step;
        EXPECT_EQ(step.Apply(c.entries).refusal(), c.applied)
            << c.entries[0] << " " << c.entries[1];
        EXPECT_EQ(step.BaseTexts()[0],
                  c.applied.empty() ? std::to_string(20 + std::atoi(c.entries[0].c_str())) : "20");
        EXPECT_EQ(step.Continue(c.entries).refusal(), c.continued) << c.entries[0];
    }
}

TEST_F(ThiefSkillsStepTest, ContinueStoresThePointsAtLevelOneAndLogsEverySkill) {
    classes = {{.name = "Fighter", .fighter = 1},
               {.name = "Fighter/Thief",
                .thief = 1,
                .thiefpoints = 40,
                .thiefskills = "Pick Pockets, Open Locks, Climb Walls"},
               {.name = "Thief", .thief = 1}};
    Load("Fighter/Thief", {"Fighter", "Thief"});
    SetThiefStart();
    ThiefSkillsStep step;
    EXPECT_EQ(step.UsableSkills(), (std::vector<int>{0, 1, 7}));
    // Points typed for a skill the class may not use are not counted.
    ASSERT_TRUE(step.Continue({"25", "-5", "30", "", "", "", "", "20", ""}));
    EXPECT_TRUE(step.continued);
    const ClassDataItem& thief = *ClassDataItem::pHead->next;
    EXPECT_EQ(Level(thief, 1), (Skills{25, -5, 0, 0, 0, 0, 0, 20, 0}));
    EXPECT_EQ(Level(*ClassDataItem::pHead, 1), Skills{});
    EXPECT_EQ(step.BaseTexts()[0], "45");
    EXPECT_EQ(step.BaseTexts()[2], "5");
    ExpectTranscriptMatchesGolden();
}

} // namespace
