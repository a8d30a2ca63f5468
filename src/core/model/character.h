#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/data_items.h"

class CharacterRace;
class CharacterClass;

constexpr int kQuirkSlots = 800;
constexpr int kSiblingLines = 9;
constexpr int kSiblingLineSize = 75; // 74 characters and the terminating zero
constexpr int kThiefSkillCount = 9;
constexpr int kAbilityCount = 7;
// The longest text a saved character keeps in one field (longer texts are cut on reading).
constexpr std::size_t kMaxSavedText = 1023;

// The nine thief skills, in the order of `thief_skill` and of a class entry's skill histories.
inline constexpr const char* kThiefSkillNames[kThiefSkillCount] = {
    "Pick Pockets",    "Open Locks",   "Find Traps",  "Remove Traps",  "Move Silently",
    "Hide in Shadows", "Detect Noise", "Climb Walls", "Read Languages"};

// The one character the program works on. Fields keep the order the character file,
// the sheet and the tree walk them in.
class Character_Class {
public:
    // The seven ability scores, always in this order, and their percentile fractions (0-100).
    int32_t strength_base = 0, dexterity_base = 0, constitution_base = 0, intelligence_base = 0,
            wisdom_base = 0, charisma_base = 0, comeliness_base = 0;
    int32_t strength_perc = 0, dexterity_perc = 0, constitution_perc = 0, intelligence_perc = 0,
            wisdom_perc = 0, charisma_perc = 0, comeliness_perc = 0;

    CharacterRace* race_item = nullptr;   // into the race list; not owned
    CharacterClass* class_item = nullptr; // into the class list; not owned

    SkillDataItem skills;
    SpellDataItem spells;
    SpellAttemptItem failed_spells;
    TalentDataItem talents;
    ProfDataItem proficiencies;
    QuirkDataItem quirks;
    EquipDataItem equipment;
    ClassDataItem classes;

    int32_t honor_adjustment = 0;
    int32_t age = 0;
    int32_t character_height = 0;
    int32_t character_weight = 0;
    int32_t social_id = 0;
    int32_t legitimacy_code = 0;
    int32_t mother_code = 0;
    int32_t father_code = 0;
    int32_t siblings = 0;
    int32_t honor = 0;
    int32_t hit_points = 0;
    int32_t gold = 0, silver = 0, copper = 0;
    int32_t hereditary_debt = 0;
    int32_t free_proficiencies = 0;
    int32_t level = 0;
    int32_t specialization_work = 0;
    int32_t honor_die_sides = 0;
    int32_t honor_die_bonus = 0;

    // In the order of kThiefSkillNames.
    std::array<int32_t, kThiefSkillCount> thief_skill{};

    std::string character_name;
    std::string race;
    std::string sex;
    std::string class_long_name;
    std::string social_class;
    std::string legitimacy_of_birth;
    std::string handedness;
    std::string circumstance_of_birth;
    std::string mother_status, father_status;
    std::string mother_quality, father_quality;
    std::string stepparent;
    std::string family_heritage;
    std::string birth_order;
    std::string honor_standing;
    std::string inherited_weapon, inherited_armor, inherited_shieldhelmet, inherited_mount,
        inherited_deed;
    std::string alignment;
    // Spell-caster (HWG) background.
    std::string school_location, school_type, master_quality_nurture, master_quality_education,
        class_size, class_equipment, class_rank, school_final_outcome;
    // Fighter (WG) background.
    std::string camp_type, camp_quality, camp_results;
    std::vector<std::string> accident_events;
    std::string specialty_assignment, ait_quality, state_of_hostilities;
    std::vector<std::string> war_events;
    std::string occupying_force_attitude, occupation_event, guerilla_event;
    std::vector<std::string> noncombat_events;
    // Priest (VG) background.
    std::string vg_the_call, vg_school_type, vg_reverend_superior_competency,
        vg_reverend_superior_personality, vg_accoutrements, vg_residency_location,
        vg_residency_results, vg_final_results;

    char sibling[kSiblingLines][kSiblingLineSize] = {};
    std::array<int32_t, kQuirkSlots> quirk_count{};

    bool requires_hwg_class = false;
    bool requires_wg_class = false;
    bool requires_vg_class = false;
    bool requires_lg_class = false;

    // Pointers to the seven scores and fractions in record order, for code that walks them.
    std::array<int32_t*, 7> Scores();
    std::array<int32_t*, 7> Percentiles();
};

extern Character_Class current_character;

// Copies a sibling description into its line, cut to the 74 characters the line holds.
void SetSiblingLine(int index, const std::string& text);
