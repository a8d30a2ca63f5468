#include "core/files/character_save.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "core/dice/dice_log.h"
#include "core/files/character_file_writer.h"
#include "core/files/character_sheet.h"
#include "core/files/saved_files.h"
#include "core/model/character.h"
#include "core/model/user_port.h"
#include "core/model/workspace.h"
#include "core/tree/tree_senders.h"

namespace {

// The naming dialog of the alignment-and-name step.
constexpr char kNameMessage[] = "Character Creation: Name your Character";
constexpr char kNameCaption[] = "Enter Name";
constexpr char kReplaceCaption[] = "Save Character";

// The character file the record was opened from or last saved to.
std::string saved_file_name;
// For a character opened from its file, the log saved with it (in CharacterLogs); empty for a
// character made in this run, whose log is the run's dice log.
std::string opened_log_name;
// How much of the run's log (what an opened character did in this run: an award, a new
// level) its own log holds already.
std::size_t run_log_kept = 0;

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string XmlFileName(const std::string& name) {
    return SavedFileName(name) + ".xml";
}

// Whether saving under `name` would replace the file of another character.
bool ReplacesAnotherCharacter(const std::string& name) {
    const std::string file = XmlFileName(name);
    std::error_code error;
    return file != saved_file_name &&
           std::filesystem::exists(SavedFilePath(kCharacterXmlDirectory, file), error);
}

std::string LogFileName(const std::string& name) {
    return SavedFileName(name) + ".log";
}

// The log of the character in hand: the run's dice log for a character made in this run; for
// one opened from its file, the log saved with it followed by what the run has logged since
// (none when nothing is new and it already is the log of this name).
std::optional<std::string> LogToSave(const std::string& log_name) {
    const std::string run = CreationLogText();
    if (opened_log_name.empty()) {
        return run;
    }
    const std::string fresh = run.size() > run_log_kept ? run.substr(run_log_kept) : "";
    if (opened_log_name == log_name && fresh.empty()) {
        return std::nullopt;
    }
    return ReadWholeFile(SavedFilePath(kCharacterLogDirectory, opened_log_name)).value_or("") +
           fresh;
}

// Keeps the character's dice log beside its file, under the same name and replaced with it,
// so that a later character's log never costs this one its record.
bool SaveCharacterLog(const std::string& name) {
    const std::string log_name = LogFileName(name);
    const std::optional<std::string> log = LogToSave(log_name);
    if (!log || log->empty()) {
        return true;
    }
    const auto target = SavedFilePath(kCharacterLogDirectory, log_name);
    std::string error;
    if (!ReplaceFileSafely(
            target, [&](std::ostream& out) { out << *log; }, error)) {
        Port().ShowMessage("The character log " + log_name + " was not saved: " + error + ".",
                           "CharacterLog");
        return false;
    }
    if (!opened_log_name.empty()) {
        opened_log_name = log_name; // the character's log now lives under its new name
        run_log_kept = CreationLogText().size();
    }
    return true;
}

} // namespace

void RememberSavedFile(const std::string& file_name) {
    saved_file_name = file_name;
    if (file_name.empty()) {
        opened_log_name.clear(); // a new character: its log is the run's
    }
}

void RememberOpenedCharacter(const std::string& file_name) {
    saved_file_name = file_name;
    opened_log_name = LogFileName(std::filesystem::path(file_name).stem().string());
    // Opening empties the run's log down to its clearing line: what follows is the character's.
    run_log_kept = CreationLogText().size();
}

SaveResult SaveCurrentCharacter() {
    std::string name = current_character.character_name;
    bool ask = Blank(name);
    for (;;) {
        if (ask) {
            const auto answer = Port().AskText(kNameMessage, kNameCaption, name);
            if (!answer) {
                return SaveResult::kCancelled;
            }
            if (Blank(*answer)) {
                return SaveResult::kCancelled; // a file needs a name: nothing is written
            }
            name = *answer;
        }
        if (!ReplacesAnotherCharacter(name) ||
            Port().AskYesNo("A saved character named " + name +
                                " already exists. Replace it with this character?",
                            kReplaceCaption)) {
            break;
        }
        ask = true; // kept the other character: ask for another name
    }
    if (name != current_character.character_name) {
        current_character.character_name = name;
        messagetotree();
    }
    const std::string file = XmlFileName(name);
    if (!CreateXMLSheet(file, 1)) {
        return SaveResult::kFailed;
    }
    RememberSavedFile(file);
    const bool sheet_saved = CreateHTMLSheet(SavedFileName(name) + ".html", 1);
    const bool log_saved = SaveCharacterLog(name);
    return sheet_saved && log_saved ? SaveResult::kSaved : SaveResult::kFailed;
}
