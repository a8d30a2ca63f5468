#include <gtest/gtest.h>

#include "core/model/data_items.h"

namespace {

class LinkedListTest : public ::testing::Test {
protected:
    void TearDown() override { EquipDataItem::Clear(); }
    static std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (auto* p = EquipDataItem::pHead.get(); p; p = p->next.get()) {
            names.push_back(p->name);
        }
        return names;
    }
};

TEST_F(LinkedListTest, FindReturnsTheFirstNameThatContainsTheText) {
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("Long Bow", 1));
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("Bow", 1));
    EXPECT_EQ(EquipDataItem::Find("Bow")->name, "Long Bow");
    EXPECT_EQ(EquipDataItem::Find("bow"), nullptr);
    EXPECT_EQ(EquipDataItem::Find("Sword"), nullptr);
}

TEST_F(LinkedListTest, RemovingTheFirstOfTwoLeavesTheSecond) {
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("Rope", 1));
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("Torch", 3));
    EquipDataItem::Remove(EquipDataItem::pHead.get());
    EXPECT_EQ(Names(), std::vector<std::string>{"Torch"});
    // The tail is still right: appending goes after the survivor.
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("Lantern", 1));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Torch", "Lantern"}));
}

TEST_F(LinkedListTest, RemovingTheLastKeepsAppendingInOrder) {
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("A", 1));
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("B", 1));
    EquipDataItem::Remove(EquipDataItem::Find("B"));
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("C", 1));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C"}));
    EquipDataItem::Remove(EquipDataItem::Find("A"));
    EquipDataItem::Remove(EquipDataItem::Find("C"));
    EXPECT_EQ(EquipDataItem::pHead, nullptr);
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("D", 1));
    EXPECT_EQ(Names(), std::vector<std::string>{"D"});
}

TEST_F(LinkedListTest, RemovingAStrangerChangesNothing) {
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("Rope", 1));
    EquipDataItem stranger;
    EquipDataItem::Remove(&stranger);
    EquipDataItem::Remove(nullptr);
    EXPECT_EQ(Names(), std::vector<std::string>{"Rope"});
}

TEST_F(LinkedListTest, AddHeadGoesFirstAndSetsTheTailOfAnEmptyList) {
    EquipDataItem::AddHead(MakeItem<EquipDataItem>("B", 1));
    EquipDataItem::AddHead(MakeItem<EquipDataItem>("A", 1));
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("C", 1));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(LinkedListTest, LongListsAreDestroyedWithoutDeepRecursion) {
    for (int i = 0; i < 200000; ++i) {
        EquipDataItem::AddTail(MakeItem<EquipDataItem>("Arrow", 1));
    }
    EXPECT_EQ(EquipDataItem::Count(), 200000u);
    EquipDataItem::Clear();
    EXPECT_EQ(EquipDataItem::Count(), 0u);
}

} // namespace
