#include "cli/character_reading.h"

#include <iostream>
#include <system_error>

#include "core/data/rules_lists.h"
#include "core/files/character_file_reader.h"
#include "core/files/saved_files.h"
#include "core/model/workspace.h"

namespace fs = std::filesystem;

fs::path CharacterFileNamed(const std::string& file) {
    std::error_code ec;
    if (fs::exists(file, ec)) {
        return file;
    }
    for (const std::string& name : {file, file + ".xml"}) {
        const fs::path saved = WorkspacePath(kCharacterXmlDirectory) / name;
        if (fs::is_regular_file(saved, ec)) {
            return saved;
        }
    }
    return file;
}

bool ReadCharacter(const std::string& verb, const std::string& named) {
    const std::string file = CharacterFileNamed(named).string();
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        UsageFailure(verb + ": cannot open '" + named + "'");
        return false;
    }
    LoadAllRulesLists();
    const CharacterReadReport report = XMLRead().ReadCharacterFile(file);
    if (!report.opened) {
        UsageFailure(verb + ": cannot open '" + named + "'");
        return false;
    }
    for (const std::string& problem : report.problems) {
        std::cerr << file << ": " << problem << '\n';
    }
    return true;
}

bool ExpectFiles(const CliArgs& args, const std::string& verb, std::size_t files,
                 const char* expected) {
    if (args.positional.size() != files) {
        UsageFailure(verb + ": expected " + expected);
        return false;
    }
    return true;
}
