#include "core/data/data_dump.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "core/data/data_reader.h"
#include "core/data/json_output.h"

namespace {

template <typename R> Json RecordObject(const R& record) {
    Json object = Json::object();
    for (const FieldSpec<R>& field : R::Fields()) {
        Json& slot = object[std::string(field.name)];
        std::visit(
            [&](auto member) {
                const auto& value = record.*member;
                using V = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<V, float>) {
                    slot = JsonNumber(value);
                } else if constexpr (std::is_same_v<V, std::string>) {
                    slot = ValidUtf8(value);
                } else if constexpr (std::is_same_v<V, std::vector<std::string>>) {
                    slot = Json::array();
                    for (const std::string& text : value) {
                        slot.push_back(ValidUtf8(text));
                    }
                } else {
                    static_assert(std::is_same_v<V, int32_t> || std::is_same_v<V, bool> ||
                                  std::is_same_v<V, ByLevel>);
                    slot = value;
                }
            },
            field.field);
    }
    return object;
}

template <typename R> void LoadAndWrite(std::ostream& out) {
    R::Clear();
    LoadRulesList<R>(nullptr);
    for (const R* record = R::pHead.get(); record; record = record->next.get()) {
        out << JsonLine(RecordObject(*record));
    }
}

} // namespace

void DumpRulesList(RulesKind kind, std::ostream& out) {
    switch (kind) {
    case RulesKind::kRaces:
        return LoadAndWrite<CharacterRace>(out);
    case RulesKind::kClasses:
        return LoadAndWrite<CharacterClass>(out);
    case RulesKind::kSkills:
        return LoadAndWrite<CharacterSkill>(out);
    case RulesKind::kSpells:
        return LoadAndWrite<CharacterSpell>(out);
    case RulesKind::kTalents:
        return LoadAndWrite<CharacterTalent>(out);
    case RulesKind::kProficiencies:
        return LoadAndWrite<CharacterProf>(out);
    case RulesKind::kEquipment:
        return LoadAndWrite<CharacterEquip>(out);
    }
}
