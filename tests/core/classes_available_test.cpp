#include "core/data/classes_available.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "step_fixture.h"

namespace {

class ClassesAvailable : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        BooksToUse[kPlayersHandbook] = 1;
        current_character.race_item = &AddRecord<CharacterRace>("Human");
        current_character.race_item->levellimit = {"Paladin 20"};
        SetScores({12, 12, 12, 12, 12, 12, 12});
    }

    // The minimum and maximum of each ability, Strength to Comeliness.
    static std::array<std::pair<float*, float*>, 7> Limits(CharacterClass& r) {
        return {{{&r.minstr, &r.maxstr},
                 {&r.mindex, &r.maxdex},
                 {&r.mincon, &r.maxcon},
                 {&r.minint, &r.maxint},
                 {&r.minwis, &r.maxwis},
                 {&r.mincha, &r.maxcha},
                 {&r.mincom, &r.maxcom}}};
    }

    // A paladin whose limits take everything from 3 to 25 unless the case changes them.
    CharacterClass& Paladin() {
        CharacterClass& record = AddRecord<CharacterClass>("Paladin");
        for (auto [min, max] : Limits(record)) {
            *min = 3, *max = 25;
        }
        return record;
    }
};

// A score meets a limit in hundredths, its percentile read as decimals: 15/5 reads as 15.5.
// Comeliness, which Charisma moves before the class is chosen, has its own case below.
TEST_F(ClassesAvailable, ScoresMeetTheLimitsInHundredths) {
    const struct {
        float min, max;
        int score, percentile;
        bool open;
    } cases[] = {
        {15.5f, 25, 15, 50, true},   {15.5f, 25, 15, 49, false}, {15.5f, 25, 15, 5, true},
        {12.51f, 25, 12, 50, false}, {12.51f, 25, 12, 51, true}, {3, 12.51f, 12, 52, false},
        {3, 12.51f, 12, 51, true},   {13, 25, 12, 99, false},    {3, 12, 13, 0, false},
    };
    for (int ability = 0; ability < 6; ++ability) {
        for (const auto& c : cases) {
            TearDown();
            SetUp();
            const auto [min, max] = Limits(Paladin())[ability];
            *min = c.min, *max = c.max;
            *current_character.Scores()[ability] = c.score;
            *current_character.Percentiles()[ability] = c.percentile;
            EXPECT_EQ(ClassesOpenToCharacter().size(), c.open ? 1u : 0u)
                << "ability " << ability << ": " << c.score << "/" << c.percentile << " within "
                << c.min << "-" << c.max;
        }
    }
}

TEST_F(ClassesAvailable, EachRuleCanCloseAClass) {
    Character_Class& c = current_character;
    CharacterClass* p = nullptr; // the paladin of the case
    const struct {
        const char* label;
        std::function<void()> arrange;
        bool open;
    } cases[] = {
        {"fighter obligation shuts out a non-fighter",
         [&] { c.requires_wg_class = true, p->fighter = -1; }, false},
        {"priest obligation shuts out a non-priest",
         [&] { c.requires_vg_class = true, p->cleric = -1; }, false},
        {"book switched off", [&] { p->book = kVotarysGuide; }, false},
        {"social rank too low with restrictions on",
         [&] { BooksToUse[kEnforceSocialClass] = 1, p->socialreq = 9, c.social_id = 8; }, false},
        {"social rank ignored with restrictions off", [&] { p->socialreq = 9, c.social_id = 8; },
         true},
        {"spell-caster obligation lifts the social rank",
         [&] {
             BooksToUse[kEnforceSocialClass] = 1, p->socialreq = 12, c.requires_hwg_class = true;
         },
         true},
        {"spell-caster obligation shuts out a non-caster",
         [&] { c.requires_hwg_class = true, p->mage = -1; }, false},
        {"Charisma 18 lifts Comeliness by 4 before the class is chosen",
         [&] { p->mincom = 14, c.charisma_base = 18, c.comeliness_base = 10; }, true},
        {"after the class choice Comeliness counts as it is",
         [&] {
             p->mincom = 14, c.charisma_base = 18, c.comeliness_base = 10;
             program_data.creation_stage = 9;
         },
         false},
        {"the race does not name the class", [&] { c.race_item->levellimit = {"Fighter 20"}; },
         false},
    };
    for (const auto& test : cases) {
        TearDown();
        SetUp();
        program_data.creation_stage = 8; // the class step's list, before the choice
        p = &Paladin();
        test.arrange();
        EXPECT_EQ(ClassesOpenToCharacter().size(), test.open ? 1u : 0u) << test.label;
    }
}

TEST_F(ClassesAvailable, NoneWithoutARace) {
    Paladin();
    current_character.race_item = nullptr;
    EXPECT_TRUE(ClassesOpenToCharacter().empty());
}

TEST(LevelLimits, ClassAndLimitSplitAtTheLastBlank) {
    const struct {
        const char* entry;
        const char* class_name;
        const char* limit;
    } cases[] = {
        {"Fighter 9", "Fighter", "9.00"},
        {"Bounty Hunter 10", "Bounty Hunter", "10.00"},
        {"Thief Unlimited", "Thief", "Unlimited"},
        {"Fighter/Thief 9/15", "Fighter/Thief", "9/15"},
        {"Druid 7.5", "Druid", "7.50"},
        {"Monk", "Monk", ""},
    };
    for (const auto& c : cases) {
        const LevelLimit parsed = ParseLevelLimit(c.entry);
        EXPECT_EQ(parsed.class_name, c.class_name) << c.entry;
        EXPECT_EQ(parsed.limit, c.limit) << c.entry;
    }
}

} // namespace
