#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/outcome.h"

class CharacterEquip;

constexpr const char* kEquipmentShopTitle = "Character Creation: Purchase Equipment";

// The rows of the purchased list before the owned items.
constexpr int kCoinRows = 3;

// The last window of a creation, and the editor of a character's gear: equipment is bought by
// shop category with the character's gold, silver and copper, and sold back at full price.
// Money is reckoned in copper (1 gold = 10 silver = 100 copper) and the purse is kept in the
// fewest coins after every change. The window drives this object; the tests drive it the same
// way.
class EquipmentShop {
public:
    // The category names of the "Categories" record, in order (empty without that record).
    static std::vector<std::string> Categories();

    // The items of category `category` (counting from 0, table id category + 1): name, cost
    // ("%i") and coin text.
    static std::vector<std::array<std::string, 3>> ShopRows(int category);

    // "Gold pieces", "Silver pieces", "Copper pieces" with their counts, then each owned item
    // with its quantity ("x%i").
    static std::vector<std::array<std::string, 2>> PurchasedRows();

    // Buys one of the item named `name`; refused, saying why, when there is no such item or
    // it costs more than the purse holds (its price and what the purse holds).
    static Outcome Buy(const std::string& name);

    // Sells one of the owned item on purchased row `row` at its full price; false for a coin
    // row or a row that does not exist. An item the equipment list no longer knows is
    // dropped without money.
    static bool Sell(int row);

    // What the information box shows of the item named `name`: its name, price, weight and
    // whether owned units stack; empty for an unknown name.
    static std::string Description(const std::string& name);

    // The price of an item in copper.
    static int64_t Price(const CharacterEquip& item);
    // The purse in copper.
    static int64_t Funds();
    // Puts `copper` into the purse in the fewest coins.
    static void NormalisePurse(int64_t copper);

    // The window closed: the tree shows the equipment.
    static void Close();
};
