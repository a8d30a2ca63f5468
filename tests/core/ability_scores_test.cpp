#include "core/data/ability_scores.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/data/ability_tables.h"
#include "core/model/character.h"
#include "support/golden.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

namespace {

struct LookupCase {
    const char* label;
    int score;
    int percentile;
    const char* name;
    const char* expected;
};

using Lookup = std::string (*)(const std::string&, int, int);

void ExpectLookups(Lookup lookup, std::initializer_list<LookupCase> cases) {
    for (const LookupCase& c : cases) {
        EXPECT_EQ(lookup(c.name, c.score, c.percentile), c.expected)
            << c.label << ": " << c.name << " at " << c.score << "/" << c.percentile;
    }
}

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

// Expected texts are read off the game's tables by hand.
TEST(AbilityLookups, StrengthBandsAndFormats) {
    ExpectLookups(AbilityScores::GetStrength,
                  {
                      {"18 below the exceptional band", 18, 50, "to_hit_adj", "+3"},
                      {"18 below the exceptional band", 18, 50, "Open_Doors", "12(3)"},
                      {"exceptional band starts at 51", 18, 51, "Open_Doors", "14(6)"},
                      {"exceptional band to 100", 18, 100, "Open_Doors", "14(6)"},
                      {"score below 18", 17, 100, "Open_Doors", "11"},
                      {"first row of 1", 1, 50, "Weight_Allowance", "1"},
                      {"second row of 1", 1, 51, "Weight_Allowance", "2"},
                      {"score below the table takes the first row", 0, 99, "Weight_Allowance", "1"},
                      {"negative score takes the first row", -4, 0, "Damage_adj", "-8"},
                      {"zero adjustment keeps its sign", 9, 0, "to_hit_adj", "+0"},
                      {"negative adjustment", 4, 0, "to_hit_adj", "-2"},
                      {"bend bars percent", 24, 50, "Bend_Bars", "97%"},
                      {"bend bars upper band", 24, 51, "Bend_Bars", "98%"},
                      {"max press as stored", 20, 51, "Max_Press", "625"},
                      {"light band", 10, 0, "Light_Encumbrance", "44 - 54"},
                      {"moderate band", 10, 0, "Moderate_Encumbrance", "55 - 65"},
                      {"heavy band", 10, 0, "Heavy_Encumbrance", "66 - 86"},
                      {"severe band", 10, 0, "Severe_Encumbrance", "87 - 129"},
                      {"light band at the top", 25, 0, "Light_Encumbrance", "1501 - 1875"},
                      {"severe band at the top", 25, 0, "Severe_Encumbrance", "3001 - 4500"},
                      {"top row", 25, 0, "Damage_adj", "+14"},
                      {"above 25 counts as 25", 30, 0, "Damage_adj", "+14"},
                      {"above 25 whatever the percentile", 26, 99, "Max_Press", "1750"},
                      {"partial name", 18, 0, "to_hit", "error"},
                      {"wrong case", 18, 0, "To_Hit_Adj", "error"},
                      {"trailing blank", 18, 0, "to_hit_adj ", "error"},
                      {"empty name", 18, 0, "", "error"},
                      {"another ability's name", 18, 0, "Defense_adj", "error"},
                  });
}

TEST(AbilityLookups, DexterityBandsAndFormats) {
    ExpectLookups(AbilityScores::GetDexterity,
                  {
                      {"thief skill bonus", 17, 0, "Pick_Pockets", "+5%"},
                      {"defense penalty", 5, 0, "Defense_adj", "+2"},
                      {"16 below 51", 16, 50, "Defense_adj", "-2"},
                      {"16 from 51", 16, 51, "Defense_adj", "-3"},
                      {"12 below 51", 12, 50, "Missile_adj", "+0"},
                      {"12 from 51", 12, 51, "Missile_adj", "+1"},
                      {"zero skill adjustment", 11, 0, "Open_Locks", "+0%"},
                      {"skill penalty", 10, 0, "Find_Traps", "-10%"},
                      {"lowest row", 1, 0, "Move_Silently", "-30%"},
                      {"score below the table", 0, 0, "Missile_adj", "-6"},
                      {"top row", 25, 100, "Hide_in_Shadows", "+50%"},
                      {"above 25", 40, 0, "Open_Locks", "+50%"},
                      {"unknown name", 17, 0, "Pick_Pocket", "error"},
                  });
}

TEST(AbilityLookups, ConstitutionByScore) {
    ExpectLookups(AbilityScores::GetConstitution,
                  {
                      {"row 0 regeneration is empty", 0, 0, "Regeneration", ""},
                      {"row 0 adjustment", 0, 0, "HP_Adj", "+0"},
                      {"above 25 counts as 25", 30, 0, "Regeneration", "1 hp every turn"},
                      {"top row shock", 25, 0, "System_Shock", "100%"},
                      {"row 24 shock", 24, 0, "System_Shock", "99%"},
                      {"negative score counts as 0", -3, 0, "System_Shock", "0%"},
                      {"poison save without sign", 19, 0, "Poison_Save", "1"},
                      {"poison save penalty", 1, 0, "Poison_Save", "-2"},
                      {"disease immunity", 1, 0, "Immunity_to_Disease", "30%"},
                      {"disease immunity below zero", 12, 0, "Immunity_to_Disease", "-30%"},
                      {"hit point adjustment", 18, 0, "HP_Adj", "+4"},
                      {"survival", 1, 0, "Resurection_Survival", "30%"},
                      {"percentile ignored", 18, 99, "Regeneration", "Nil / 1 hp every 18 hours"},
                      {"the name keeps its own spelling", 1, 0, "Resurrection_Survival", "error"},
                  });
}

TEST(AbilityLookups, IntelligenceBandsAndFormats) {
    ExpectLookups(AbilityScores::GetIntelligence,
                  {
                      {"18 from 51", 18, 51, "Learn_Spells", "+90%"},
                      {"18 from 51", 18, 51, "Maximum_Number_Spells", "20"},
                      {"18 below 51", 18, 50, "Learn_Spells", "+85%"},
                      {"18 below 51", 18, 50, "Maximum_Number_Spells", "18"},
                      {"18 at 100", 18, 100, "Learn_Spells", "+90%"},
                      {"19 has one row", 19, 50, "Maximum_Number_Spells", "all"},
                      {"row 0 text", 0, 0, "Maximum_Spell_Level", ""},
                      {"negative score takes row 0", -1, 0, "Learn_Spells", "+0%"},
                      {"lowest chance", 1, 0, "Learn_Spells", "+1%"},
                      {"first spell level", 8, 0, "Maximum_Spell_Level", "Cantrips"},
                      {"mishap", 8, 0, "Spell_Mishap", "+35%"},
                      {"no mishap", 13, 0, "Spell_Mishap", "+0%"},
                      {"illusion immunity", 19, 0, "Illussion_Immunity", "1st level"},
                      {"languages at 25", 25, 0, "Maximum_Languages", "20"},
                      {"languages above 25", 99, 0, "Maximum_Languages", "20"},
                      {"the name keeps its own spelling", 19, 0, "Illusion_Immunity", "error"},
                  });
}

TEST(AbilityLookups, WisdomBandsAndFormats) {
    ExpectLookups(AbilityScores::GetWisdom,
                  {
                      {"18 below 51", 18, 50, "Bonus_Spells", "2-2-1-1"},
                      {"18 from 51", 18, 51, "Bonus_Spells", "2-2-1-1-1"},
                      {"immunity from 18/51", 18, 51, "Spell_Immunity", "Yes"},
                      {"no immunity at 18/50", 18, 50, "Spell_Immunity", "No"},
                      {"lowest defense", 1, 0, "Magical_Defense", "-6"},
                      {"defense bonus", 15, 0, "Magical_Defense", "+1"},
                      {"row 0 text", 0, 0, "Spell_Immunity", ""},
                      {"top bonus spells", 25, 0, "Bonus_Spells", "4-3-3-3-4-3-1"},
                      {"failure", 12, 0, "Spell_Failure", "+5%"},
                      {"no failure", 13, 0, "Spell_Failure", "+0%"},
                      {"no improvement", 3, 0, "Improve_Skill", "+0%"},
                      {"improvement", 4, 0, "Improve_Skill", "+2%"},
                      {"unknown name", 4, 0, "Improve_Skills", "error"},
                  });
}

TEST(AbilityLookups, CharismaByScore) {
    ExpectLookups(AbilityScores::GetCharisma,
                  {
                      {"honor modifier", 3, 0, "Hon_Mod", "-7"},
                      {"henchmen at 4", 4, 0, "Max_Henchmen", "3"},
                      {"henchmen at 5", 5, 0, "Max_Henchmen", "2"},
                      {"comeliness modifier at 25", 25, 0, "Com_Mod", "8"},
                      {"above 25", 30, 0, "Loyalty_Base", "20"},
                      {"row 0", 0, 0, "Reaction_Adj", "0"},
                      {"negative score counts as 0", -2, 0, "Hon_Mod", "0"},
                      {"penalty", 1, 0, "Com_Mod", "-8"},
                      {"positive without sign", 13, 0, "Reaction_Adj", "1"},
                      {"reaction at 16", 16, 0, "Reaction_Adj", "5"},
                      {"percentile ignored", 16, 99, "Reaction_Adj", "5"},
                      {"unknown name", 16, 0, "Honor_Mod", "error"},
                  });
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

// Records every branch the senders hand to the tree.
class BranchRecorder : public ScriptedPort {
public:
    struct Branch {
        std::string title;
        std::vector<std::string> keys, values;
    };
    void UpdateTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                          const std::vector<std::string>& values) override {
        sent.push_back({branch, keys, values});
    }
    std::vector<Branch> sent;
};

class AbilityTree : public WorkspaceTest {};

TEST_F(AbilityTree, SendsTheOverviewThenSixBranches) {
    Character_Class& c = current_character;
    c.strength_base = 18, c.strength_perc = 51;
    c.dexterity_base = 17, c.dexterity_perc = 3;
    c.constitution_base = 0, c.constitution_perc = 0;
    c.intelligence_base = 18, c.intelligence_perc = 50;
    c.wisdom_base = 13, c.wisdom_perc = 77;
    c.charisma_base = 3, c.charisma_perc = 9;
    c.comeliness_base = 11, c.comeliness_perc = 42;
    BranchRecorder tree;

    AbilityScores::SendAbilitiestoTree();

    ASSERT_EQ(tree.sent.size(), 7u);
    const auto& overview = tree.sent[0];
    EXPECT_EQ(overview.title, "Ability Scores");
    EXPECT_EQ(overview.keys,
              (std::vector<std::string>{"Strength", "Dexterity", "Constitution", "Intelligence",
                                        "Wisdom", "Charisma", "Comeliness"}));
    EXPECT_EQ(overview.values,
              (std::vector<std::string>{"18/51", "17/3", "0/0", "18/50", "13/77", "3/9", "11/42"}));

    const auto& strength = tree.sent[1];
    EXPECT_EQ(strength.title, "Strength");
    EXPECT_EQ(strength.keys,
              (std::vector<std::string>{"Score", "to_hit_adj", "Damage_adj", "Weight_Allowance",
                                        "Max_Press", "Open_Doors", "Bend_Bars", "Light_Encumbrance",
                                        "Moderate_Encumbrance", "Heavy_Encumbrance",
                                        "Severe_Encumbrance"}));
    EXPECT_EQ(strength.values,
              (std::vector<std::string>{"18/51", "+3", "+6", "160", "480", "14(6)", "35%",
                                        "161 - 200", "201 - 240", "241 - 320", "321 - 480"}));

    const auto& dexterity = tree.sent[2];
    EXPECT_EQ(dexterity.title, "Dexterity");
    ASSERT_EQ(dexterity.keys.size(), 10u);
    EXPECT_EQ(dexterity.keys.back(), "Hide_in_Shadows");
    EXPECT_EQ(dexterity.values[4], "+5%"); // Pick_Pockets

    const auto& constitution = tree.sent[3];
    EXPECT_EQ(constitution.title, "Constitution");
    EXPECT_EQ(constitution.keys,
              (std::vector<std::string>{"Score", "HP_Adj", "System_Shock", "Resurection_Survival",
                                        "Poison_Save", "Immunity_to_Disease", "Regeneration"}));
    EXPECT_EQ(constitution.values.back(), "");

    const auto& intelligence = tree.sent[4];
    EXPECT_EQ(intelligence.title, "Intelligence");
    EXPECT_EQ(intelligence.keys,
              (std::vector<std::string>{"Score", "Maximum_Languages", "Maximum_Spell_Level",
                                        "Learn_Spells", "Maximum_Number_Spells",
                                        "Illussion_Immunity", "Spell_Mishap"}));
    EXPECT_EQ(intelligence.values[3], "+85%");

    const auto& wisdom = tree.sent[5];
    EXPECT_EQ(wisdom.title, "Wisdom");
    EXPECT_EQ(wisdom.keys,
              (std::vector<std::string>{"Score", "Magical_Defense", "Bonus_Spells", "Spell_Failure",
                                        "Spell_Immunity", "Improve_Skill"}));
    EXPECT_EQ(wisdom.values[2], "1");

    const auto& charisma = tree.sent[6];
    EXPECT_EQ(charisma.title, "Charisma");
    EXPECT_EQ(charisma.keys,
              (std::vector<std::string>{"Score", "Max_Henchmen", "Loyalty_Base", "Reaction_Adj"}));
    EXPECT_EQ(charisma.values, (std::vector<std::string>{"3/9", "1", "-6", "-5"}));
}

} // namespace
