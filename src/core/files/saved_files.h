#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

// Where saved characters live and how a file is replaced safely.

// The workspace sub-directories of the character files and of the character sheets.
constexpr const char* kCharacterXmlDirectory = "CharacterXML";
constexpr const char* kCharacterHtmlDirectory = "CharacterHTML";
// The dice log of each saved character, kept beside its file under the same name.
constexpr const char* kCharacterLogDirectory = "CharacterLogs";

// A file name inside one of those directories, as the save command builds it from the
// character's name. The name is kept as it is except for the path separators "/" and "\",
// which would put the file somewhere else; each becomes "_".
std::string SavedFileName(std::string_view name);

// `file_name` in the workspace sub-directory `directory`.
std::filesystem::path SavedFilePath(const char* directory, std::string_view file_name);

// Writes a text file so that a failure never destroys what was there before: `write` fills
// a temporary file beside `target`, which then replaces the target in one rename. Creates
// the target's directory when it is missing. On failure the temporary file is removed, the
// target is left as it was, `error` says what went wrong and the result is false.
bool ReplaceFileSafely(const std::filesystem::path& target,
                       const std::function<void(std::ostream&)>& write, std::string& error);
