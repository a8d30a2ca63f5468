#include "core/app/program_state.h"

#include <cstdlib>
#include <ctime>

#include "core/app/character.h"
#include "core/app/options.h"
#include "core/app/user_port.h"
#include "core/data/quirk_flaw.h"
#include "core/data/rules_lists.h"
#include "core/dice/dice_log.h"
#include "core/dice/vexl_random.h"
#include "core/files/character_save.h"
#include "core/gm/honor_party.h"

ProgramState program_data;
std::string temporaryString, temporaryString2, temporaryString3;

void Clear_String(char* text) {
    if (text) {
        text[0] = '\0';
    }
}

namespace {

void ClearNumbers(Character_Class& c) {
    for (int32_t* score : c.Scores()) {
        *score = 0;
    }
    for (int32_t* fraction : c.Percentiles()) {
        *fraction = 0;
    }
    c.race_item = nullptr;
    c.class_item = nullptr;
}

// Every whole-number field from honor_adjustment to honor_die_bonus.
void ClearCounters(Character_Class& c) {
    for (int32_t* field : {&c.honor_adjustment,
                           &c.age,
                           &c.character_height,
                           &c.character_weight,
                           &c.social_id,
                           &c.legitimacy_code,
                           &c.mother_code,
                           &c.father_code,
                           &c.siblings,
                           &c.honor,
                           &c.hit_points,
                           &c.gold,
                           &c.silver,
                           &c.copper,
                           &c.hereditary_debt,
                           &c.free_proficiencies,
                           &c.level,
                           &c.specialization_work,
                           &c.honor_die_sides,
                           &c.honor_die_bonus}) {
        *field = 0;
    }
}

void ClearLists(Character_Class& c) {
    c.quirks.Clear();
    c.skills.Clear();
    c.spells.Clear();
    c.talents.Clear();
    c.proficiencies.Clear();
    c.equipment.Clear();
    c.classes.Clear();
}

// Every text field from character_name to vg_final_results, and the three event lists.
void ClearTexts(Character_Class& c) {
    for (std::string* field : {&c.character_name,
                               &c.race,
                               &c.sex,
                               &c.class_long_name,
                               &c.social_class,
                               &c.legitimacy_of_birth,
                               &c.handedness,
                               &c.circumstance_of_birth,
                               &c.mother_status,
                               &c.father_status,
                               &c.mother_quality,
                               &c.father_quality,
                               &c.stepparent,
                               &c.family_heritage,
                               &c.birth_order,
                               &c.honor_standing,
                               &c.inherited_weapon,
                               &c.inherited_armor,
                               &c.inherited_shieldhelmet,
                               &c.inherited_mount,
                               &c.inherited_deed,
                               &c.alignment,
                               &c.school_location,
                               &c.school_type,
                               &c.master_quality_nurture,
                               &c.master_quality_education,
                               &c.class_size,
                               &c.class_equipment,
                               &c.class_rank,
                               &c.school_final_outcome,
                               &c.camp_type,
                               &c.camp_quality,
                               &c.camp_results,
                               &c.specialty_assignment,
                               &c.ait_quality,
                               &c.state_of_hostilities,
                               &c.occupying_force_attitude,
                               &c.occupation_event,
                               &c.guerilla_event,
                               &c.vg_the_call,
                               &c.vg_school_type,
                               &c.vg_reverend_superior_competency,
                               &c.vg_reverend_superior_personality,
                               &c.vg_accoutrements,
                               &c.vg_residency_location,
                               &c.vg_residency_results,
                               &c.vg_final_results}) {
        field->clear();
    }
    c.accident_events.clear();
    c.war_events.clear();
    c.noncombat_events.clear();
}

} // namespace

void Clear_All() {
    Character_Class& c = current_character;
    SetQuirkFlawStructure(quirkflaw);
    program_data.creation_stage = 0;
    program_data.building_points = 0.0f;
    program_data.money_roll_modifier = 0;
    RememberSavedFile(""); // a new character has no file of its own yet
    ClearNumbers(c);
    ClearCounters(c);
    ClearLists(c);
    c.thief_skill.fill(0);
    c.quirk_count.fill(0);
    ClearTexts(c);
    c.requires_hwg_class = c.requires_wg_class = c.requires_vg_class = c.requires_lg_class = false;
    c.equipment.AddTail(MakeItem<EquipDataItem>("Starting Clothes", 1));
    LoadOptions();
    BooksToUse[kPlayersHandbook] = 1;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    Port().ClearTree();
    Create_Filename(program_data.log_file_name);
    std::string cleared = "All variables have been cleared";
    Format_Entry(program_data.building_points, cleared, program_data.log_file_name);
}

void ResetProgramForTests() {
    Character_Class& c = current_character;
    ClearNumbers(c);
    ClearCounters(c);
    ClearLists(c);
    ClearTexts(c);
    c.thief_skill.fill(0);
    c.quirk_count.fill(0);
    for (auto& line : c.sibling) {
        line[0] = '\0';
    }
    c.requires_hwg_class = c.requires_wg_class = c.requires_vg_class = c.requires_lg_class = false;
    program_data.creation_stage = 0;
    program_data.building_points = 0.0f;
    program_data.log_file_name[0] = '\0';
    program_data.money_roll_modifier = 0;
    program_data.honor_roll_modifier = 0;
    program_data.pending_minor_quirks = 0;
    program_data.pending_major_quirks = 0;
    program_data.pending_personality_quirks = 0;
    program_data.quirk_bp.fill(0);
    program_data.quirk_rolls_pending = 0;
    program_data.pending_quirk_tables.clear();
    RememberSavedFile("");
    for (auto& entry : BooksToUse) {
        entry = 0;
    }
    for (auto& entry : quirkflaw) {
        entry = QuirkFlaw{};
    }
    SetQuirkFlawStructure(quirkflaw);
    ClearAllRulesLists();
    ClearParty();
    Early_Close = true;
    ResetVexlrand();
}
