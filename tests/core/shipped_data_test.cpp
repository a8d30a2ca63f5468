// The shipped data set in gamedata/: it loads cleanly, fits together and holds every name the
// rules look for. Read straight from the source tree; nothing is written there.
#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/data/data_check.h"
#include "core/data/rules_lists.h"
#include "core/model/workspace.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ShippedDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetWorkspaceRoot(std::filesystem::path(FRAYMARK_SOURCE_DIR) / "gamedata");
        CheckDataSet(problems); // loads every list, as start-up does
        SetWorkspaceRoot({});
    }
    static void TearDownTestSuite() { ClearAllRulesLists(); }

    template <typename R> static std::vector<const R*> All() {
        std::vector<const R*> records;
        for (const R* r = R::pHead.get(); r; r = r->next.get()) {
            records.push_back(r);
        }
        return records;
    }

    template <typename R> static bool Has(const std::string& exact_name) {
        const auto all = All<R>();
        return std::any_of(all.begin(), all.end(),
                           [&](const R* r) { return r->name == exact_name; });
    }

    static bool RaceAdmits(const CharacterRace& race, const CharacterClass& c) {
        return std::any_of(race.levellimit.begin(), race.levellimit.end(),
                           [&](const std::string& entry) { return Contains(entry, c.name); });
    }

    static DataProblems problems;
};

DataProblems ShippedDataTest::problems;

TEST_F(ShippedDataTest, DataCheckFindsNothingAndTheListsReachTheirSizeFloor) {
    std::ostringstream report;
    WriteProblemReport(problems, report);
    EXPECT_EQ(problems.ErrorCount() + problems.WarningCount(), 0) << report.str();
    // The skill, talent and proficiency lists end with the empty record, the shop with the
    // Categories record.
    const std::size_t counts[] = {CharacterRace::Count(),  CharacterClass::Count(),
                                  CharacterSkill::Count(), CharacterTalent::Count(),
                                  CharacterProf::Count(),  CharacterSpell::Count(),
                                  CharacterEquip::Count()};
    const std::size_t floors[] = {20, 16, 81, 31, 41, 40, 121};
    for (std::size_t i = 0; i < std::size(floors); ++i) {
        EXPECT_GE(counts[i], floors[i]) << "list " << i;
    }
}

TEST_F(ShippedDataTest, EveryRaceComesInBothSexesAndTheTestedRacesExist) {
    std::map<std::string, std::set<std::string>> sexes;
    for (const CharacterRace* r : All<CharacterRace>()) {
        sexes[r->name].insert(r->sex);
    }
    for (const auto& [name, found] : sexes) {
        EXPECT_EQ(found, (std::set<std::string>{"Female", "Male"})) << name;
    }
    EXPECT_GE(sexes.size(), 10u);
    for (const char* name : {"Human", "Dwarf", "Gnome", "Gnome Titan", "Pixie Fairy"}) {
        EXPECT_TRUE(sexes.count(name)) << name;
    }
    const auto elves = std::count_if(sexes.begin(), sexes.end(),
                                     [](const auto& race) { return Contains(race.first, "Elf"); });
    EXPECT_GE(elves, 2);
    EXPECT_TRUE(std::any_of(sexes.begin(), sexes.end(), [](const auto& race) {
        return Contains(race.first, "Elf") && Contains(race.first, "Half");
    })) << "a half-breed elf";
}

TEST_F(ShippedDataTest, RacesAndClassesReachEachOther) {
    const auto classes = All<CharacterClass>();
    for (const CharacterRace* race : All<CharacterRace>()) {
        const auto open = std::count_if(classes.begin(), classes.end(),
                                        [&](const auto* c) { return RaceAdmits(*race, *c); });
        EXPECT_GE(open, 2) << race->name << ", " << race->sex;
    }
    const auto races = All<CharacterRace>();
    for (const CharacterClass* c : classes) {
        EXPECT_TRUE(std::any_of(races.begin(), races.end(),
                                [&](const auto* race) { return RaceAdmits(*race, *c); }))
            << c->name << " is open to no race";
    }
}

TEST_F(ShippedDataTest, TheTestedClassesAndClassGroupsExist) {
    for (const char* name : {"Fighter", "Thief", "Assassin", "Bard", "Bounty Hunter", "Barbarian",
                             "Paladin", "Battle Mage"}) {
        EXPECT_TRUE(Has<CharacterClass>(name)) << name;
    }
    int clerics = 0, mages = 0, multi = 0;
    for (const CharacterClass* c : All<CharacterClass>()) {
        clerics += c->cleric == 1 && !Contains(c->name, "/");
        mages += c->mage == 1 && !Contains(c->name, "/");
        const auto slash = c->name.find('/');
        if (slash != std::string::npos) {
            ++multi;
            EXPECT_TRUE(Has<CharacterClass>(c->name.substr(0, slash))) << c->name;
            EXPECT_TRUE(Has<CharacterClass>(c->name.substr(slash + 1))) << c->name;
        }
    }
    EXPECT_GE(clerics, 1);
    EXPECT_GE(mages, 1);
    EXPECT_GE(multi, 3);
    EXPECT_TRUE(Has<CharacterClass>("Fighter/Thief"));
}

TEST_F(ShippedDataTest, ClassesCanBeCreatedAtFirstLevel) {
    // The nine alignment names the honor tracker compares with, exactly.
    const std::set<std::string> alignments = {"Lawful-good",  "Lawful-neutral",  "Lawful-evil",
                                              "Neutral-good", "Neutral",         "Neutral-evil",
                                              "Chaotic-good", "Chaotic-neutral", "Chaotic-evil"};
    for (const CharacterClass* c : All<CharacterClass>()) {
        SCOPED_TRACE(c->name);
        EXPECT_GT(c->hitdie[1], 0);
        EXPECT_GT(c->hitdieroll[1], 0);
        EXPECT_GT(c->xptable[2], 0);
        for (int level = 3; level < kMaxLevels && c->xptable[level] != 0; ++level) {
            EXPECT_GT(c->xptable[level], c->xptable[level - 1]) << "level " << level;
        }
        EXPECT_FALSE(c->alignment.empty());
        std::string unknown;
        for (const std::string& alignment : c->alignment) {
            unknown += alignments.count(alignment) ? "" : "'" + alignment + "' ";
        }
        EXPECT_EQ(unknown, "") << "alignments the honor tracker does not know";
        if (c->thief == 1) {
            EXPECT_GT(c->thiefpoints[1], 0);
            EXPECT_FALSE(c->thiefskills.empty());
        }
    }
}

TEST_F(ShippedDataTest, SkillsCoverTheTwelveCategoriesAndTheTestedNames) {
    std::set<int32_t> categories;
    int with_prereqs = 0, extendable = 0, suites = 0, modern_languages = 0;
    auto skills = All<CharacterSkill>();
    ASSERT_FALSE(skills.empty());
    EXPECT_EQ(skills.back()->name, ""); // the empty.qdf record closes the list
    skills.pop_back();
    for (const CharacterSkill* s : skills) {
        SCOPED_TRACE(s->name);
        EXPECT_TRUE(s->category >= 1 && s->category <= 12) << s->category;
        categories.insert(s->category);
        // One or more of the seven abilities, as "STR/DEX".
        const std::string& named = s->mastery_abilities;
        EXPECT_FALSE(named.empty());
        for (std::size_t at = 0; at < named.size(); at += 4) {
            EXPECT_TRUE(Contains(" STR DEX CON INT WIS CHA COM ", " " + named.substr(at, 3) + " "))
                << named;
            EXPECT_TRUE(at + 3 == named.size() || (at + 3 < named.size() && named[at + 3] == '/'))
                << named;
        }
        with_prereqs += !s->course_prereqs.empty();
        extendable += s->extend;
        suites += !s->skill_suite_subs.empty();
        modern_languages += Contains(s->name, "Language") && Contains(s->name, "Modern");
    }
    EXPECT_EQ(categories.size(), 12u);
    EXPECT_TRUE(with_prereqs && extendable && suites && modern_languages);
    EXPECT_NE(CharacterSkill::Find("Peg Leg"), nullptr);
    EXPECT_EQ(All<CharacterTalent>().back()->name, "");
    EXPECT_EQ(All<CharacterProf>().back()->name, "");
}

TEST_F(ShippedDataTest, ShopHasItsCategoriesCoinsAndStartingClothes) {
    const CharacterEquip* shop = CharacterEquip::Find("Categories");
    ASSERT_NE(shop, nullptr);
    EXPECT_GE(shop->categories_count, 8);
    std::set<int32_t> stocked;
    std::set<std::string> coins;
    int combining = 0;
    for (const CharacterEquip* item : All<CharacterEquip>()) {
        if (item == shop) {
            continue;
        }
        stocked.insert(item->tableid);
        coins.insert(item->cost_unit);
        combining += item->combine;
    }
    EXPECT_EQ(stocked.size(), static_cast<std::size_t>(shop->categories_count))
        << "every shop category has something for sale";
    EXPECT_EQ(coins, (std::set<std::string>{"Copper", "Gold", "Silver"}));
    EXPECT_GT(combining, 0);
    EXPECT_NE(CharacterEquip::Find("Starting Clothes"), nullptr);
}

} // namespace
