#include <array>
#include <string>
#include <vector>

#include "core/data/class_data.h"
#include "core/data/class_progress.h"
#include "core/data/item_data.h"
#include "core/data/classes_available.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/tree/tree_branch.h"
#include "core/tree/tree_senders.h"

namespace {

// Each skill is its starting base (level 0) plus the points placed at every level since.
void SendThiefSkills(const ClassDataItem& item) {
    TreeBranch branch;
    for (int i = 0; i < kThiefSkillCount; ++i) {
        branch.Add(kThiefSkillNames[i], Printf("%i%%", item.ThiefSkill(i)));
    }
    branch.Send("Thief Skills");
}

void SendClassData(const ClassDataItem* thief_item) {
    const Character_Class& c = current_character;
    TreeBranch branch;
    branch.Add("Hit Points", Printf("%i", c.hit_points));
    branch.Add("Level", Printf("%i", c.level));
    for (const ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        branch.Add(item->name, Printf("Level %i", item->level));
    }
    if (thief_item) {
        branch.Add("Thief Skills", thief_item->name);
    }
    branch.Send("Class Data");
}

// Each class's experience, level and the experience of its next level.
void SendExperience() {
    TreeBranch branch;
    for (const ClassProgress& progress : ClassProgressOfCharacter()) {
        branch.Add(progress.item->name, ProgressText(progress));
    }
    branch.Send("Experience Points");
}

std::string Joined(const std::vector<std::string>& events) {
    std::string text;
    for (const std::string& event : events) {
        text += (text.empty() ? "" : "; ") + event;
    }
    return text;
}

bool AnyValue(const TreeBranch& branch) {
    for (const std::string& value : branch.values) {
        if (!value.empty()) {
            return true;
        }
    }
    return false;
}

// A background branch is shown only for a character that has some of that background.
void SendBackground(const TreeBranch& branch, const std::string& name) {
    if (AnyValue(branch)) {
        branch.Send(name);
    }
}

// The spell-caster school and, under the same keys, the priest's calling.
TreeBranch SchoolBranch(const std::array<const std::string*, 8>& fields) {
    static const char* const kKeys[8] = {
        "Location of Mage School",      "Type of Mage School", "Quality of Master: Nurture",
        "Quality of Master: Education", "Class Size",          "Classroom Equipment",
        "Graduating Class Rank",        "Final Outcome"};
    TreeBranch branch;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        branch.Add(kKeys[i], *fields[i]);
    }
    return branch;
}

void SendBackgrounds() {
    const Character_Class& c = current_character;
    SendBackground(SchoolBranch({&c.school_location, &c.school_type, &c.master_quality_nurture,
                                 &c.master_quality_education, &c.class_size, &c.class_equipment,
                                 &c.class_rank, &c.school_final_outcome}),
                   "HWG Background");

    TreeBranch fighter;
    fighter.Add("Type of Training Camp", c.camp_type);
    fighter.Add("Quality of Basic Training", c.camp_quality);
    fighter.Add("Results of Basic Training", c.camp_results);
    fighter.Add(
        "Training Accidents",
        c.accident_events.empty() ? "" : Printf("%i", static_cast<int>(c.accident_events.size())));
    fighter.Add("Specialty Assignment", c.specialty_assignment);
    fighter.Add("Quality of Advanced Individual Training", c.ait_quality);
    fighter.Add("State of Hostilities", c.state_of_hostilities);
    fighter.Add("War Events", Joined(c.war_events));
    fighter.Add("Local Attitude to Occupying Force", c.occupying_force_attitude);
    fighter.Add("Notable Events During Occupation", c.occupation_event);
    fighter.Add("Notable Events to Quell Guerilla Movement", c.guerilla_event);
    fighter.Add("Notable Events During Non Combat Tour of Duty", Joined(c.noncombat_events));
    SendBackground(fighter, "WG Background");

    SendBackground(
        SchoolBranch({&c.vg_the_call, &c.vg_school_type, &c.vg_reverend_superior_competency,
                      &c.vg_reverend_superior_personality, &c.vg_accoutrements,
                      &c.vg_residency_location, &c.vg_residency_results, &c.vg_final_results}),
        "VG Background");

    if (!c.accident_events.empty()) {
        TreeBranch accidents;
        for (std::size_t i = 0; i < c.accident_events.size(); ++i) {
            accidents.Add(Printf("Accident %i", static_cast<int>(i + 1)), c.accident_events[i]);
        }
        accidents.Send("Training Accidents");
    }
}

void SendSpellsKnown() {
    if (!SpellDataItem::pHead) {
        return;
    }
    TreeBranch branch;
    for (const SpellDataItem* spell = SpellDataItem::pHead.get(); spell;
         spell = spell->next.get()) {
        branch.Add(spell->name, SpellBookEntryText(spell->name, spell->value));
    }
    branch.Send("Spells Known");
}

} // namespace

void messagetotreeStep8() {
    if (!TreeShown()) {
        return;
    }
    if (current_character.race_item) {
        SendClassesAvailableToTree();
    }
    const ClassDataItem* thief_item = ThiefSkillItem();
    SendClassData(thief_item);
    if (ClassDataItem::pHead) {
        SendExperience();
    }
    if (thief_item) {
        SendThiefSkills(*thief_item);
    }
    SendBackgrounds();
    SendSpellsKnown();
}
