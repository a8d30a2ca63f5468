#include "core/data/inheritance.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/dice/dice.h"

namespace {

// Quality modifiers by quality roll 1 to 12, in the columns of kQualityKinds.
constexpr std::array<std::string_view, 4> kQualityKinds = {"Weapon", "Armor", "Shield", "Mount"};

// clang-format off
constexpr int32_t kQualityModifiers[12][4] = {
    {-1000, -500, -200, -500},  // 1
    {-1000, -500, -200, -500},  // 2
    {-1000, -500, -200, -500},  // 3
    { -500, -200, -100, -200},  // 4
    { -200, -100, -100, -100},  // 5
    { -100,  -50,  -10,  -50},  // 6
    {  -50,  -25,   -5,  -25},  // 7
    {    0,    0,    0,    0},  // 8
    {   50,   25,    5,   25},  // 9
    {  100,   50,   10,   50},  // 10
    {  200,  100,   20,  100},  // 11
    {  500,  200,  100,  200},  // 12
};
// clang-format on

const InheritedItem* ItemAt(const InheritanceTable& table, int result) {
    for (const InheritedItem& item : table.items) {
        if (result >= item.low && result <= item.high) {
            return &item;
        }
    }
    return nullptr;
}

std::string ItemName(const InheritedItem& item, const std::string& race) {
    if (item.variant_race && race.find(item.variant_race) != std::string::npos) {
        return item.variant_name;
    }
    return item.name;
}

// Rolls the table's die shifted by the quality modifier until the result lands on the
// table; each roll that overshoots the top makes the item one step better, each that falls
// below 1 one step worse.
std::string RollItem(const InheritanceTable& table, int quality, const std::string& race,
                     const InheritanceDie& die, const char* bonus_suffix) {
    const int32_t modifier = Table3K(quality, table.kind);
    int bonus = 0;
    int result = die(table.die) + modifier;
    while (result < 1 || result > table.die) {
        bonus += result < 1 ? -1 : 1;
        result = die(table.die) + modifier;
    }
    const InheritedItem* item = ItemAt(table, result);
    const std::string name = item ? ItemName(*item, race) : std::string();
    if (bonus == 0) {
        return name;
    }
    char text[256];
    std::snprintf(text, sizeof text, "%s%c%i%s", name.c_str(), bonus > 0 ? '+' : '-',
                  std::abs(bonus), bonus_suffix);
    return text;
}

} // namespace

int32_t Table3K(int quality, const std::string& kind) {
    if (quality < 1 || quality > 12) {
        return 0;
    }
    for (std::size_t column = 0; column < kQualityKinds.size(); ++column) {
        if (kQualityKinds[column] == kind) {
            return kQualityModifiers[quality - 1][column];
        }
    }
    return 0;
}

int RollInheritanceDie(int sides) {
    return DiceRoll(sides, 1);
}

std::string Table3L(int quality, const InheritanceDie& die) {
    return RollItem(kInheritedWeapons, quality, "", die, "");
}

std::string Table3M(int quality, const std::string& race, const InheritanceDie& die) {
    return RollItem(kInheritedArmor, quality, race, die, "");
}

std::string Table3N(int quality, const InheritanceDie& die) {
    return RollItem(kInheritedShields, quality, "", die, "");
}

std::string Table3O(int quality, const std::string& race, const InheritanceDie& die) {
    return RollItem(kInheritedMounts, quality, race, die, " hp per hit die");
}

std::string Table3P(const InheritanceDie& die) {
    const InheritedItem* item = ItemAt(kInheritedDeeds, die(kInheritedDeeds.die));
    return item ? item->name : "";
}

std::string Inheritance(const std::string& armor, const std::string& shield,
                        const std::string& mount, const std::string& deed,
                        const std::string& weapon) {
    return "You have inherited the following: Weapon: " + weapon + ", Armor: " + armor +
           ", Shield or Helmet: " + shield + ", Mount: " + mount + ", Deed: " + deed;
}
