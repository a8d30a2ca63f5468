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
    static void Add(const char* name) { EquipDataItem::AddTail(MakeItem<EquipDataItem>(name, 1)); }
};

TEST_F(LinkedListTest, FindReturnsTheFirstNameThatContainsTheText) {
    Add("Long Bow");
    Add("Bow");
    EXPECT_EQ(EquipDataItem::Find("Bow")->name, "Long Bow");
    EXPECT_EQ(EquipDataItem::Find("bow"), nullptr);
    EXPECT_EQ(EquipDataItem::Find("Sword"), nullptr);
}

// The list remembers its tail: every removal must leave it right for the next append.
TEST_F(LinkedListTest, RemovingKeepsTheTailForAppending) {
    EquipDataItem::AddHead(MakeItem<EquipDataItem>("B", 1)); // the tail of an empty list too
    EquipDataItem::AddHead(MakeItem<EquipDataItem>("A", 1));
    Add("C");
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
    EquipDataItem::Remove(EquipDataItem::pHead.get()); // the first
    EquipDataItem::Remove(EquipDataItem::Find("C"));   // the last
    Add("D");
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "D"}));
    EquipDataItem stranger;
    EquipDataItem::Remove(&stranger);
    EquipDataItem::Remove(nullptr);
    EquipDataItem::Remove(EquipDataItem::Find("B"));
    EquipDataItem::Remove(EquipDataItem::Find("D"));
    EXPECT_EQ(EquipDataItem::pHead, nullptr);
    Add("E");
    EXPECT_EQ(Names(), std::vector<std::string>{"E"});
}

TEST_F(LinkedListTest, LongListsAreDestroyedWithoutDeepRecursion) {
    for (int i = 0; i < 200000; ++i) {
        Add("Arrow");
    }
    EXPECT_EQ(EquipDataItem::Count(), 200000u);
    EquipDataItem::Clear();
    EXPECT_EQ(EquipDataItem::Count(), 0u);
}

} // namespace
