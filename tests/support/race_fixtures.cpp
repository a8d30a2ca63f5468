#include "support/race_fixtures.h"

#include <fstream>

#include "core/data/race_data.h"

void WriteRaceFile(const std::filesystem::path& workspace, const std::string& file_stem,
                   const RaceFixture& race) {
    std::filesystem::create_directories(workspace / "Races");
    std::ofstream out(workspace / "Races" / (file_stem + "_Race.qdf"));
    const auto element = [&out](const std::string& tag, const auto& value) {
        out << "  <" << tag << ">" << value << "</" << tag << ">\n";
    };
    static const char* const kAbilities[7] = {"STR", "DEX", "CON", "INT", "WIS", "CHA", "COM"};
    out << "<CHARACTER_RACE>\n";
    element("NAME", race.name);
    element("SEX", race.sex);
    element("BOOK", race.book);
    for (int i = 0; i < 7; ++i) {
        const std::string ability = kAbilities[i];
        const bool strength = i == 0;
        element("MIN" + ability, strength && race.min_strength >= 0 ? race.min_strength : race.min);
        element("MAX" + ability, strength && race.max_strength >= 0 ? race.max_strength : race.max);
        element(ability + "ADJ", race.adjustments[i]);
    }
    element("BP", race.bp);
    for (const std::string& language : race.languages) {
        if (!language.empty()) {
            element("LANGUAGES", language);
        }
    }
    for (const std::string& limit : race.level_limits) {
        element("LEVELLIMIT", limit);
    }
    static const char* const kThiefBases[9] = {"PICKPOCKETS", "OPENLOCKS",    "FINDTRAPS",
                                               "REMOVETRAPS", "MOVESILENTLY", "HIDEINSHADOWS",
                                               "DETECTNOISE", "CLIMBWALLS",   "READLANGUAGES"};
    for (int i = 0; i < 9; ++i) {
        if (race.thief_bases[i] != 0) {
            element(std::string("BASE") + kThiefBases[i], race.thief_bases[i]);
        }
    }
    out << "</CHARACTER_RACE>\n";
}

void GiveHumanBodyDice(CharacterRace& race) {
    race.baseage = 15;
    race.agedie = 4;
    race.agedierolls = 1;
    race.baseheight = 60;
    race.heightdie = 10;
    race.heightdierolls = 2;
    race.baseweight = 140;
    race.weightdie = 20;
    race.weightdierolls = 3;
}
