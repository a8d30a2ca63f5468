#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

// What a character may inherit: a weapon, armor, a shield or helmet, a mount and a deed to
// land. Each item is rolled on its table; a quality roll (1 to 12) shifts the item roll, and
// a roll pushed past either end of the table is rolled again with the item one step better
// (or worse): "Long sword+1", "Leather-1", "Mule+2 hp per hit die".

// The quality modifier of a quality roll for an item kind ("Weapon", "Armor", "Shield",
// "Mount"); 0 for a roll outside 1 to 12 or another kind.
int32_t Table3K(int quality, const std::string& kind);

// One die of `sides` sides; the inheritance rolls take their dice from here so that tests
// can script them. The default rolls the program's dice.
using InheritanceDie = std::function<int(int sides)>;
int RollInheritanceDie(int sides);

// Inherited weapon, armor (the race decides between elven and plain chain mail), shield or
// helmet, mount (the race decides the dwarven war horse) and deed.
std::string Table3L(int quality, const InheritanceDie& die = RollInheritanceDie);
std::string Table3M(int quality, const std::string& race,
                    const InheritanceDie& die = RollInheritanceDie);
std::string Table3N(int quality, const InheritanceDie& die = RollInheritanceDie);
std::string Table3O(int quality, const std::string& race,
                    const InheritanceDie& die = RollInheritanceDie);
std::string Table3P(const InheritanceDie& die = RollInheritanceDie);

// The sentence that announces an inheritance, weapon first.
std::string Inheritance(const std::string& armor, const std::string& shield,
                        const std::string& mount, const std::string& deed,
                        const std::string& weapon);

// One range of an item table: the die results from `low` to `high` give `name`, or
// `variant_name` for a character whose race name contains `variant_race`.
struct InheritedItem {
    int32_t low;
    int32_t high;
    const char* name;
    const char* variant_race = nullptr;
    const char* variant_name = nullptr;
};

// An item table: its die, its kind for the quality modifier, and its ranges in order.
struct InheritanceTable {
    int32_t die;
    const char* kind;
    std::span<const InheritedItem> items;
};

extern const InheritanceTable kInheritedWeapons; // d10000
extern const InheritanceTable kInheritedArmor;   // d4000
extern const InheritanceTable kInheritedShields; // d400, shields and helmets
extern const InheritanceTable kInheritedMounts;  // d6000
extern const InheritanceTable kInheritedDeeds;   // d100, no quality
