#include "cli/character_json.h"

#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "cli/character_fields.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/character_fields.h"

namespace {

using C = Character_Class;

Json Texts(const std::vector<std::string>& texts) {
    Json array = Json::array();
    for (const std::string& text : texts) {
        array.push_back(ValidUtf8(text));
    }
    return array;
}

template <typename Item> Json Items() {
    Json array = Json::array();
    for (const Item* item = Item::pHead.get(); item; item = item->next.get()) {
        array.push_back({{"name", ValidUtf8(item->name)}, {"value", item->value}});
    }
    return array;
}

Json Classes() {
    Json array = Json::array();
    for (const ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        Json entry = {{"name", ValidUtf8(item->name)},
                      {"experience", JsonNumber(item->experience)},
                      {"level", item->level}};
        for (const ClassHistoryArray& array : kClassHistoryArrays) {
            const ByLevel& values = item->*array.values;
            const int last = LastWrittenLevel(item->level);
            entry[HistoryFieldName(array)] =
                std::vector<int32_t>(values.begin(), values.begin() + last + 1);
        }
        array.push_back(std::move(entry));
    }
    return array;
}

Json Special(SpecialField field) {
    const Character_Class& c = current_character;
    switch (field) {
    case SpecialField::kRaceRecord:
        return ValidUtf8(c.race_item ? c.race_item->name + ", " + c.race_item->sex : "");
    case SpecialField::kClassRecord:
        return ValidUtf8(c.class_item ? c.class_item->name : "");
    case SpecialField::kSkills:
        return Items<SkillDataItem>();
    case SpecialField::kSpells:
        return Items<SpellDataItem>();
    case SpecialField::kFailedSpells:
        return Items<SpellAttemptItem>();
    case SpecialField::kTalents:
        return Items<TalentDataItem>();
    case SpecialField::kProficiencies:
        return Items<ProfDataItem>();
    case SpecialField::kQuirks:
        return Items<QuirkDataItem>();
    case SpecialField::kEquipment:
        return Items<EquipDataItem>();
    case SpecialField::kClasses:
        return Classes();
    case SpecialField::kThiefSkills:
        return c.thief_skill;
    case SpecialField::kSiblingLines:
        return Texts(std::vector<std::string>(c.sibling, c.sibling + kSiblingLines));
    case SpecialField::kQuirkCounts:
        break;
    }
    return nullptr;
}

} // namespace

Json CharacterJson() {
    const Character_Class& c = current_character;
    Json object = Json::object();
    for (const CharacterField& field : CharacterFields()) {
        if (!field.shown) {
            continue;
        }
        object[std::string(field.name)] = std::visit(
            [&](const auto& member) -> Json {
                using Member = std::decay_t<decltype(member)>;
                if constexpr (std::is_same_v<Member, SpecialField>) {
                    return Special(member);
                } else if constexpr (std::is_same_v<Member, std::string C::*>) {
                    return ValidUtf8(c.*member);
                } else if constexpr (std::is_same_v<Member, std::vector<std::string> C::*>) {
                    return Texts(c.*member);
                } else {
                    return c.*member;
                }
            },
            field.member);
    }
    return object;
}
