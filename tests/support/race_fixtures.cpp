#include "support/race_fixtures.h"

#include <fstream>

void WriteRaceFile(const std::filesystem::path& workspace, const std::string& file_stem,
                   const RaceFixture& race) {
    std::filesystem::create_directories(workspace / "Races");
    std::ofstream out(workspace / "Races" / (file_stem + "_Race.qdf"));
    static const char* const kAbilities[7] = {"STR", "DEX", "CON", "INT", "WIS", "CHA", "COM"};
    out << "<CHARACTER_RACE>\n";
    out << "  <NAME>" << race.name << "</NAME>\n";
    out << "  <SEX>" << race.sex << "</SEX>\n";
    out << "  <BOOK>" << race.book << "</BOOK>\n";
    for (int i = 0; i < 7; ++i) {
        int min = race.min, max = race.max;
        if (i == 0 && race.min_strength >= 0) {
            min = race.min_strength;
        }
        if (i == 0 && race.max_strength >= 0) {
            max = race.max_strength;
        }
        out << "  <MIN" << kAbilities[i] << ">" << min << "</MIN" << kAbilities[i] << ">\n";
        out << "  <MAX" << kAbilities[i] << ">" << max << "</MAX" << kAbilities[i] << ">\n";
        out << "  <" << kAbilities[i] << "ADJ>" << race.adjustments[i] << "</" << kAbilities[i]
            << "ADJ>\n";
    }
    out << "  <BP>" << race.bp << "</BP>\n";
    for (const std::string& language : race.languages) {
        if (!language.empty()) {
            out << "  <LANGUAGES>" << language << "</LANGUAGES>\n";
        }
    }
    for (const std::string& limit : race.level_limits) {
        out << "  <LEVELLIMIT>" << limit << "</LEVELLIMIT>\n";
    }
    static const char* const kThiefBases[9] = {"PICKPOCKETS", "OPENLOCKS",    "FINDTRAPS",
                                               "REMOVETRAPS", "MOVESILENTLY", "HIDEINSHADOWS",
                                               "DETECTNOISE", "CLIMBWALLS",   "READLANGUAGES"};
    for (int i = 0; i < 9; ++i) {
        if (race.thief_bases[i] != 0) {
            out << "  <BASE" << kThiefBases[i] << ">" << race.thief_bases[i] << "</BASE"
                << kThiefBases[i] << ">\n";
        }
    }
    out << "</CHARACTER_RACE>\n";
}
