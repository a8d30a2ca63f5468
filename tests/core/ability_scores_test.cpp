#include "core/tree/ability_scores.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/data/ability_tables.h"
#include "core/model/character.h"
#include "support/golden.h"
#include "support/workspace_fixture.h"
#include "tree_recorder.h"

namespace {

using Lookup = std::string (*)(const std::string&, int, int);

// Every row of the six tables through the lookups, against the reviewed golden
// tests/golden/ability_tables.txt: one line per score and percentile band where any value
// changes, at the low and high end of the percentile rows.
TEST(AbilityLookups, EveryRowMatchesTheReviewedGolden) {
    const struct {
        const char* ability;
        Lookup lookup;
        std::vector<const char*> names;
    } tables[] = {
        {"Strength",
         AbilityScores::GetStrength,
         {"to_hit_adj", "Damage_adj", "Weight_Allowance", "Max_Press", "Open_Doors", "Bend_Bars",
          "Light_Encumbrance", "Moderate_Encumbrance", "Heavy_Encumbrance", "Severe_Encumbrance"}},
        {"Dexterity",
         AbilityScores::GetDexterity,
         {"Defense_adj", "Reaction_adj", "Missile_adj", "Pick_Pockets", "Open_Locks", "Find_Traps",
          "Remove_Traps", "Move_Silently", "Hide_in_Shadows"}},
        {"Constitution",
         AbilityScores::GetConstitution,
         {"HP_Adj", "System_Shock", "Resurection_Survival", "Poison_Save", "Immunity_to_Disease",
          "Regeneration"}},
        {"Intelligence",
         AbilityScores::GetIntelligence,
         {"Maximum_Languages", "Maximum_Spell_Level", "Learn_Spells", "Maximum_Number_Spells",
          "Illussion_Immunity", "Spell_Mishap"}},
        {"Wisdom",
         AbilityScores::GetWisdom,
         {"Magical_Defense", "Bonus_Spells", "Spell_Failure", "Spell_Immunity", "Improve_Skill"}},
        {"Charisma",
         AbilityScores::GetCharisma,
         {"Max_Henchmen", "Loyalty_Base", "Reaction_Adj", "Com_Mod", "Hon_Mod"}},
    };
    std::string text;
    for (const auto& table : tables) {
        text += std::string("== ") + table.ability + '\n';
        std::string previous;
        for (int score = 0; score <= 26; ++score) {
            for (int percentile : {0, 50, 51, 100}) {
                std::string values;
                for (const char* name : table.names) {
                    values += std::string(values.empty() ? "" : " | ") +
                              table.lookup(name, score, percentile);
                }
                if (values != previous) {
                    text += std::to_string(score) + '/' + std::to_string(percentile) + ": " +
                            values + '\n';
                    previous = values;
                }
            }
        }
    }
    ExpectMatchesGolden("ability_tables.txt", text);
}

// Scores off the table's ends and names of no column; every row in range is in the golden.
TEST(AbilityLookups, TellingCellsClampsAndNames) {
    const struct {
        Lookup lookup;
        int score, percentile;
        const char* name;
        const char* expected;
    } cases[] = {
        {AbilityScores::GetStrength, -4, 0, "Damage_adj", "-8"},
        {AbilityScores::GetStrength, 30, 0, "Damage_adj", "+14"},
        {AbilityScores::GetDexterity, 40, 0, "Open_Locks", "+50%"},
        {AbilityScores::GetConstitution, -3, 0, "System_Shock", "0%"},
        {AbilityScores::GetConstitution, 30, 0, "Regeneration", "1 hp every turn"},
        {AbilityScores::GetIntelligence, 99, 0, "Maximum_Languages", "20"},
        {AbilityScores::GetCharisma, -2, 0, "Hon_Mod", "0"},
        {AbilityScores::GetCharisma, 16, 99, "Reaction_Adj", "5"},
        {AbilityScores::GetStrength, 18, 0, "to_hit", "error"},
        {AbilityScores::GetStrength, 18, 0, "To_Hit_Adj", "error"},
        {AbilityScores::GetStrength, 18, 0, "Defense_adj", "error"},
        {AbilityScores::GetConstitution, 1, 0, "Resurrection_Survival", "error"},
        {AbilityScores::GetIntelligence, 19, 0, "Illusion_Immunity", "error"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.lookup(c.name, c.score, c.percentile), c.expected)
            << c.name << " at " << c.score << "/" << c.percentile;
    }
}

// A row dropped, doubled or left zero-filled breaks the ascending order of the keyed tables.
template <typename Row, std::size_t N>
void ExpectAscending(const std::array<Row, N>& rows, int first_score, const char* table) {
    EXPECT_EQ(rows.front().score, first_score) << table;
    EXPECT_EQ(rows.back().score, 25) << table;
    for (std::size_t i = 1; i < N; ++i) {
        const auto previous = std::pair(rows[i - 1].score, rows[i - 1].from_percentile);
        const auto current = std::pair(rows[i].score, rows[i].from_percentile);
        EXPECT_LT(previous, current) << table << " row " << i;
        EXPECT_LE(rows[i].score - rows[i - 1].score, 1) << table << " row " << i;
    }
}

TEST(AbilityTables, KeyedTablesRunInOrderWithoutGaps) {
    ExpectAscending(kStrengthTable, 1, "strength");
    ExpectAscending(kDexterityTable, 1, "dexterity");
    ExpectAscending(kIntelligenceTable, 0, "intelligence");
    ExpectAscending(kWisdomTable, 0, "wisdom");
}

class AbilityTree : public WorkspaceTest {};

// The branches' keys are in the tree senders' golden; here the scores' percentiles reach them.
TEST_F(AbilityTree, SendsTheOverviewThenSixBranchesWithThePercentiles) {
    Character_Class& c = current_character;
    c.strength_base = 18, c.strength_perc = 51;
    c.dexterity_base = 17, c.dexterity_perc = 3;
    c.constitution_base = 0, c.constitution_perc = 0;
    c.intelligence_base = 18, c.intelligence_perc = 50;
    c.wisdom_base = 13, c.wisdom_perc = 77;
    c.charisma_base = 3, c.charisma_perc = 9;
    c.comeliness_base = 11, c.comeliness_perc = 42;
    TreeRecorder tree;

    AbilityScores::SendAbilitiestoTree();

    ASSERT_EQ(tree.sent.size(), 7u);
    EXPECT_EQ(tree.sent[0].values,
              (std::vector<std::string>{"18/51", "17/3", "0/0", "18/50", "13/77", "3/9", "11/42"}));
    EXPECT_EQ(tree.sent[1].values,
              (std::vector<std::string>{"18/51", "+3", "+6", "160", "480", "14(6)", "35%",
                                        "161 - 200", "201 - 240", "241 - 320", "321 - 480"}));
    EXPECT_EQ(tree.sent[6].values.front(), "3/9");
}

} // namespace
