#include "core/model/character_fields.h"

#include <iterator>
#include <type_traits>
#include <vector>

#include "core/model/abilities.h"
#include "core/model/data_items.h"

namespace {

using C = Character_Class;
using S = SpecialField;
constexpr auto kKept = OnNewCharacter::kKept;

// The fields after the seven scores and their percentiles, which come from the ability table.
// clang-format off
const CharacterField kOtherFields[] = {
    {"race_item",              S::kRaceRecord,             ""},
    {"class_item",             S::kClassRecord,            ""},
    {"skills",                 S::kSkills,                 "SKILLNAME"},
    {"spells",                 S::kSpells,                 "SPELLNAME"},
    {"failed_spells",          S::kFailedSpells,           "FAILEDSPELLNAME"},
    {"talents",                S::kTalents,                "TALENTNAME"},
    {"proficiencies",          S::kProficiencies,          "PROFICIENCYNAME"},
    {"quirks",                 S::kQuirks,                 "QUIRKNAME"},
    {"equipment",              S::kEquipment,              "EQUIPNAME"},
    {"classes",                S::kClasses,                "CLASS_NAME"},
    {"honor_adjustment",       &C::honor_adjustment,       ""},
    {"age",                    &C::age,                    "AGE"},
    {"character_height",       &C::character_height,       "CHARACTER_HEIGHT"},
    {"character_weight",       &C::character_weight,       "CHARACTER_WEIGHT"},
    {"social_id",              &C::social_id,              "SOCIAL_ID"},
    {"legitimacy_code",        &C::legitimacy_code,        ""},
    {"mother_code",            &C::mother_code,            ""},
    {"father_code",            &C::father_code,            ""},
    {"siblings",               &C::siblings,               "SIBLINGS"},
    {"honor",                  &C::honor,                  "HONOR_BASE"},
    {"hit_points",             &C::hit_points,             "HIT_POINTS"},
    {"gold",                   &C::gold,                   "GOLDCOINS"},
    {"silver",                 &C::silver,                 "SILVERCOINS"},
    {"copper",                 &C::copper,                 "COPPERCOINS"},
    {"hereditary_debt",        &C::hereditary_debt,        "HEREDITARY_DEBT"},
    {"free_proficiencies",     &C::free_proficiencies,     "PROFICIENCY_SLOTS"},
    {"level",                  &C::level,                  "LEVEL"},
    {"specialization_work",    &C::specialization_work,    ""},
    {"honor_die_sides",        &C::honor_die_sides,        ""},
    {"honor_die_bonus",        &C::honor_die_bonus,        ""},
    {"thief_skill",            S::kThiefSkills,            ""},
    {"character_name",         &C::character_name,         "CHARACTER_NAME"},
    {"race",                   &C::race,                   "RACE"},
    {"sex",                    &C::sex,                    "SEX"},
    {"class_long_name",        &C::class_long_name,        "CLASS_LONG_NAME"},
    {"social_class",           &C::social_class,           "SOCIAL_CLASS"},
    {"legitimacy_of_birth",    &C::legitimacy_of_birth,    "LEGITAMACY_OF_BIRTH"},
    {"handedness",             &C::handedness,             "HANDEDNESS"},
    {"circumstance_of_birth",  &C::circumstance_of_birth,  "CIRCUMSTANCE_OF_BIRTH"},
    {"mother_status",          &C::mother_status,          "MOTHER_STATUS"},
    {"father_status",          &C::father_status,          "FATHER_STATUS"},
    {"mother_quality",         &C::mother_quality,         "MOTHER_QUALITY"},
    {"father_quality",         &C::father_quality,         "FATHER_QUALITY"},
    {"stepparent",             &C::stepparent,             "STEPPARENT"},
    {"family_heritage",        &C::family_heritage,        "FAMILY_HERITAGE"},
    {"birth_order",            &C::birth_order,            "BIRTH_ORDER"},
    {"honor_standing",         &C::honor_standing,         ""},
    {"inherited_weapon",       &C::inherited_weapon,       "INHERITED_WEAPON"},
    {"inherited_armor",        &C::inherited_armor,        "INHERITED_ARMOR"},
    {"inherited_shieldhelmet", &C::inherited_shieldhelmet, "INHERITED_SHIELDHELMET"},
    {"inherited_mount",        &C::inherited_mount,        "INHERITED_MOUNT"},
    {"inherited_deed",         &C::inherited_deed,         "INHERITED_DEED"},
    {"alignment",              &C::alignment,              "ALIGNMENT"},
    {"school_location",        &C::school_location,        "SCHOOL_LOCATION"},
    {"school_type",            &C::school_type,            "SCHOOL_TYPE"},
    {"master_quality_nurture", &C::master_quality_nurture, "MASTER_QUALITY_NURTURE"},
    {"master_quality_education", &C::master_quality_education, "MASTER_QUALITY_EDUCATION"},
    {"class_size",             &C::class_size,             "CLASS_SIZE"},
    {"class_equipment",        &C::class_equipment,        "CLASS_EQUIPMENT"},
    {"class_rank",             &C::class_rank,             "CLASS_RANK"},
    {"school_final_outcome",   &C::school_final_outcome,   ""},
    {"camp_type",              &C::camp_type,              "CAMP_TYPE"},
    {"camp_quality",           &C::camp_quality,           "CAMP_QUALITY"},
    {"camp_results",           &C::camp_results,           "CAMP_RESULTS"},
    {"accident_events",        &C::accident_events,        "ACCIDENT_EVENT"},
    {"specialty_assignment",   &C::specialty_assignment,   "SPECIALTY_ASSIGNMENT"},
    {"ait_quality",            &C::ait_quality,            "AIT_QUALITY"},
    {"state_of_hostilities",   &C::state_of_hostilities,   "STATE_OF_HOSTILITIES"},
    {"war_events",             &C::war_events,             "WAR_EVENT"},
    {"occupying_force_attitude", &C::occupying_force_attitude, "OCCUPYING_FORCE_ATTITUDE"},
    {"occupation_event",       &C::occupation_event,       "OCCUPATION_EVENT"},
    {"guerilla_event",         &C::guerilla_event,         "GUERILLA_EVENT"},
    {"noncombat_events",       &C::noncombat_events,       "NONCOMBAT_EVENT"},
    {"vg_the_call",            &C::vg_the_call,            "VG_THE_CALL"},
    {"vg_school_type",         &C::vg_school_type,         "VG_SCHOOL_TYPE"},
    {"vg_reverend_superior_competency",  &C::vg_reverend_superior_competency,  "VG_REVEREND_SUPERIOR_COMPETENCY"},
    {"vg_reverend_superior_personality", &C::vg_reverend_superior_personality, "VG_REVEREND_SUPERIOR_PERSONALITY"},
    {"vg_accoutrements",       &C::vg_accoutrements,       "VG_ACCOUTREMENTS"},
    {"vg_residency_location",  &C::vg_residency_location,  "VG_RESIDENCY_LOCATION"},
    {"vg_residency_results",   &C::vg_residency_results,   "VG_RESIDENCY_RESULTS"},
    {"vg_final_results",       &C::vg_final_results,       "VG_FINAL_RESULTS"},
    // The sibling descriptions outlive "New Character": the family step writes them afresh.
    {"sibling",                S::kSiblingLines,           "SIBLING",  kKept},
    {"quirk_count",            S::kQuirkCounts,            "",         OnNewCharacter::kCleared, false},
    {"requires_hwg_class",     &C::requires_hwg_class,     ""},
    {"requires_wg_class",      &C::requires_wg_class,      ""},
    {"requires_vg_class",      &C::requires_vg_class,      ""},
    {"requires_lg_class",      &C::requires_lg_class,      ""},
};
// clang-format on

void ClearSpecial(SpecialField field) {
    Character_Class& c = current_character;
    switch (field) {
    case S::kRaceRecord:
        c.race_item = nullptr;
        return;
    case S::kClassRecord:
        c.class_item = nullptr;
        return;
    case S::kSkills:
        return c.skills.Clear();
    case S::kSpells:
        return c.spells.Clear();
    case S::kFailedSpells:
        return c.failed_spells.Clear();
    case S::kTalents:
        return c.talents.Clear();
    case S::kProficiencies:
        return c.proficiencies.Clear();
    case S::kQuirks:
        return c.quirks.Clear();
    case S::kEquipment:
        return c.equipment.Clear();
    case S::kClasses:
        return c.classes.Clear();
    case S::kThiefSkills:
        return c.thief_skill.fill(0);
    case S::kSiblingLines:
        for (auto& line : c.sibling) {
            line[0] = '\0';
        }
        return;
    case S::kQuirkCounts:
        return c.quirk_count.fill(0);
    }
}

// The scores, then the percentiles, in the abilities' order, then the other fields.
std::vector<CharacterField> BuildFields() {
    std::vector<CharacterField> fields;
    for (const Ability& ability : kAbilityTable) {
        fields.push_back({ability.base_field, ability.score, ability.base_tag});
    }
    for (const Ability& ability : kAbilityTable) {
        fields.push_back({ability.perc_field, ability.percentile, ability.perc_tag});
    }
    fields.insert(fields.end(), std::begin(kOtherFields), std::end(kOtherFields));
    return fields;
}

} // namespace

std::span<const CharacterField> CharacterFields() {
    static const std::vector<CharacterField> fields = BuildFields();
    return fields;
}

void ClearCharacterField(const CharacterField& field) {
    std::visit(
        [](const auto& member) {
            using Member = std::decay_t<decltype(member)>;
            if constexpr (std::is_same_v<Member, SpecialField>) {
                ClearSpecial(member);
            } else {
                current_character.*member = {};
            }
        },
        field.member);
}
