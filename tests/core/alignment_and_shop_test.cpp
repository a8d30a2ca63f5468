#include <gtest/gtest.h>

#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/wizard/alignment_step.h"
#include "core/wizard/equipment_shop.h"
#include "step_fixture.h"

namespace {

// The questions, messages and log of a test are its reviewed transcript golden.
class AlignmentTest : public StepTest {
protected:
    // A class whose level 1 hit dice are `roll` one-sided dice, so they roll exactly `roll`.
    static void Class(const std::string& name, int kicker, int roll) {
        CharacterClass& record = AddRecord<CharacterClass>(name);
        record.kicker = kicker;
        record.hitdie[1] = 1;
        record.hitdieroll[1] = roll;
    }
};

TEST_F(AlignmentTest, ContinueEndsTheCreationWithHitPointsAndAName) {
    struct Case {
        std::vector<std::string> entries;
        int before, after;
    };
    Class("Fighter", 20, 7);
    Class("Thief", 10, 3);
    for (const Case& c : {Case{{"Fighter"}, 0, 27}, Case{{"Fighter", "Thief"}, 0, 20},
                          Case{{"Fighter", "Thief"}, 5, 25}}) {
        ClassDataItem::Clear();
        for (const std::string& name : c.entries) {
            AddRecord<ClassDataItem>(name).level = 1;
        }
        current_character.hit_points = c.before;
        program_data.creation_stage = 11;
        port.AnswerCancel();
        AlignmentChoice::Continue("Chaotic Good");
        EXPECT_EQ(current_character.hit_points, c.after) << c.entries.size() << " entries";
        EXPECT_EQ(ClassDataItem::pHead->hitpoints[0], 20);
        EXPECT_EQ(ClassDataItem::pHead->hitpoints[1], 7);
    }
    EXPECT_EQ(current_character.alignment, "Chaotic Good");
    EXPECT_EQ(current_character.character_name, "") << "cancelled: not asked again";
    ExpectTranscriptMatchesGolden();
}

class ShopTest : public StepTest {
protected:
    void SetUp() override {
        StepTest::SetUp();
        EquipDataItem::Clear(); // no starting clothes
        Item("Categories", 0, 0, "").categories = {"Weapons", "Gear"};
        Item("Rope", 2, 3, "Silver");
        Item("Torch", 2, 1, "Copper").combine = true;
        Item("Long sword", 1, 2, "Gold");
        Item("sword", 1, 1, "Copper");
        Purse(1, 2, 5);
    }
    static CharacterEquip& Item(const std::string& name, int table, int cost,
                                const std::string& coin) {
        CharacterEquip& item = AddRecord<CharacterEquip>(name);
        item.tableid = table;
        item.cost = cost;
        item.cost_unit = coin;
        return item;
    }
    static void Purse(int gold, int silver, int copper) {
        current_character.gold = gold;
        current_character.silver = silver;
        current_character.copper = copper;
    }
    static std::string PurseText() {
        const Character_Class& c = current_character;
        return std::to_string(c.gold) + "/" + std::to_string(c.silver) + "/" +
               std::to_string(c.copper);
    }
    static std::vector<std::string> Owned() {
        std::vector<std::string> rows;
        for (const auto& row : EquipmentShop::PurchasedRows()) {
            rows.push_back(row[0] + " " + row[1]);
        }
        return {rows.begin() + kCoinRows, rows.end()};
    }
};

TEST_F(ShopTest, BuyingAndSellingKeepThePurseInTheFewestCoins) {
    ASSERT_TRUE(EquipmentShop::Buy("Rope"));
    EXPECT_EQ(PurseText(), "0/9/5");
    ASSERT_TRUE(EquipmentShop::Sell(kCoinRows));
    EXPECT_EQ(PurseText(), "1/2/5");
    EXPECT_TRUE(Owned().empty());

    Purse(1, 9, 9);
    EXPECT_EQ(EquipmentShop::Buy("Long sword").refusal(),
              "Long sword costs 2 Gold; the purse holds 1 gold, 9 silver, 9 copper");
    EXPECT_FALSE(EquipmentShop::Sell(0)) << "a coin row";
    EXPECT_FALSE(EquipmentShop::Sell(kCoinRows)) << "nothing owned";
    EXPECT_EQ(PurseText(), "1/9/9");
    ExpectTranscriptMatchesGolden();
}

TEST_F(ShopTest, CombinableItemsStackAndOthersTakeARowEach) {
    for (const char* name : {"Torch", "Torch", "Rope", "Rope"}) {
        ASSERT_TRUE(EquipmentShop::Buy(name));
    }
    EXPECT_EQ(Owned(), (std::vector<std::string>{"Torch x2", "Rope x1", "Rope x1"}));
    ASSERT_TRUE(EquipmentShop::Sell(kCoinRows));
    EXPECT_EQ(Owned().front(), "Torch x1");
}

// An inherited item sells as the plain item; one the shop does not know is dropped for nothing.
TEST_F(ShopTest, AnInheritedItemSellsAsThePlainItem) {
    current_character.equipment.AddTail(MakeItem<EquipDataItem>("Long sword (inherited)", 1));
    current_character.equipment.AddTail(MakeItem<EquipDataItem>("Lost relic", 1));
    ASSERT_TRUE(EquipmentShop::Sell(kCoinRows));
    EXPECT_EQ(PurseText(), "3/2/5");
    ASSERT_TRUE(EquipmentShop::Sell(kCoinRows));
    EXPECT_EQ(PurseText(), "3/2/5");
    EXPECT_TRUE(Owned().empty());
}

TEST_F(ShopTest, CategoriesComeFromTheirRecordAndAnEmptyOneShowsNothing) {
    EXPECT_EQ(EquipmentShop::Categories(), (std::vector<std::string>{"Weapons", "Gear"}));
    EXPECT_EQ(EquipmentShop::ShopRows(0).size(), 2u);
    EXPECT_EQ(EquipmentShop::ShopRows(1).at(0),
              (std::array<std::string, 3>{"Rope", "3", "Silver"}));
    EXPECT_TRUE(EquipmentShop::ShopRows(5).empty());
    EquipmentShop::Close();
    EXPECT_EQ(port.branches_updated.back(), "Equipment");
}

} // namespace
