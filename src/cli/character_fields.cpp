#include "cli/character_fields.h"

#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/data/class_data.h"
#include "core/data/data_numbers.h"
#include "core/data/race_data.h"
#include "core/files/class_history_tags.h"
#include "core/model/character.h"
#include "core/model/character_fields.h"

namespace {

using C = Character_Class;

void Field(std::ostream& out, const std::string& name, const std::string& value) {
    out << name << ": " << value << '\n';
}

void Events(std::ostream& out, const std::string& name, const std::vector<std::string>& events) {
    for (std::size_t i = 0; i < events.size(); ++i) {
        Field(out, name + "[" + std::to_string(i) + "]", events[i]);
    }
}

template <typename Item> void Items(std::ostream& out, const std::string& name) {
    int i = 0;
    for (const Item* item = Item::pHead.get(); item; item = item->next.get(), ++i) {
        const std::string at = std::string(name) + "[" + std::to_string(i) + "]";
        Field(out, at + ".name", item->name);
        Field(out, at + ".value", std::to_string(item->value));
    }
}

void Classes(std::ostream& out) {
    int i = 0;
    for (const ClassDataItem* item = ClassDataItem::pHead.get(); item;
         item = item->next.get(), ++i) {
        const std::string at = "classes[" + std::to_string(i) + "]";
        Field(out, at + ".name", item->name);
        Field(out, at + ".experience", ExperienceText(item->experience));
        Field(out, at + ".level", std::to_string(item->level));
        for (const ClassHistoryArray& array : kClassHistoryArrays) {
            std::string values;
            for (int level = 0; level <= LastWrittenLevel(item->level); ++level) {
                values += (level ? " " : "") +
                          std::to_string((item->*array.values)[static_cast<std::size_t>(level)]);
            }
            Field(out, at + "." + HistoryFieldName(array), values);
        }
    }
}

void Special(std::ostream& out, const std::string& name, SpecialField field) {
    const Character_Class& c = current_character;
    switch (field) {
    case SpecialField::kRaceRecord:
        return Field(out, name, c.race_item ? c.race_item->name + ", " + c.race_item->sex : "");
    case SpecialField::kClassRecord:
        return Field(out, name, c.class_item ? c.class_item->name : "");
    case SpecialField::kSkills:
        return Items<SkillDataItem>(out, name);
    case SpecialField::kSpells:
        return Items<SpellDataItem>(out, name);
    case SpecialField::kFailedSpells:
        return Items<SpellAttemptItem>(out, name);
    case SpecialField::kTalents:
        return Items<TalentDataItem>(out, name);
    case SpecialField::kProficiencies:
        return Items<ProfDataItem>(out, name);
    case SpecialField::kQuirks:
        return Items<QuirkDataItem>(out, name);
    case SpecialField::kEquipment:
        return Items<EquipDataItem>(out, name);
    case SpecialField::kClasses:
        return Classes(out);
    case SpecialField::kThiefSkills: {
        std::string thief;
        for (std::size_t i = 0; i < c.thief_skill.size(); ++i) {
            thief += (i ? " " : "") + std::to_string(c.thief_skill[i]);
        }
        return Field(out, name, thief);
    }
    case SpecialField::kSiblingLines:
        for (int i = 0; i < kSiblingLines; ++i) {
            Field(out, name + "[" + std::to_string(i) + "]", c.sibling[i]);
        }
        return;
    case SpecialField::kQuirkCounts:
        return;
    }
}

} // namespace

std::string HistoryFieldName(const ClassHistoryArray& array) {
    // "CLASS_HITPOINTS_" names the field "hitpoints".
    std::string field(array.tag + 6);
    field.pop_back();
    for (char& c : field) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return field;
}

void PrintCharacterFields(std::ostream& out) {
    const Character_Class& c = current_character;
    for (const CharacterField& field : CharacterFields()) {
        if (!field.shown) {
            continue;
        }
        const std::string name(field.name);
        std::visit(
            [&](const auto& member) {
                using Member = std::decay_t<decltype(member)>;
                if constexpr (std::is_same_v<Member, SpecialField>) {
                    Special(out, name, member);
                } else if constexpr (std::is_same_v<Member, int32_t C::*>) {
                    Field(out, name, std::to_string(c.*member));
                } else if constexpr (std::is_same_v<Member, std::string C::*>) {
                    Field(out, name, c.*member);
                } else if constexpr (std::is_same_v<Member, bool C::*>) {
                    Field(out, name, c.*member ? "true" : "false");
                } else {
                    Events(out, name, c.*member);
                }
            },
            field.member);
    }
}
