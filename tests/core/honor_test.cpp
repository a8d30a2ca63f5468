#include "core/wizard/honor.h"

#include <sstream>

#include <gtest/gtest.h>

#include "core/data/honor_die_table.h"
#include "core/files/character_file_reader.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "step_fixture.h"

namespace {

// Every level's bands run without a gap from "10 or less" to an open top, with dice the game
// has; the standing limits sit where the game puts them (3L + 2, 8L + 9 to 10L + 10).
TEST(HonorDieTable, EveryLevelIsContiguousAndItsStandingsConsistent) {
    for (int level = 1; level <= kHonorDieLevels; ++level) {
        SCOPED_TRACE(level);
        const HonorLevelRow& row = HonorRowForLevel(level);
        ASSERT_FALSE(row.bands.empty());
        EXPECT_EQ(row.bands.front().low, kNoLow);
        EXPECT_EQ(row.bands.front().high, 10);
        EXPECT_EQ(row.bands.back().high, kOpenTop);
        for (std::size_t i = 0; i < row.bands.size(); ++i) {
            EXPECT_TRUE(i == 0 || row.bands[i].low == row.bands[i - 1].high + 1) << i;
            const HonorDie die = row.bands[i].die;
            EXPECT_NE(
                std::string(",1,3,4,6,8,10,12,20,").find("," + std::to_string(die.sides) + ","),
                std::string::npos);
            EXPECT_TRUE(die.bonus >= 0 && die.bonus <= 2);
        }
        EXPECT_EQ(row.dishonorable_max, 3 * level + 2);
        EXPECT_EQ(row.great_low, 8 * level + 9);
        EXPECT_EQ(row.great_high, 10 * level + 10);
        EXPECT_EQ(row.too_much_min, row.great_high + 1);
    }
}

// The cells the rules single out, the open level 4 cell and the levels out of the table.
TEST(HonorDieTable, StandingTexts) {
    const std::tuple<int, int, const char*> cells[] = {
        {1, 5, "Dishonorable d1"},      {1, 6, "Average Honor d1"},
        {1, 16, "Average Honor d4"},    {1, 17, "Great Honor d4"},
        {1, 21, "Too Much Honor d3"},   {2, 22, "Average Honor d4+1"},
        {4, 53, "Too Much Honor d6+1"}, {35, 211, "Too Much Honor d12+2"},
        {0, 17, "Great Honor d4"},
    };
    for (const auto& [level, honor, text] : cells) {
        EXPECT_EQ(HonorStandingText(level, honor), text) << level << ", " << honor;
    }
    const int bp[][2] = {{-1, -9}, {1, -9}, {9, -1}, {13, -1}, {14, 1}, {25, 12}, {300, 12}};
    for (const auto& [honor, change] : bp) {
        EXPECT_EQ(HonorBpAdjustment(honor), change) << "honor " << honor;
    }
}

class GenerateHonorTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        SetScores({12, 13, 14, 10, 9, 11, 15}); // 84 / 7 = 12; Charisma 11: +0
        Character_Class& c = current_character;
        c.social_id = 12;
        c.social_class = "Upper Upper Class";
        c.family_heritage = "Great Honor";
        c.class_long_name = "Fighter";
        program_data.building_points = 5.0f;
    }
};

TEST_F(GenerateHonorTest, EveryStepLoggedThenStanding) {
    EXPECT_EQ(GenerateHonor(), 27);
    ExpectTranscriptMatchesGolden();
    EXPECT_EQ(current_character.honor_die_sides, 3);
}

TEST_F(GenerateHonorTest, AdjustmentsFloorAndBattleMage) {
    const struct {
        int rank;
        const char* heritage;
        int charisma;
        const char* class_name;
        int adjustment, honor, bp_change;
    } cases[] = {
        {12, "Great Dishonor", 11, "Fighter", 0, 17, 4}, // -5, not -2
        {12, "Dishonorable", 11, "Fighter", 0, 20, 7},   // "Dishonor" before "Honorable"
        {12, "No honor", 15, "Fighter", 0, 26, 12},      // Charisma 15: +4
        {10, "Honorable", 11, "Fighter", 0, 19, 6},
        {6, "No honor", 11, "Fighter", 0, 11, -1},
        {12, "No honor", 11, "Battle Mage", 0, 24, 11},
        {12, "No honor", 11, "Battle Mage/Thief", 0, 22, 9},
        {4, "Great Dishonor", 11, "Fighter", -2, -1, -9}, // -3 becomes 1, then -2
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.heritage + std::string(" ") + row.class_name);
        Character_Class& c = current_character;
        c.social_id = row.rank;
        c.family_heritage = row.heritage;
        c.charisma_base = row.charisma;
        c.class_long_name = row.class_name;
        c.honor_adjustment = row.adjustment;
        program_data.building_points = 5.0f;
        EXPECT_EQ(GenerateHonor(), row.honor);
        EXPECT_FLOAT_EQ(program_data.building_points, 5.0f + static_cast<float>(row.bp_change));
    }
}

// The standing is not saved: reading a character works it out from its level and honor.
TEST_F(GenerateHonorTest, ReadingACharacterGivesItsStandingAndDie) {
    std::istringstream in("<FRAYMARK_CHARACTER>\n<LEVEL>2</LEVEL>\n<HONOR_BASE>25</HONOR_BASE>\n"
                          "</FRAYMARK_CHARACTER>\n");
    XMLRead().ReadCharacterStream(in);
    EXPECT_EQ(current_character.honor_standing, "Great Honor d4+1");
    EXPECT_EQ(current_character.honor_die_sides, 4);
    EXPECT_EQ(current_character.honor_die_bonus, 1);
}

} // namespace
