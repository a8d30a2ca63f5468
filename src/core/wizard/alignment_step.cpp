#include "core/wizard/alignment_step.h"

#include "core/data/class_data.h"
#include "core/data/hit_points.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"

std::vector<std::string> AlignmentChoice::Alignments() {
    const CharacterClass* chosen = current_character.class_item;
    return chosen ? chosen->alignment : std::vector<std::string>{};
}

void AlignmentChoice::Continue(const std::string& alignment) {
    FinishCreation(alignment);
}

void RollFirstLevelHitPoints() {
    int gained = 0;
    int entries = 0;
    for (ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        const CharacterClass* record = CharacterClass::Named(item->name);
        const int kicker = record ? record->kicker : 0;
        const int roll = GetHitPoints(1, record);
        item->hitpoints[0] = kicker;
        item->hitpoints[1] = roll;
        gained += kicker + roll;
        ++entries;
    }
    if (entries > 1) {
        gained /= 2;
    }
    current_character.hit_points += gained;
}

void FinishCreation(const std::string& alignment) {
    Character_Class& c = current_character;
    c.alignment = alignment;
    std::string line = "Alignment = " + alignment;
    Format_Entry(program_data.building_points, line, program_data.log_file_name);
    RollFirstLevelHitPoints();
    const auto name = Port().AskText("Character Creation: Name your Character", "Enter Name", "");
    c.character_name = name.value_or("");
    messagetotreeStep8();
}
