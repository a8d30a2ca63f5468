#include "cli/character_fields.h"

#include <string>
#include <vector>

#include "core/app/character.h"
#include "core/data/class_data.h"
#include "core/data/data_numbers.h"
#include "core/data/race_data.h"
#include "core/files/class_history_tags.h"

namespace {

using C = Character_Class;

void Field(std::ostream& out, const std::string& name, const std::string& value) {
    out << name << ": " << value << '\n';
}

void Numbers(std::ostream& out,
             std::initializer_list<std::pair<const char*, int32_t C::*>> fields) {
    for (const auto& [name, field] : fields) {
        Field(out, name, std::to_string(current_character.*field));
    }
}

void Texts(std::ostream& out,
           std::initializer_list<std::pair<const char*, std::string C::*>> fields) {
    for (const auto& [name, field] : fields) {
        Field(out, name, current_character.*field);
    }
}

void Events(std::ostream& out, const char* name, const std::vector<std::string>& events) {
    for (std::size_t i = 0; i < events.size(); ++i) {
        Field(out, std::string(name) + "[" + std::to_string(i) + "]", events[i]);
    }
}

template <typename Item> void Items(std::ostream& out, const char* name) {
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
        Field(out, at + ".experience", FloatText(item->experience));
        Field(out, at + ".level", std::to_string(item->level));
        for (const ClassHistoryArray& array : kClassHistoryArrays) {
            // "CLASS_HITPOINTS_" names the field "hitpoints".
            std::string field(array.tag + 6);
            field.pop_back();
            for (char& c : field) {
                c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            }
            std::string values;
            for (int level = 0; level <= LastWrittenLevel(item->level); ++level) {
                values += (level ? " " : "") +
                          std::to_string((item->*array.values)[static_cast<std::size_t>(level)]);
            }
            Field(out, at + "." + field, values);
        }
    }
}

} // namespace

void PrintCharacterFields(std::ostream& out) {
    const Character_Class& c = current_character;
    Numbers(out, {{"strength_base", &C::strength_base},
                  {"dexterity_base", &C::dexterity_base},
                  {"constitution_base", &C::constitution_base},
                  {"intelligence_base", &C::intelligence_base},
                  {"wisdom_base", &C::wisdom_base},
                  {"charisma_base", &C::charisma_base},
                  {"comeliness_base", &C::comeliness_base},
                  {"strength_perc", &C::strength_perc},
                  {"dexterity_perc", &C::dexterity_perc},
                  {"constitution_perc", &C::constitution_perc},
                  {"intelligence_perc", &C::intelligence_perc},
                  {"wisdom_perc", &C::wisdom_perc},
                  {"charisma_perc", &C::charisma_perc},
                  {"comeliness_perc", &C::comeliness_perc}});
    Field(out, "race_item", c.race_item ? c.race_item->name + ", " + c.race_item->sex : "");
    Field(out, "class_item", c.class_item ? c.class_item->name : "");
    Items<SkillDataItem>(out, "skills");
    Items<SpellDataItem>(out, "spells");
    Items<TalentDataItem>(out, "talents");
    Items<ProfDataItem>(out, "proficiencies");
    Items<QuirkDataItem>(out, "quirks");
    Items<EquipDataItem>(out, "equipment");
    Classes(out);
    Numbers(out, {{"honor_adjustment", &C::honor_adjustment},
                  {"age", &C::age},
                  {"character_height", &C::character_height},
                  {"character_weight", &C::character_weight},
                  {"social_id", &C::social_id},
                  {"legitimacy_code", &C::legitimacy_code},
                  {"mother_code", &C::mother_code},
                  {"father_code", &C::father_code},
                  {"siblings", &C::siblings},
                  {"honor", &C::honor},
                  {"hit_points", &C::hit_points},
                  {"gold", &C::gold},
                  {"silver", &C::silver},
                  {"copper", &C::copper},
                  {"hereditary_debt", &C::hereditary_debt},
                  {"free_proficiencies", &C::free_proficiencies},
                  {"level", &C::level},
                  {"specialization_work", &C::specialization_work},
                  {"honor_die_sides", &C::honor_die_sides},
                  {"honor_die_bonus", &C::honor_die_bonus}});
    std::string thief;
    for (std::size_t i = 0; i < c.thief_skill.size(); ++i) {
        thief += (i ? " " : "") + std::to_string(c.thief_skill[i]);
    }
    Field(out, "thief_skill", thief);
    Texts(out, {{"character_name", &C::character_name},
                {"race", &C::race},
                {"sex", &C::sex},
                {"class_long_name", &C::class_long_name},
                {"social_class", &C::social_class},
                {"legitimacy_of_birth", &C::legitimacy_of_birth},
                {"handedness", &C::handedness},
                {"circumstance_of_birth", &C::circumstance_of_birth},
                {"mother_status", &C::mother_status},
                {"father_status", &C::father_status},
                {"mother_quality", &C::mother_quality},
                {"father_quality", &C::father_quality},
                {"stepparent", &C::stepparent},
                {"family_heritage", &C::family_heritage},
                {"birth_order", &C::birth_order},
                {"honor_standing", &C::honor_standing},
                {"inherited_weapon", &C::inherited_weapon},
                {"inherited_armor", &C::inherited_armor},
                {"inherited_shieldhelmet", &C::inherited_shieldhelmet},
                {"inherited_mount", &C::inherited_mount},
                {"inherited_deed", &C::inherited_deed},
                {"alignment", &C::alignment},
                {"school_location", &C::school_location},
                {"school_type", &C::school_type},
                {"master_quality_nurture", &C::master_quality_nurture},
                {"master_quality_education", &C::master_quality_education},
                {"class_size", &C::class_size},
                {"class_equipment", &C::class_equipment},
                {"class_rank", &C::class_rank},
                {"school_final_outcome", &C::school_final_outcome},
                {"camp_type", &C::camp_type},
                {"camp_quality", &C::camp_quality},
                {"camp_results", &C::camp_results}});
    Events(out, "accident_events", c.accident_events);
    Texts(out, {{"specialty_assignment", &C::specialty_assignment},
                {"ait_quality", &C::ait_quality},
                {"state_of_hostilities", &C::state_of_hostilities}});
    Events(out, "war_events", c.war_events);
    Texts(out, {{"occupying_force_attitude", &C::occupying_force_attitude},
                {"occupation_event", &C::occupation_event},
                {"guerilla_event", &C::guerilla_event}});
    Events(out, "noncombat_events", c.noncombat_events);
    Texts(out, {{"vg_the_call", &C::vg_the_call},
                {"vg_school_type", &C::vg_school_type},
                {"vg_reverend_superior_competency", &C::vg_reverend_superior_competency},
                {"vg_reverend_superior_personality", &C::vg_reverend_superior_personality},
                {"vg_accoutrements", &C::vg_accoutrements},
                {"vg_residency_location", &C::vg_residency_location},
                {"vg_residency_results", &C::vg_residency_results},
                {"vg_final_results", &C::vg_final_results}});
    for (int i = 0; i < kSiblingLines; ++i) {
        Field(out, "sibling[" + std::to_string(i) + "]", c.sibling[i]);
    }
    const std::pair<const char*, bool> flags[] = {
        {"requires_hwg_class", c.requires_hwg_class},
        {"requires_wg_class", c.requires_wg_class},
        {"requires_vg_class", c.requires_vg_class},
        {"requires_lg_class", c.requires_lg_class},
    };
    for (const auto& [name, flag] : flags) {
        Field(out, name, flag ? "true" : "false");
    }
}
