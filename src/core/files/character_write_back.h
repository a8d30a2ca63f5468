#pragma once

#include <filesystem>
#include <string>

// Writing a saved character back where it lies, for the command line's changes to a file
// (an award, a new level), with its sheet and its dice log where "Save file" keeps them.

// Where a saved character's companions lie: a file in a "CharacterXML" folder has its sheet
// and dice log in the "CharacterHTML" and "CharacterLogs" folders beside that folder, under
// its own name, as "Save file" puts them; any other file has them beside it (NAME.html,
// NAME.log).
struct CharacterCompanions {
    std::filesystem::path sheet;
    std::filesystem::path log;
};
CharacterCompanions CompanionsOf(const std::filesystem::path& file);

// Logs the character's rolls from now on to the end of its own dice log (`log`), as the
// creation logged them: the workspace root moves to the log's folder, so set it last.
// False, with `error` set, when the log's name is too long to be a log file's name.
bool LogToCharacterLog(const std::filesystem::path& log, std::string& error);

// Writes the character in hand back to `file` and its sheet to its place, each replacing the
// old one only once complete; false, with `error` saying what failed, when either could not
// be written (the old file then stays as it was).
bool WriteCharacterBack(const std::filesystem::path& file, std::string& error);
