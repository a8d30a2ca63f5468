#include "core/files/saved_character_tags.h"

namespace {

using C = Character_Class;

// clang-format off
const SavedTag kTags[] = {
    {"<CIRCUMSTANCE_OF_BIRTH",           &C::circumstance_of_birth},
    {"<LEGITAMACY_OF_BIRTH",             &C::legitimacy_of_birth},
    {"<FAMILY_HERITAGE",                 &C::family_heritage},
    {"<SIBLING1",                        SiblingLine{0}},
    {"<SIBLING2",                        SiblingLine{1}},
    {"<SIBLING3",                        SiblingLine{2}},
    {"<SIBLING4",                        SiblingLine{3}},
    {"<SIBLING5",                        SiblingLine{4}},
    {"<SIBLING6",                        SiblingLine{5}},
    {"<SIBLING7",                        SiblingLine{6}},
    {"<SIBLING8",                        SiblingLine{7}},
    {"<SIBLING9",                        SiblingLine{8}},
    {"<RACE",                            &C::race},
    {"<SEX",                             &C::sex},
    {"<STEPPARENT",                      &C::stepparent},
    {"<BIRTH_ORDER",                     &C::birth_order},
    {"<MOTHER_STATUS",                   &C::mother_status},
    {"<MOTHER_QUALITY",                  &C::mother_quality},
    {"<FATHER_STATUS",                   &C::father_status},
    {"<FATHER_QUALITY",                  &C::father_quality},
    {"<CLASS_LONG_NAME",                 &C::class_long_name},
    {"<CLASS_NAME",                      ClassEntry{}},
    {"<HANDEDNESS",                      &C::handedness},
    {"<SOCIAL_CLASS",                    &C::social_class},
    {"<SOCIAL_ID",                       &C::social_id},
    {"<INHERITED_WEAPON",                &C::inherited_weapon},
    {"<INHERITED_ARMOR",                 &C::inherited_armor},
    {"<INHERITED_SHIELDHELMET",          &C::inherited_shieldhelmet},
    {"<INHERITED_MOUNT",                 &C::inherited_mount},
    {"<INHERITED_DEED",                  &C::inherited_deed},
    {"<CHARACTER_NAME",                  &C::character_name},
    {"<ALIGNMENT",                       &C::alignment},
    {"<STRENGTH_BASE",                   &C::strength_base},
    {"<STRENGTH_PERC",                   &C::strength_perc},
    {"<DEXTERITY_BASE",                  &C::dexterity_base},
    {"<DEXTERITY_PERC",                  &C::dexterity_perc},
    {"<CONSTITUTION_BASE",               &C::constitution_base},
    {"<CONSTITUTION_PERC",               &C::constitution_perc},
    {"<INTELLIGENCE_BASE",               &C::intelligence_base},
    {"<INTELLIGENCE_PERC",               &C::intelligence_perc},
    {"<WISDOM_BASE",                     &C::wisdom_base},
    {"<WISDOM_PERC",                     &C::wisdom_perc},
    {"<CHARISMA_BASE",                   &C::charisma_base},
    {"<CHARISMA_PERC",                   &C::charisma_perc},
    {"<COMELINESS_BASE",                 &C::comeliness_base},
    {"<COMELINESS_PERC",                 &C::comeliness_perc},
    {"<HONOR_BASE",                      &C::honor},
    {"<AGE",                             &C::age},
    {"<HIT_POINTS",                      &C::hit_points},
    {"<CHARACTER_HEIGHT",                &C::character_height},
    {"<CHARACTER_WEIGHT",                &C::character_weight},
    {"<SIBLINGS",                        &C::siblings},
    {"<LEVEL",                           &C::level},
    {"<GOLDCOINS",                       &C::gold},
    {"<SILVERCOINS",                     &C::silver},
    {"<COPPERCOINS",                     &C::copper},
    {"<SCHOOL_LOCATION",                 &C::school_location, &C::requires_hwg_class},
    {"<SCHOOL_TYPE",                     &C::school_type},
    {"<MASTER_QUALITY_NURTURE",          &C::master_quality_nurture},
    {"<MASTER_QUALITY_EDUCATION",        &C::master_quality_education},
    {"<CLASS_SIZE",                      &C::class_size},
    {"<CLASS_EQUIPMENT",                 &C::class_equipment},
    {"<CLASS_RANK",                      &C::class_rank},
    {"<CAMP_TYPE",                       &C::camp_type, &C::requires_wg_class},
    {"<CAMP_QUALITY",                    &C::camp_quality},
    {"<CAMP_RESULTS",                    &C::camp_results},
    {"<ACCIDENT_EVENT",                  &C::accident_events},
    {"<SPECIALTY_ASSIGNMENT",            &C::specialty_assignment},
    {"<AIT_QUALITY",                     &C::ait_quality},
    {"<STATE_OF_HOSTILITIES",            &C::state_of_hostilities},
    {"<WAR_EVENT",                       &C::war_events},
    {"<OCCUPYING_FORCE_ATTITUDE",        &C::occupying_force_attitude},
    {"<OCCUPATION_EVENT",                &C::occupation_event},
    {"<GUERILLA_EVENT",                  &C::guerilla_event},
    {"<NONCOMBAT_EVENT",                 &C::noncombat_events},
    {"<VG_THE_CALL",                     &C::vg_the_call, &C::requires_vg_class},
    {"<VG_SCHOOL_TYPE",                  &C::vg_school_type},
    {"<VG_REVEREND_SUPERIOR_COMPETENCY", &C::vg_reverend_superior_competency},
    {"<VG_REVEREND_SUPERIOR_PERSONALITY",&C::vg_reverend_superior_personality},
    {"<VG_ACCOUTREMENTS",                &C::vg_accoutrements},
    {"<VG_RESIDENCY_LOCATION",           &C::vg_residency_location},
    {"<VG_RESIDENCY_RESULTS",            &C::vg_residency_results},
    {"<VG_FINAL_RESULTS",                &C::vg_final_results},
    {"<SKILLNAME",                       SavedItemList::kSkill},
    {"<TALENTNAME",                      SavedItemList::kTalent},
    {"<PROFICIENCYNAME",                 SavedItemList::kProficiency},
    {"<QUIRKNAME",                       SavedItemList::kQuirk},
    {"<EQUIPNAME",                       SavedItemList::kEquipment},
    {"<SPELLNAME",                       SavedItemList::kSpell},
};
// clang-format on

} // namespace

std::span<const SavedTag> SavedCharacterTags() {
    return kTags;
}

const SavedTag* MatchSavedTag(std::string_view tag_text) {
    for (const SavedTag& tag : kTags) {
        if (tag_text.find(tag.tag) != std::string_view::npos) {
            return &tag;
        }
    }
    return nullptr;
}

const char* ItemNumberTag(SavedItemList list) {
    switch (list) {
    case SavedItemList::kSkill:
        return "<SKILLRATING";
    case SavedItemList::kTalent:
        return "<TALENTRATING";
    case SavedItemList::kProficiency:
        return "<PROFICIENCYRATING";
    case SavedItemList::kQuirk:
        return "<QUIRKRATING";
    case SavedItemList::kEquipment:
        return "<EQUIPQTY";
    case SavedItemList::kSpell:
        return "<SPELLPAGES";
    }
    return "";
}
