#include "support/saved_character_fixtures.h"

#include <fstream>

void WriteSavedCharacter(const std::filesystem::path& workspace, const std::string& file_name,
                         const SavedCharacterSummary& c) {
    const std::filesystem::path directory = workspace / "CharacterXML";
    std::filesystem::create_directories(directory);
    std::ofstream out(directory / file_name, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
        << "<FRAYMARK_CHARACTER>\n"
        << "<BIOGRAPHICAL_INFORMATION>\n"
        << "<CHARACTER_NAME>" << c.character_name << "</CHARACTER_NAME>\n"
        << "<RACE>" << c.race << "</RACE>\n"
        << "<CLASS_LONG_NAME>" << c.class_long_name << "</CLASS_LONG_NAME>\n"
        << "<LEVEL>" << c.level << "</LEVEL>\n"
        << "<ALIGNMENT>" << c.alignment << "</ALIGNMENT>\n"
        << "<SEX>" << c.sex << "</SEX>\n"
        << "</BIOGRAPHICAL_INFORMATION>\n"
        << "<HONOR_BASE>" << c.honor_base << "</HONOR_BASE>\n"
        << "</FRAYMARK_CHARACTER>\n";
}
