#include "core/data/rules_lists.h"

void ClearAllRulesLists() {
    CharacterRace::Clear();
    CharacterClass::Clear();
    CharacterSkill::Clear();
    CharacterSpell::Clear();
    CharacterTalent::Clear();
    CharacterProf::Clear();
    CharacterEquip::Clear();
}

void LoadAllRulesLists() {
    ClearAllRulesLists();
    CRace.LoadRace();
    CClass.LoadClass();
    CSkill.LoadSkill();
    CSpell.LoadSpell();
    CTalent.LoadTalent();
    CProfs.LoadProfs();
    CEquip.LoadEquip();
}

std::optional<RulesKind> RulesKindNamed(std::string_view name) {
    struct Named {
        const char* name;
        RulesKind kind;
    };
    static const Named kNames[] = {
        {"Races", RulesKind::kRaces},         {"Classes", RulesKind::kClasses},
        {"Skills", RulesKind::kSkills},       {"Spells", RulesKind::kSpells},
        {"Talents", RulesKind::kTalents},     {"Proficiencies", RulesKind::kProficiencies},
        {"Equipment", RulesKind::kEquipment},
    };
    for (const Named& entry : kNames) {
        if (name == entry.name) {
            return entry.kind;
        }
    }
    return std::nullopt;
}
