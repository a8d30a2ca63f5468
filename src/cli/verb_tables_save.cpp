// tables save: one saving throw for a character described on the command line.
#include <climits>
#include <iostream>

#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/data/saving_throws.h"
#include "core/model/character.h"

int RunTablesSave(const CliArgs& args) {
    if (args.positional.size() != 1) {
        return UsageFailure(
            "tables save: expected one save name, e.g. Poison or \"Breath Weapon\"");
    }
    const std::string& save_name = args.positional.front();
    if (!NamesASave(save_name)) {
        return UsageFailure("tables save: '" + save_name +
                            "' names no saving throw (Paralyzation, Poison, Death Magic, Rod, "
                            "Staff, Wand, Petrification, Polymorph, FrayFrenzy, FrayLust, "
                            "Breath Weapon, Apology, Spell)");
    }
    if (!args.options.count("level") || !args.options.count("saveas")) {
        return UsageFailure("tables save: --level L and --saveas N are required");
    }
    const auto level = IntegerOption(args, "level", 1, INT_MIN, INT_MAX);
    const auto saveas = IntegerOption(args, "saveas", 1, 1, 5);
    const auto constitution = IntegerOption(args, "con", 0, INT_MIN, INT_MAX);
    if (!level || !saveas || !constitution) {
        return kExitUsage;
    }

    // The class and the race come from the data of the current directory, as the toolkit
    // loads it; the save table is always the one --saveas names.
    CharacterClass stand_in_class;
    CharacterClass* class_record = &stand_in_class;
    if (const auto found = args.options.find("class"); found != args.options.end()) {
        CClass.LoadClass();
        class_record = CharacterClass::Named(found->second);
        if (!class_record) {
            return UsageFailure("tables save: no class named '" + found->second +
                                "' in the Classes directory");
        }
    }
    CharacterRace* race_record = nullptr;
    if (const auto found = args.options.find("race"); found != args.options.end()) {
        CRace.LoadRace();
        race_record = CharacterRace::Named(found->second);
        if (!race_record) {
            return UsageFailure("tables save: no race named '" + found->second +
                                "' in the Races directory");
        }
    }
    class_record->saveas = static_cast<int32_t>(*saveas);
    current_character.class_item = class_record;
    current_character.race_item = race_record;
    current_character.constitution_base = static_cast<int32_t>(*constitution);

    std::cout << GetSave(save_name, static_cast<int>(*level)) << '\n';
    current_character.class_item = nullptr;
    current_character.race_item = nullptr;
    return kExitOk;
}
