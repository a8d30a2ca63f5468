#include "core/data/saving_throws.h"

#include <algorithm>
#include <string_view>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/text.h"

namespace {

// The thirteen saves in the order a name is matched against them, each with the table column
// it reads.
struct SaveSlot {
    std::string_view name;
    int column;
};

constexpr SaveSlot kSaveSlots[] = {
    {"Paralyzation", 0}, {"Rod", 1},   {"Petrification", 2}, {"Breath Weapon", 3},
    {"Apology", 4},      {"Spell", 5}, {"Poison", 0},        {"Death Magic", 0},
    {"Staff", 1},        {"Wand", 1},  {"Polymorph", 2},     {"FrayFrenzy", 2},
    {"FrayLust", 2},
};
constexpr int kSlotCount = static_cast<int>(std::size(kSaveSlots));

int SlotOf(std::string_view name) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (name.find(kSaveSlots[i].name) != std::string_view::npos) {
            return i;
        }
    }
    return -1;
}

// The constitution scores a Dwarf's poison save improves beyond, one point each.
constexpr int kDwarfPoisonSteps[] = {3, 6, 10, 13, 17, 20, 24};

} // namespace

const SaveTable* SaveTableFor(int saveas) {
    switch (saveas) {
    case 1:
        return &magesaves;
    case 2:
        return &fightersaves;
    case 3:
        return &thiefsaves;
    case 4:
        return &clericsaves;
    case 5:
        return &thrainsaves;
    default:
        return nullptr;
    }
}

bool NamesASave(const std::string& name) {
    return SlotOf(name) >= 0;
}

int32_t GetSave(const std::string& name, int level) {
    const Character_Class& c = current_character;
    const int slot = SlotOf(name);
    const SaveTable* table = c.class_item ? SaveTableFor(c.class_item->saveas) : nullptr;
    if (slot < 0 || !table) {
        return 0;
    }
    level = std::clamp(level, 1, kHighestSaveLevel);
    const SaveRow& row = (*table)[level];
    int32_t save = row[kSaveSlots[slot].column];
    const std::string_view save_name = kSaveSlots[slot].name;

    if (Contains(c.class_item->name, "Barbarian")) {
        if (save_name == "Paralyzation" || save_name == "Death Magic" ||
            save_name == "Petrification" || save_name == "Polymorph") {
            save -= 3;
        } else if (save_name == "Poison") {
            save -= 4;
        } else if (save_name == "Rod" || save_name == "Staff" || save_name == "Wand" ||
                   save_name == "Breath Weapon") {
            save -= 2;
        } else if (save_name == "Spell") {
            save -= level / 4;
        }
    }
    if (Contains(c.class_item->name, "Paladin")) {
        save -= 2;
    }
    if (save_name == "Poison" && c.race_item && Contains(c.race_item->name, "Dwarf")) {
        for (int step : kDwarfPoisonSteps) {
            if (c.constitution_base > step) {
                --save;
            }
        }
    }
    return std::max(save, 1);
}
