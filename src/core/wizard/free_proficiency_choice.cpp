#include "core/wizard/free_proficiency_choice.h"

#include "core/data/item_data.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/fighter_background.h"

namespace {

// The core book counts as on even before the first new character switches it on, so the
// training window opened straight after start-up offers the core weapons.
bool OfferedProficiency(const CharacterProf& prof) {
    return prof.type == kMeleeProficiencyType && !prof.name.empty() &&
           (prof.book == kPlayersHandbook || BookEnabled(prof.book));
}

bool Held(const std::string& name) {
    return ProfDataItem::Named(name) != nullptr;
}

} // namespace

FreeProficiencyChoice::FreeProficiencyChoice(std::string kind) : kind_(std::move(kind)) {
    for (const CharacterProf* prof = CharacterProf::pHead.get(); prof; prof = prof->next.get()) {
        if (OfferedProficiency(*prof)) {
            entries_.push_back(prof->name);
        }
    }
}

bool FreeProficiencyChoice::Take(const std::string& name) {
    bool offered = false;
    for (const std::string& entry : entries_) {
        offered = offered || entry == name;
    }
    Character_Class& c = current_character;
    if (!offered || c.free_proficiencies <= 0 || Held(name)) {
        return false;
    }
    const int rating = kind_ == kMeleeWeaponLimitedKind ? 1 : -1;
    c.proficiencies.AddTail(MakeItem<ProfDataItem>(name, rating));
    c.free_proficiencies -= 1;
    std::string line = "Purchasing Proficieny " + name + " for free";
    Format_Entry(program_data.building_points, line, program_data.log_file_name);
    messagetotree();
    return true;
}
