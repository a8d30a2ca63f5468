#include "core/data/classes_available.h"

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "support/workspace_fixture.h"

namespace {

class ClassesAvailable : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        BooksToUse[kPlayersHandbook] = 1;
        auto race = std::make_unique<CharacterRace>();
        race->name = "Human";
        race->levellimit = {"Paladin 20"};
        current_character.race_item = race.get();
        CharacterRace::AddTail(std::move(race));
        for (int32_t* score : current_character.Scores()) {
            *score = 12;
        }
    }

    // A paladin whose limits take everything from 3 to 25 unless the case changes them.
    CharacterClass& Paladin() {
        auto record = std::make_unique<CharacterClass>();
        record->name = "Paladin";
        for (float* min : {&record->minstr, &record->mindex, &record->mincon, &record->minint,
                           &record->minwis, &record->mincha, &record->mincom}) {
            *min = 3;
        }
        for (float* max : {&record->maxstr, &record->maxdex, &record->maxcon, &record->maxint,
                           &record->maxwis, &record->maxcha, &record->maxcom}) {
            *max = 25;
        }
        CharacterClass& added = *record;
        CharacterClass::AddTail(std::move(record));
        return added;
    }
};

struct OpenCase {
    const char* label;
    std::function<void(Character_Class&, CharacterClass&)> arrange;
    bool open;
};

TEST_F(ClassesAvailable, EachRuleCanCloseAClass) {
    const OpenCase cases[] = {
        {"15/50 reads as 15.5",
         [](Character_Class& c, CharacterClass& p) {
             p.minstr = 15.5f;
             c.strength_base = 15, c.strength_perc = 50;
         },
         true},
        {"15/49 reads as 15.49",
         [](Character_Class& c, CharacterClass& p) {
             p.minstr = 15.5f;
             c.strength_base = 15, c.strength_perc = 49;
         },
         false},
        {"15/5 also reads as 15.5",
         [](Character_Class& c, CharacterClass& p) {
             p.minstr = 15.5f;
             c.strength_base = 15, c.strength_perc = 5;
         },
         true},
        {"12/50 is under a minimum of 12.51",
         [](Character_Class& c, CharacterClass& p) {
             p.minstr = 12.51f;
             c.strength_perc = 50;
         },
         false},
        {"12/51 meets a minimum of 12.51",
         [](Character_Class& c, CharacterClass& p) {
             p.minstr = 12.51f;
             c.strength_perc = 51;
         },
         true},
        {"12/52 is over a maximum of 12.51",
         [](Character_Class& c, CharacterClass& p) {
             p.maxstr = 12.51f;
             c.strength_perc = 52;
         },
         false},
        {"12/51 meets a maximum of 12.51",
         [](Character_Class& c, CharacterClass& p) {
             p.maxdex = 12.51f;
             c.dexterity_perc = 51;
         },
         true},
        {"fighter obligation shuts out a non-fighter",
         [](Character_Class& c, CharacterClass& p) {
             c.requires_wg_class = true;
             p.fighter = -1;
         },
         false},
        {"priest obligation shuts out a non-priest",
         [](Character_Class& c, CharacterClass& p) {
             c.requires_vg_class = true;
             p.cleric = -1;
         },
         false},
        {"book switched off", [](Character_Class&, CharacterClass& p) { p.book = kVotarysGuide; },
         false},
        {"social rank too low with restrictions on",
         [](Character_Class& c, CharacterClass& p) {
             BooksToUse[kEnforceSocialClass] = 1;
             p.socialreq = 9;
             c.social_id = 8;
         },
         false},
        {"social rank ignored with restrictions off",
         [](Character_Class& c, CharacterClass& p) {
             p.socialreq = 9;
             c.social_id = 8;
         },
         true},
        {"spell-caster obligation lifts the social rank",
         [](Character_Class& c, CharacterClass& p) {
             BooksToUse[kEnforceSocialClass] = 1;
             p.socialreq = 12;
             c.requires_hwg_class = true;
         },
         true},
        {"spell-caster obligation shuts out a non-caster",
         [](Character_Class& c, CharacterClass& p) {
             c.requires_hwg_class = true;
             p.mage = -1;
         },
         false},
        {"Charisma 18 lifts Comeliness by 4 before the class is chosen",
         [](Character_Class& c, CharacterClass& p) {
             p.mincom = 14;
             c.charisma_base = 18, c.comeliness_base = 10;
             program_data.creation_stage = 8;
         },
         true},
        {"after the class choice Comeliness counts as it is",
         [](Character_Class& c, CharacterClass& p) {
             p.mincom = 14;
             c.charisma_base = 18, c.comeliness_base = 10;
             program_data.creation_stage = 9;
         },
         false},
        {"the race does not name the class",
         [](Character_Class& c, CharacterClass&) { c.race_item->levellimit = {"Fighter 20"}; },
         false},
    };
    for (const OpenCase& test : cases) {
        TearDown();
        SetUp();
        CharacterClass& paladin = Paladin();
        test.arrange(current_character, paladin);
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
