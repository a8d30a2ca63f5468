#include "core/app/character_open.h"

#include <fstream>

#include "core/app/clear_all.h"
#include "core/files/character_save.h"
#include "core/files/saved_files.h"
#include "core/gm/honor_party.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/tree/ability_scores.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/creation_flow.h"

namespace {

// Reads the file through once without keeping anything: whether it can be opened, and why
// it cannot be read to its end, if it cannot.
struct FileReadability {
    bool opened = false;
    std::string read_error;
};

FileReadability CheckReadable(const std::string& file_name) {
    FileReadability result;
    std::ifstream in(SavedFilePath(kCharacterXmlDirectory, file_name), std::ios::binary);
    if (!in) {
        return result;
    }
    result.opened = true;
    CharacterLineSource source(in);
    std::string line;
    while (source.Next(line)) {
    }
    result.read_error = source.ReadError();
    return result;
}

} // namespace

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
    // A file that cannot be opened or read never costs the character in hand: it is checked
    // before anything is cleared.
    const FileReadability readable = CheckReadable(file_name);
    if (!readable.opened) {
        Port().ShowMessage("The character file " + file_name +
                               " cannot be opened; it may have been moved or deleted.",
                           "Load Character");
        return {};
    }
    if (!readable.read_error.empty()) {
        Port().ShowMessage("The character file " + file_name + " cannot be read (" +
                               readable.read_error + "); nothing was opened.",
                           "Load Character");
        CharacterReadReport report;
        report.read_error = readable.read_error;
        return report;
    }
    Clear_All();
    // Clear_All keeps the sibling lines from one creation to the next; an opened character
    // has only the siblings its own file lists.
    for (int n = 0; n < kSiblingLines; ++n) {
        SetSiblingLine(n, "");
    }
    // The saved file lists all the equipment the character has, its clothes included; the
    // "Starting Clothes" a cleared record begins with would otherwise be there twice.
    current_character.equipment.Clear();
    XMLRead reader;
    CharacterReadReport report = reader.ReadXMLSheet(file_name);
    if (!report.opened || !report.read_error.empty()) {
        // The file changed between the check and the reading.
        Port().ShowMessage("The character file " + file_name + " could not be read to its end (" +
                               (report.opened ? report.read_error : "gone") +
                               "); only what was read before is shown.",
                           "Load Character");
    }
    RememberOpenedCharacter(file_name);
    SendOpenedCharacterToTree();
    return report;
}

Outcome OpenPartyMember(const std::string& member_name) {
    if (CreationInProgress()) {
        return Outcome::Refused(
            "Finish the character's creation before another character is opened");
    }
    const int index = FindPartyCharacter(member_name);
    const std::string file = index < 0 ? "" : pcs[static_cast<std::size_t>(index)].file;
    if (file.empty() || file.find_first_of("/\\") != std::string::npos) {
        return Outcome::Refused("Only a member saved in this workspace can be opened here");
    }
    if (!OpenSavedCharacter(file).opened) {
        return Outcome::Refused(file + " could not be opened");
    }
    return Outcome::Done();
}
