#include "core/files/character_write_back.h"

#include <cstring>
#include <system_error>

#include "core/files/character_file_writer.h"
#include "core/files/character_sheet.h"
#include "core/files/saved_files.h"
#include "core/model/program_state.h"
#include "core/model/workspace.h"

namespace fs = std::filesystem;

CharacterCompanions CompanionsOf(const fs::path& file) {
    const fs::path folder = file.parent_path();
    const std::string name = file.stem().string();
    if (folder.filename() == kCharacterXmlDirectory) {
        const fs::path home = folder.parent_path();
        return {home / kCharacterHtmlDirectory / (name + ".html"),
                home / kCharacterLogDirectory / (name + ".log")};
    }
    return {folder / (name + ".html"), folder / (name + ".log")};
}

bool LogToCharacterLog(const fs::path& log, std::string& error) {
    const std::string name = log.filename().string();
    if (name.size() >= sizeof program_data.log_file_name) {
        error = "the log name " + name + " is too long";
        return false;
    }
    std::error_code ec;
    fs::create_directories(log.parent_path(), ec);
    SetWorkspaceRoot(log.parent_path());
    std::strcpy(program_data.log_file_name, name.c_str());
    return true;
}

bool WriteCharacterBack(const fs::path& file, std::string& error) {
    if (!ReplaceFileSafely(file, WriteCharacterFile, error)) {
        error = file.string() + ": " + error;
        return false;
    }
    const fs::path sheet = CompanionsOf(file).sheet;
    if (!ReplaceFileSafely(sheet, WriteCharacterSheet, error)) {
        error = sheet.string() + ": " + error;
        return false;
    }
    return true;
}
