#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/model/linked_list.h"

// What the current character owns: the names of skills, talents, proficiencies, spells,
// equipment and quirks, each with one number, plus the character's classes by level.
// Each type has exactly one list, the current character's.
template <typename Derived> class NamedValueItem : public LinkedRecord<Derived> {
public:
    std::string name;
    int32_t value = 0;
};

class SkillDataItem : public NamedValueItem<SkillDataItem> {};   // value: skill rating
class TalentDataItem : public NamedValueItem<TalentDataItem> {}; // value: talent rating
class ProfDataItem : public NamedValueItem<ProfDataItem> {};     // value: proficiency rating
class SpellDataItem : public NamedValueItem<SpellDataItem> {};   // value: spell book pages
// A spell the character tried to learn and failed; value: the level of its class then.
class SpellAttemptItem : public NamedValueItem<SpellAttemptItem> {};
class EquipDataItem : public NamedValueItem<EquipDataItem> {};   // value: quantity owned
class QuirkDataItem : public NamedValueItem<QuirkDataItem> {};   // value: quirk or flaw rating

constexpr int kMaxLevels = 100;
using ByLevel = std::array<int32_t, kMaxLevels>;

// One class of the character with its history by level (index = level, 0 to 99).
class ClassDataItem : public LinkedRecord<ClassDataItem> {
public:
    std::string name;
    double experience = 0.0; // whole points in play; a double holds them exactly
    int32_t level = 0;
    ByLevel hitpoints{};
    ByLevel str_grow{}, dex_grow{}, con_grow{}, int_grow{}, wis_grow{}, chr_grow{}, com_grow{};
    ByLevel pick_pockets{}, open_locks{}, find_traps{}, remove_traps{}, move_silently{},
        hide_in_shadows{}, detect_noise{}, climb_walls{}, read_languages{};

    // The nine thief skill histories, in the order of the thief skill names.
    std::array<ByLevel*, 9> ThiefSkillHistories() { return HistoriesOf(*this); }
    std::array<const ByLevel*, 9> ThiefSkillHistories() const { return HistoriesOf(*this); }

    // A thief skill (its index in that order) as it stands at `through`: the starting base
    // (level 0) plus the points placed at every level up to `through`.
    int32_t ThiefSkillThrough(int skill, int through) const {
        const ByLevel& history = *ThiefSkillHistories()[static_cast<std::size_t>(skill)];
        int32_t total = 0;
        for (int level = 0; level <= through && level < kMaxLevels; ++level) {
            total += history[static_cast<std::size_t>(level)];
        }
        return total;
    }
    // The same at the entry's own level, as the tree and the sheet show it.
    int32_t ThiefSkill(int skill) const { return ThiefSkillThrough(skill, level < 1 ? 1 : level); }

private:
    template <typename Self>
    static auto HistoriesOf(Self& self) -> std::array<decltype(&self.pick_pockets), 9> {
        return std::array{&self.pick_pockets, &self.open_locks,    &self.find_traps,
                          &self.remove_traps, &self.move_silently, &self.hide_in_shadows,
                          &self.detect_noise, &self.climb_walls,   &self.read_languages};
    }
};

// Creates a filled item, ready for AddTail.
template <typename Item> std::unique_ptr<Item> MakeItem(std::string name, int32_t value) {
    auto item = std::make_unique<Item>();
    item->name = std::move(name);
    item->value = value;
    return item;
}
