// The character verbs of life after creation: experience awarded to a saved character, and a
// level advanced with the automatic player's choices; the file and its sheet are written back
// and every step is logged to the character's own dice log.
#include <filesystem>
#include <iostream>
#include <strings.h>

#include "cli/character_reading.h"
#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/advance/experience_award.h"
#include "core/advance/level_advancement.h"
#include "core/data/data_numbers.h"
#include "core/dice/vexl_random.h"
#include "core/files/character_write_back.h"
#include "core/model/data_items.h"
#include "core/player/auto_player.h"

namespace {

namespace fs = std::filesystem;

// Reads the character FILE names and sends its log lines to its own dice log; the absolute
// path of the file, or none after a message.
std::optional<fs::path> OpenForChange(const CliArgs& args, const std::string& verb) {
    if (!UseWorkspace(args, verb) || !ReadCharacter(verb, args.positional.front())) {
        return std::nullopt;
    }
    std::error_code ec;
    const fs::path file = fs::absolute(CharacterFileNamed(args.positional.front()), ec);
    std::string error;
    if (!LogToCharacterLog(CompanionsOf(file).log, error)) {
        std::cerr << "fraymark: " << verb << ": " << error << '\n';
        return std::nullopt;
    }
    return file;
}

int WriteBack(const fs::path& file, const std::string& verb) {
    std::string error;
    if (!WriteCharacterBack(file, error)) {
        std::cerr << "fraymark: " << verb << ": " << error << '\n';
        return kExitCheckFailed;
    }
    return kExitOk;
}

// The classes as the advance window lists them, tab-separated with a header.
void PrintClasses() {
    std::cout << "class\tlevel\texperience\tnext\tadvance\n";
    for (const ClassProgress& progress : LevelAdvancement::Classes()) {
        std::cout << progress.item->name << '\t' << progress.level << '\t'
                  << ExperienceText(progress.experience) << '\t'
                  << (progress.next_level_experience
                          ? std::to_string(*progress.next_level_experience)
                          : std::string("-"))
                  << '\t' << (progress.MayAdvance() ? std::string("yes") : progress.why_not)
                  << '\n';
    }
}

// The row of the class named `wanted` (letter case ignored), or the first that may advance.
std::optional<int> ClassRow(const std::string& wanted) {
    const std::vector<ClassProgress> rows = LevelAdvancement::Classes();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (wanted.empty() ? rows[i].MayAdvance()
                           : strcasecmp(rows[i].item->name.c_str(), wanted.c_str()) == 0) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

} // namespace

int RunCharacterAwardXp(const CliArgs& args) {
    const std::string verb = "character award-xp";
    if (!ExpectFiles(args, verb, 2, "a character FILE and the XP")) {
        return kExitUsage;
    }
    const auto points = ParseWhole(args.positional[1]);
    if (!points || *points < 1) {
        return UsageFailure(verb + ": XP is a whole number from 1 up, not '" + args.positional[1] +
                            "'");
    }
    const auto file = OpenForChange(args, verb);
    if (!file) {
        return kExitUsage;
    }
    if (const Outcome awarded = AwardExperience(*points); !awarded) {
        std::cerr << "fraymark: " << verb << ": " << awarded.refusal() << '\n';
        return kExitCheckFailed;
    }
    PrintClasses();
    return WriteBack(*file, verb);
}

int RunCharacterAdvance(const CliArgs& args) {
    const std::string verb = "character advance";
    if (!ExpectFiles(args, verb)) {
        return kExitUsage;
    }
    const auto clock = IntegerOption(args, "clock", -1, 0, UINT32_MAX);
    if (!clock) {
        return kExitUsage;
    }
    const auto file = OpenForChange(args, verb);
    if (!file) {
        return kExitUsage;
    }
    const auto named = args.options.find("class");
    const std::string wanted = named == args.options.end() ? "" : named->second;
    const std::optional<int> row = ClassRow(wanted);
    if (!row) {
        std::cerr << "fraymark: " << verb << ": "
                  << (wanted.empty() ? "no class of the character may advance now"
                                     : "the character has no class '" + wanted + "'")
                  << '\n';
        PrintClasses();
        return kExitCheckFailed;
    }
    if (const ClassProgress chosen = LevelAdvancement::Classes()[static_cast<std::size_t>(*row)];
        !chosen.MayAdvance()) {
        std::cerr << "fraymark: " << verb << ": " << chosen.item->name
                  << " may not advance: " << chosen.why_not << '\n';
        return kExitCheckFailed;
    }
    SeedVexlrandAsClock(args.options.contains("clock") ? static_cast<uint32_t>(*clock)
                                                       : VexlClockNow());
    AutoPlayer player([](const std::string&, const std::string&) { return std::string(); });
    try {
        for (const std::string& line : player.AdvanceClass(*row)) {
            std::cout << line << '\n';
        }
    } catch (const AutoPlayerError& refused) {
        std::cerr << "fraymark: " << verb << ": " << refused.what() << '\n';
        PrintClasses();
        return kExitCheckFailed;
    }
    return WriteBack(*file, verb);
}
