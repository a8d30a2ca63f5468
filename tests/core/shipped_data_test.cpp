// The shipped data set in gamedata/, read as start-up reads it: every list is found whole and
// holds what the program looks for in it. Whether the names, level limits, prerequisites and
// shop table ids fit together is the data check's own run over gamedata/ in ctest.
#include <string>

#include <gtest/gtest.h>

#include "core/data/data_check.h"
#include "core/data/rules_lists.h"
#include "core/gm/honor_awards.h"
#include "core/model/workspace.h"

namespace {

class ShippedDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetWorkspaceRoot(std::filesystem::path(FRAYMARK_SOURCE_DIR) / "gamedata");
        DataProblems problems;
        CheckDataSet(problems); // loads every list, as start-up does
        SetWorkspaceRoot({});
    }
    static void TearDownTestSuite() { ClearAllRulesLists(); }

    template <typename R> static const R* Last() {
        const R* r = R::pHead.get();
        while (r && r->next) {
            r = r->next.get();
        }
        return r;
    }
};

TEST_F(ShippedDataTest, EveryListIsReadWholeAndTheEmptyRecordClosesThree) {
    const std::size_t counts[] = {CharacterRace::Count(),  CharacterClass::Count(),
                                  CharacterSkill::Count(), CharacterTalent::Count(),
                                  CharacterProf::Count(),  CharacterSpell::Count(),
                                  CharacterEquip::Count()};
    const std::size_t floors[] = {20, 16, 81, 31, 41, 165, 121};
    for (std::size_t i = 0; i < std::size(floors); ++i) {
        EXPECT_GE(counts[i], floors[i]) << "list " << i;
    }
    EXPECT_EQ(Last<CharacterSkill>()->name, "");
    EXPECT_EQ(Last<CharacterTalent>()->name, "");
    EXPECT_EQ(Last<CharacterProf>()->name, "");
    EXPECT_NE(CharacterEquip::Find("Categories"), nullptr);
    EXPECT_NE(CharacterEquip::Find("Starting Clothes"), nullptr);
}

// What the creation steps and the honor tracker read from a class: a first-level hit die, a
// rising experience table, alignments by the nine names the tracker compares with, and thief
// points for a thief.
TEST_F(ShippedDataTest, ClassesCanBeCreatedAtFirstLevel) {
    for (const CharacterClass* c = CharacterClass::pHead.get(); c; c = c->next.get()) {
        SCOPED_TRACE(c->name);
        EXPECT_GT(c->hitdie[1], 0);
        EXPECT_GT(c->hitdieroll[1], 0);
        EXPECT_GT(c->xptable[2], 0);
        for (int level = 3; level < kMaxLevels && c->xptable[level] != 0; ++level) {
            EXPECT_GT(c->xptable[level], c->xptable[level - 1]) << "level " << level;
        }
        EXPECT_FALSE(c->alignment.empty());
        for (const std::string& alignment : c->alignment) {
            EXPECT_GE(AlignmentColumn(alignment), 0) << "'" << alignment << "'";
        }
        if (c->thief == 1) {
            EXPECT_GT(c->thiefpoints[1], 0);
            EXPECT_FALSE(c->thiefskills.empty());
        }
    }
}

// The skill step reads a skill's category as 1 to 12 and its mastery abilities as "STR/DEX".
TEST_F(ShippedDataTest, SkillsHaveACategoryAndMasteryAbilitiesTheSkillStepReads) {
    for (const CharacterSkill* s = CharacterSkill::pHead.get(); s->next; s = s->next.get()) {
        SCOPED_TRACE(s->name);
        EXPECT_TRUE(s->category >= 1 && s->category <= 12) << s->category;
        const std::string& named = s->mastery_abilities;
        EXPECT_FALSE(named.empty());
        for (std::size_t at = 0; at < named.size(); at += 4) {
            EXPECT_NE(
                std::string(" STR DEX CON INT WIS CHA COM ").find(" " + named.substr(at, 3) + " "),
                std::string::npos)
                << named;
            EXPECT_TRUE(at + 3 == named.size() || (at + 3 < named.size() && named[at + 3] == '/'))
                << named;
        }
    }
}

} // namespace
