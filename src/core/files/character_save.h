#pragma once

#include <string>

// The save command: writes the character file and the character sheet of the current
// character under its name, without ever losing a character.
//
// - A character without a name (saved before the naming step, or with the name dialog
//   cancelled) is asked for one with the naming dialog's texts; cancelling saves nothing.
// - When a saved file of that name exists and is not the file this character was opened
//   from or last saved to, the player is asked before it is replaced; declining asks for
//   another name.
// - The character opened from a file, or saved before, replaces its own file silently.
// - Its dice log is kept beside it (CharacterLogs/NAME.log, replaced with the file): the run's
//   log for a character made in this run; a character opened from its file keeps the log
//   saved with it, copied to the new name when it is saved under another one.
enum class SaveResult { kSaved, kCancelled, kFailed };

SaveResult SaveCurrentCharacter();

// Notes that the current character was read from or written to `file_name` (in
// "CharacterXML"), so saving it again replaces that file without asking; "" for a character
// with no file of its own (a new one, whose log is the run's dice log).
void RememberSavedFile(const std::string& file_name);

// Notes that the current character was opened from `file_name`: saving replaces that file
// without asking, and its log is the one saved with it, not the run's.
void RememberOpenedCharacter(const std::string& file_name);
