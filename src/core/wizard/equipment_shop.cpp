#include "core/wizard/equipment_shop.h"

#include <cstdio>

#include "core/data/item_data.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/model/text.h"
#include "core/tree/tree_senders.h"

namespace {

constexpr int64_t kCopperPerGold = 100;
constexpr int64_t kCopperPerSilver = 10;

bool IsCategoriesRecord(const CharacterEquip& item) {
    return item.name.find(kEquipmentCategoriesRecord) != std::string::npos;
}

const CharacterEquip* ItemNamed(const std::string& name) {
    return CharacterEquip::First(
        [&](const CharacterEquip& item) { return item.name == name && !IsCategoriesRecord(item); });
}

// The item an owned entry sells as: the one with the longest name that occurs in the entry's
// name, so "Long sword (inherited)" sells as "Long sword" and not as a "sword".
const CharacterEquip* ItemSoldAs(const std::string& owned) {
    const CharacterEquip* best = nullptr;
    for (const CharacterEquip* item = CharacterEquip::pHead.get(); item; item = item->next.get()) {
        if (!item->name.empty() && !IsCategoriesRecord(*item) &&
            owned.find(item->name) != std::string::npos &&
            (!best || item->name.size() > best->name.size())) {
            best = item;
        }
    }
    return best;
}

void Log(const char* verb, const std::string& name, const CharacterEquip& item) {
    LogCreationLine(
        Printf("%s %s for %i %s", verb, name.c_str(), item.cost, item.cost_unit.c_str()));
}

} // namespace

std::vector<std::string> EquipmentShop::Categories() {
    for (const CharacterEquip* item = CharacterEquip::pHead.get(); item; item = item->next.get()) {
        if (IsCategoriesRecord(*item)) {
            return item->categories;
        }
    }
    return {};
}

std::vector<std::array<std::string, 3>> EquipmentShop::ShopRows(int category) {
    std::vector<std::array<std::string, 3>> rows;
    for (const CharacterEquip* item = CharacterEquip::pHead.get(); item; item = item->next.get()) {
        if (item->tableid == category + 1 && !IsCategoriesRecord(*item)) {
            rows.push_back({item->name, Printf("%i", item->cost), item->cost_unit});
        }
    }
    return rows;
}

std::vector<std::array<std::string, 2>> EquipmentShop::PurchasedRows() {
    const Character_Class& c = current_character;
    std::vector<std::array<std::string, 2>> rows = {{"Gold pieces", Printf("%i", c.gold)},
                                                    {"Silver pieces", Printf("%i", c.silver)},
                                                    {"Copper pieces", Printf("%i", c.copper)}};
    for (const EquipDataItem* owned = EquipDataItem::pHead.get(); owned;
         owned = owned->next.get()) {
        rows.push_back({owned->name, Printf("x%i", owned->value)});
    }
    return rows;
}

std::string EquipmentShop::Description(const std::string& name) {
    const CharacterEquip* item = ItemNamed(name);
    if (!item) {
        return "";
    }
    char text[512];
    std::snprintf(text, sizeof text, "%s\nPrice: %i %s    Weight: %g lbs\n%s", item->name.c_str(),
                  item->cost, item->cost_unit.c_str(), static_cast<double>(item->weight),
                  item->combine ? "Several stack as one entry" : "Each one is its own entry");
    return text;
}

int64_t EquipmentShop::Price(const CharacterEquip& item) {
    int64_t unit = 1;
    for (const auto& [coin, copper] : {std::pair<const char*, int64_t>{"Gold", kCopperPerGold},
                                       {"Silver", kCopperPerSilver},
                                       {"Copper", 1}}) {
        if (item.cost_unit.find(coin) != std::string::npos) {
            unit = copper;
        }
    }
    return static_cast<int64_t>(item.cost) * unit;
}

int64_t EquipmentShop::Funds() {
    const Character_Class& c = current_character;
    return static_cast<int64_t>(c.gold) * kCopperPerGold +
           static_cast<int64_t>(c.silver) * kCopperPerSilver + c.copper;
}

void EquipmentShop::NormalisePurse(int64_t copper) {
    Character_Class& c = current_character;
    c.gold = static_cast<int32_t>(copper / kCopperPerGold);
    c.silver = static_cast<int32_t>(copper % kCopperPerGold / kCopperPerSilver);
    c.copper = static_cast<int32_t>(copper % kCopperPerSilver);
}

Outcome EquipmentShop::Buy(const std::string& name) {
    const CharacterEquip* item = ItemNamed(name);
    if (!item) {
        return Outcome::Refused("The shop sells no " + name);
    }
    const int64_t funds = Funds();
    const int64_t price = Price(*item);
    if (price > funds) {
        const Character_Class& c = current_character;
        return Outcome::Refused(
            Printf("%s costs %i %s; the purse holds %i gold, %i silver, %i copper", name.c_str(),
                   item->cost, item->cost_unit.c_str(), c.gold, c.silver, c.copper));
    }
    EquipDataItem* owned = EquipDataItem::Named(name);
    if (owned && item->combine) {
        owned->value += 1;
    } else {
        current_character.equipment.AddTail(MakeItem<EquipDataItem>(name, 1));
    }
    NormalisePurse(funds - price);
    Log("Purchasing", name, *item);
    return Outcome::Done();
}

bool EquipmentShop::Sell(int row) {
    EquipDataItem* owned = EquipDataItem::pHead.get();
    for (int i = kCoinRows; owned && i < row; ++i) {
        owned = owned->next.get();
    }
    if (row < kCoinRows || !owned) {
        return false;
    }
    const std::string name = owned->name;
    const CharacterEquip* item = ItemSoldAs(name);
    if (!item) {
        current_character.equipment.Remove(owned);
        return true;
    }
    const int64_t funds = Funds();
    owned->value -= 1;
    if (owned->value <= 0) {
        current_character.equipment.Remove(owned);
    }
    NormalisePurse(funds + Price(*item));
    Log("Selling", name, *item);
    return true;
}

void EquipmentShop::Close() {
    sendequiptotree();
}
