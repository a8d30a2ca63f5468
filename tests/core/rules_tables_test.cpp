// Movement, hit points and the inheritance tables.
#include <cstdint>
#include <cstdio>
#include <deque>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/hit_points.h"
#include "core/data/inheritance.h"
#include "core/data/movement.h"
#include "core/dice/dice.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

namespace {

// A die that shows the queued results in order and remembers the sizes it was asked for.
struct ScriptedDie {
    InheritanceDie AsDie() {
        return [this](int sides) {
            asked.push_back(sides);
            if (results.empty()) {
                throw std::runtime_error("more inheritance rolls than scripted");
            }
            const int result = results.front();
            results.pop_front();
            return result;
        };
    }

    std::deque<int> results;
    std::vector<int> asked = {};
};

TEST(InheritanceQuality, ModifiersByRollAndKind) {
    const std::tuple<int, const char*, int32_t> cases[] = {
        {1, "Weapon", -1000}, {5, "Shield", -100}, {7, "Weapon", -50},  {8, "Mount", 0},
        {9, "Armor", 25},     {12, "Weapon", 500}, {12, "Shield", 100}, {0, "Weapon", 0},
        {13, "Weapon", 0},    {9, "weapon", 0},    {9, "Deed", 0},
    };
    for (const auto& [quality, kind, expected] : cases) {
        EXPECT_EQ(Table3K(quality, kind), expected) << quality << " " << kind;
    }
}

TEST(InheritanceTables, RangesCoverTheirDieWithoutGaps) {
    struct Expected {
        const InheritanceTable* table;
        int32_t die;
        std::size_t ranges;
    };
    const Expected tables[] = {{&kInheritedWeapons, 10000, 67},
                               {&kInheritedArmor, 4000, 14},
                               {&kInheritedShields, 400, 9},
                               {&kInheritedMounts, 6000, 28},
                               {&kInheritedDeeds, 100, 20}};
    for (const Expected& e : tables) {
        EXPECT_EQ(e.table->die, e.die);
        ASSERT_EQ(e.table->items.size(), e.ranges) << e.die;
        int32_t next = 1;
        for (const InheritedItem& item : e.table->items) {
            EXPECT_EQ(item.low, next) << item.name;
            EXPECT_LE(item.low, item.high) << item.name;
            EXPECT_STRNE(item.name, "") << e.die;
            next = item.high + 1;
        }
        EXPECT_EQ(next, e.die + 1);
    }
}

// The tables by their letters: Weapon, Armor, Shield or helmet, Mount, Deed; each rolls its
// own die, re-rolls included.
TEST(InheritanceTables, ItemRollsWithQualityAndReRolls) {
    const int sides[] = {10000, 4000, 400, 6000, 100};
    const struct {
        const char* label;
        char table;
        int quality;
        const char* race;
        std::initializer_list<int> rolls;
        const char* expected;
    } cases[] = {
        {"overshoot rerolls one better", 'W', 12, "", {10000, 5000}, "Bastard sword+1"},
        {"quality 8 top end", 'W', 8, "", {10000}, "Composite long bow"},
        {"range edge", 'W', 8, "", {2000}, "Hand Axe"},
        {"next range", 'W', 8, "", {2001}, "Short Sword"},
        {"landing on 1 is no reroll", 'W', 1, "", {1001}, "Hand Axe"},
        {"two overshoots", 'W', 11, "", {9900, 9801, 100}, "Hand Axe+2"},
        {"undershoot rerolls one worse", 'A', 1, "Human", {100, 3000}, "Leather-1"},
        {"two undershoots", 'A', 1, "Human", {100, 200, 1600}, "Padded-2"},
        {"elves get elven chain", 'A', 8, "Elf", {3911}, "Elven chain mail"},
        {"half-elves too", 'A', 8, "Half-Elf", {3960}, "Elven chain mail"},
        {"others plain chain", 'A', 8, "Dwarf", {3911}, "Chain mail"},
        {"elves only for chain", 'A', 8, "Elf", {3961}, "Splint mail"},
        {"landing on the die size", 'S', 12, "", {300}, "Shield, Body"},
        {"shield undershoot", 'S', 1, "", {150, 400}, "Helmet, Leather-1"},
        {"bonus", 'M', 12, "Dwarf", {5900, 5950, 5400}, "Horse, dwarven war+2 hp per hit die"},
        {"mount malus", 'M', 1, "Human", {100, 600}, "Mule-1 hp per hit die"},
        {"war horse of others", 'M', 8, "Human", {5704}, "Horse, heavy war"},
        {"deed 50", 'D', 0, "", {50}, "Parcel of land in territory of country - village, business"},
        {"deed 51", 'D', 0, "", {51}, "Parcel in country borders - farm"},
    };
    for (const auto& c : cases) {
        ScriptedDie die{c.rolls};
        const InheritanceDie d = die.AsDie();
        const std::string item = c.table == 'W'   ? Table3L(c.quality, d)
                                 : c.table == 'A' ? Table3M(c.quality, c.race, d)
                                 : c.table == 'S' ? Table3N(c.quality, d)
                                 : c.table == 'M' ? Table3O(c.quality, c.race, d)
                                                  : Table3P(d);
        EXPECT_EQ(item, c.expected) << c.label;
        EXPECT_TRUE(die.results.empty()) << c.label;
        const int die_size = sides[std::string("WASMD").find(c.table)];
        EXPECT_EQ(die.asked, std::vector<int>(c.rolls.size(), die_size)) << c.label;
    }
}

TEST(InheritanceTables, DefaultDieIsTheProgramsDice) {
    QueueDieFaces({9999, 4000, 1, 6000, 37, 100});
    std::vector<int> rolled;
    for (int sides : {10000, 4000, 400, 6000, 100}) {
        rolled.push_back(RollInheritanceDie(sides));
    }
    EXPECT_EQ(rolled, (std::vector<int>{9999, 4000, 1, 6000, 37}));
    ScriptedDie same_roll{{100}};
    EXPECT_EQ(Table3P(), Table3P(same_roll.AsDie()));
}

TEST(InheritanceTables, AnnouncementPutsTheWeaponFirst) {
    EXPECT_EQ(Inheritance("Leather", "Shield, Small", "Mule", "Parcel in country borders - farm",
                          "Dagger+1"),
              "You have inherited the following: Weapon: Dagger+1, Armor: Leather, Shield or "
              "Helmet: Shield, Small, Mount: Mule, Deed: Parcel in country borders - farm");
}

class Movement : public WorkspaceTest {};

// A lost leg slows (both legs more), a peg leg each makes up for one; a barbarian runs faster.
TEST_F(Movement, ClassAndLegInjuries) {
    const char* const leg = "Amputee, Leg";
    const char* const legs = "Amputee, Double, Leg";
    const char* const peg = "Peg Leg";
    const struct {
        const char* class_name; // nullptr: no class chosen
        std::vector<const char*> skills, quirks;
        int32_t base, expected;
    } cases[] = {
        {nullptr, {}, {leg}, 12, 9},
        {"Barbarian", {}, {}, 12, 15},
        {"Barbarian/Thief", {}, {}, 6, 9},
        {"Fighter", {peg}, {leg}, 12, 12},
        {"Fighter", {}, {legs}, 12, 8},
        {"Fighter", {peg}, {legs}, 12, 11},
        {"Fighter", {peg, peg}, {legs}, 12, 12},
        {"Fighter", {}, {legs, leg}, 12, 8}, // the first leg quirk counts
        {"Fighter", {}, {"Amputee, Arm", "Amputee, Double, Arm"}, 12, 12},
        {"Fighter", {"Peg Leg (wooden)"}, {leg}, 12, 12},
        {"Fighter", {"peg leg"}, {leg}, 12, 9},
    };
    for (const auto& c : cases) {
        ResetProgramForTests();
        CharacterClass class_record;
        if (c.class_name) {
            class_record.name = c.class_name;
            current_character.class_item = &class_record;
        }
        for (const char* skill : c.skills) {
            SkillDataItem::AddTail(MakeItem<SkillDataItem>(skill, 1));
        }
        for (const char* quirk : c.quirks) {
            QuirkDataItem::AddTail(MakeItem<QuirkDataItem>(quirk, 0));
        }
        EXPECT_EQ(GetMovement(c.base), c.expected)
            << (c.class_name ? c.class_name : "no class") << " " << c.skills.size() << " pegs "
            << c.quirks.front();
        current_character.class_item = nullptr;
    }
}

class HitPoints : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        std::snprintf(program_data.log_file_name, kLogFileNameSize, "hp.log");
        program_data.building_points = 12.5f;
        fighter.name = "Fighter";
        fighter.hitdieroll[1] = 1, fighter.hitdie[1] = 10;
        fighter.hitdieroll[3] = 2, fighter.hitdie[3] = 4;
        fighter.hitdieroll[99] = 3, fighter.hitdie[99] = 6;
    }
    CharacterClass fighter;
};

TEST_F(HitPoints, RollsTheLevelsDiceWithTheHonorModifier) {
    const struct {
        const char* standing;
        int level;
        int count, sides, modifier;
        const char* shown; // the dice as logged
    } cases[] = {
        {"Average Honor d10", 1, 1, 10, 0, "1d10+0"},
        {"Great Honor d12", 1, 1, 10, 1, "1d10+1"},
        {"Dishonorable d4", 3, 2, 4, -1, "2d4-1"},
        {"", 150, 3, 6, 0, "3d6+0"},
    };
    for (const auto& c : cases) {
        current_character.honor_standing = c.standing;
        // The first die shows one below its highest face, the next ones 1 and 2.
        const int faces[] = {c.sides - 1, 1, 2};
        int expected = c.modifier;
        for (int i = 0; i < c.count; ++i) {
            QueueDieFaces({faces[i]});
            expected += faces[i];
        }
        ScriptedPort port;
        EXPECT_EQ(GetHitPoints(c.level, &fighter), expected) << c.shown;
        const std::string line = "BP=12.5   | Rolling " + std::string(c.shown) +
                                 " for hit points: " + std::to_string(expected) + "\n";
        EXPECT_EQ(port.log_window, line);
    }
}

TEST_F(HitPoints, NoClassOrNoDiceRollsNothing) {
    ScriptedPort port;
    EXPECT_EQ(GetHitPoints(1, nullptr), 0);
    EXPECT_EQ(ReadFile("hp.log"), "");
    EXPECT_EQ(GetHitPoints(2, &fighter), 0);
    EXPECT_NE(ReadFile("hp.log").find("Rolling 0d0+0 for hit points: 0"), std::string::npos);
}

} // namespace
