#include "core/app/character_open.h"

#include "core/app/clear_all.h"
#include "core/data/ability_scores.h"
#include "core/files/character_save.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"

void SendOpenedCharacterToTree() {
    AbilityScores::SendAbilitiestoTree();
    messagetotree();
    messagetotreeStep8();
    messagePPtotree();
    sendquirkflawtotree();
    sendskillstotree();
    sendequiptotree();
    sendtalentstotree();
    sendprofstotree();
}

CharacterReadReport OpenSavedCharacter(const std::string& file_name) {
    Clear_All();
    // The saved file lists all the equipment the character has, its clothes included; the
    // "Starting Clothes" a cleared record begins with would otherwise be there twice.
    current_character.equipment.Clear();
    XMLRead reader;
    CharacterReadReport report = reader.ReadXMLSheet(file_name);
    if (!report.opened) {
        Port().ShowMessage("The character file " + file_name +
                               " cannot be opened; it may have been moved or deleted.",
                           "Load Character");
        return report;
    }
    RememberSavedFile(file_name);
    SendOpenedCharacterToTree();
    return report;
}
