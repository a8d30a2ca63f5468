// The character verbs: a character file's record, its sheet, and the list of saved characters.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

#include "cli/character_fields.h"
#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/data/rules_lists.h"
#include "core/files/character_file_reader.h"
#include "core/files/character_list.h"
#include "core/files/character_sheet.h"
#include "core/files/saved_files.h"
#include "core/model/workspace.h"

namespace {

namespace fs = std::filesystem;

// The character file FILE names: the path as given when something is there; else the
// workspace's CharacterXML/FILE, as `character list` prints it, or CharacterXML/FILE.xml for
// a name given without its extension. FILE itself when none of them is a file.
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

// Reads FILE as the toolkit opens a character: the rules lists of the workspace loaded, the
// record empty, the race and class found again by name. Problems the reader noted go to
// standard error. False, after a usage message, when FILE cannot be read.
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

// The words after "show" or "sheet": one FILE and the known options.
std::optional<CliArgs> FileArguments(const std::vector<std::string>& words,
                                     const std::vector<std::string>& known,
                                     const std::string& verb) {
    std::string error;
    auto args = SplitArgs(words, known, error);
    if (!args) {
        UsageFailure(verb + ": " + error);
        return std::nullopt;
    }
    if (args->positional.size() != 1) {
        UsageFailure(verb + ": expected one character FILE");
        return std::nullopt;
    }
    return args;
}

int Show(const std::vector<std::string>& words) {
    const auto args = FileArguments(words, {"dir"}, "character show");
    if (!args || !UseWorkspace(*args, "character show") ||
        !ReadCharacter("character show", args->positional.front())) {
        return kExitUsage;
    }
    PrintCharacterFields(std::cout);
    return kExitOk;
}

int Sheet(const std::vector<std::string>& words) {
    const auto args = FileArguments(words, {"dir", "out"}, "character sheet");
    if (!args || !UseWorkspace(*args, "character sheet") ||
        !ReadCharacter("character sheet", args->positional.front())) {
        return kExitUsage;
    }
    const auto out = args->options.find("out");
    if (out == args->options.end()) {
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

// A cell of the tab-separated list: tabs and line ends inside a value become blanks.
std::string Cell(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

int List(const std::vector<std::string>& words) {
    std::string error;
    const auto args = SplitArgs(words, {"dir"}, error);
    if (!args) {
        return UsageFailure("character list: " + error);
    }
    if (!args->positional.empty()) {
        return UsageFailure("character list: unexpected argument '" + args->positional.front() +
                            "'");
    }
    if (!UseWorkspace(*args, "character list")) {
        return kExitUsage;
    }
    VexlFileClass scanner;
    scanner.LoadCharacter();
    std::cout << "name\tclass\tlevel\trace\tfile\n";
    for (const VexlFileClass* r = VexlFileClass::pHead.get(); r; r = r->next.get()) {
        std::cout << Cell(r->character_name) << '\t' << Cell(r->class_long_name) << '\t'
                  << Cell(r->level) << '\t' << Cell(r->race) << '\t' << Cell(r->file_name) << '\n';
        if (!r->read_error.empty()) {
            std::cerr << "fraymark: character list: " << r->file_name << ": cannot be read ("
                      << r->read_error << ")\n";
        }
    }
    VexlFileClass::Clear();
    return kExitOk;
}

} // namespace

int RunCharacter(const std::vector<std::string>& words) {
    static const SubVerbs kCharacter = {"character",
                                        "expected 'show FILE', 'sheet FILE' or 'list'",
                                        "action",
                                        "show, sheet or list",
                                        {{"show", Show}, {"sheet", Sheet}, {"list", List}}};
    return RunSubVerb(kCharacter, words);
}
