// The character verbs: a character file's record, its sheet, and the list of saved characters.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

#include "cli/character_fields.h"
#include "cli/character_json.h"
#include "cli/character_reading.h"
#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/files/character_list.h"
#include "core/files/character_sheet.h"
#include "core/files/saved_files.h"
#include "core/model/workspace.h"

int RunCharacterShow(const CliArgs& args) {
    if (!ExpectFiles(args, "character show") || !UseWorkspace(args, "character show") ||
        !ReadCharacter("character show", args.positional.front())) {
        return kExitUsage;
    }
    if (args.options.count("json")) {
        std::cout << JsonLine(CharacterJson());
    } else {
        PrintCharacterFields(std::cout);
    }
    return kExitOk;
}

int RunCharacterSheet(const CliArgs& args) {
    if (!ExpectFiles(args, "character sheet") || !UseWorkspace(args, "character sheet") ||
        !ReadCharacter("character sheet", args.positional.front())) {
        return kExitUsage;
    }
    const auto out = args.options.find("out");
    if (out == args.options.end()) {
        WriteCharacterSheet(std::cout);
        return kExitOk;
    }
    std::string error;
    if (!ReplaceFileSafely(out->second, WriteCharacterSheet, error)) {
        std::cerr << "fraymark: character sheet: " << error << '\n';
        return kExitCheckFailed;
    }
    return kExitOk;
}

int RunCharacterList(const CliArgs& args) {
    if (!UseWorkspace(args, "character list")) {
        return kExitUsage;
    }
    VexlFileClass scanner;
    scanner.LoadCharacter();
    std::cout << "name\tclass\tlevel\trace\tfile\n";
    for (const VexlFileClass* r = VexlFileClass::pHead.get(); r; r = r->next.get()) {
        std::cout << TsvCell(r->character_name) << '\t' << TsvCell(r->class_long_name) << '\t'
                  << TsvCell(r->level) << '\t' << TsvCell(r->race) << '\t' << TsvCell(r->file_name)
                  << '\n';
        if (!r->read_error.empty()) {
            std::cerr << "fraymark: character list: " << r->file_name << ": cannot be read ("
                      << r->read_error << ")\n";
        }
    }
    VexlFileClass::Clear();
    return kExitOk;
}
