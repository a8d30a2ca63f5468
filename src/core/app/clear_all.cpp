#include "core/app/clear_all.h"
#include "core/wizard/creation_flow.h"

#include <cstdlib>
#include <ctime>

#include "core/data/quirk_flaw.h"
#include "core/data/rules_lists.h"
#include "core/dice/dice_log.h"
#include "core/dice/vexl_random.h"
#include "core/files/character_save.h"
#include "core/gm/party_session.h"
#include "core/model/character.h"
#include "core/model/character_fields.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"

namespace {

// Empties every field of the record that a new character starts without; with `everything`,
// also those "New Character" keeps.
void ClearRecord(bool everything) {
    for (const CharacterField& field : CharacterFields()) {
        if (everything || field.on_new == OnNewCharacter::kCleared) {
            ClearCharacterField(field);
        }
    }
}

} // namespace

void Clear_All() {
    SetQuirkFlawStructure(quirkflaw);
    AbortCreation();
    program_data.building_points = 0.0f;
    program_data.money_roll_modifier = 0;
    RememberSavedFile(""); // a new character has no file of its own yet
    ClearRecord(false);
    current_character.equipment.AddTail(MakeItem<EquipDataItem>("Starting Clothes", 1));
    LoadOptions();
    BooksToUse[kPlayersHandbook] = 1;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    Port().ClearTree();
    Create_Filename(program_data.log_file_name);
    std::string cleared = "All variables have been cleared";
    Format_Entry(program_data.building_points, cleared, program_data.log_file_name);
}

void ResetProgramForTests() {
    ClearRecord(true);
    program_data = ProgramState{};
    RememberSavedFile("");
    for (auto& entry : BooksToUse) {
        entry = 0;
    }
    for (auto& entry : quirkflaw) {
        entry = QuirkFlaw{};
    }
    SetQuirkFlawStructure(quirkflaw);
    ClearAllRulesLists();
    StartNewParty(); // the party table and the file it was kept in
    Early_Close = true;
    ResetVexlrand();
}
