#include "support/class_fixtures.h"

#include <fstream>

void WriteClassFile(const std::filesystem::path& workspace, const std::string& file_stem,
                    const ClassFixture& record) {
    std::filesystem::create_directories(workspace / "Classes");
    std::ofstream out(workspace / "Classes" / (file_stem + "Class.qdf"));
    static const char* const kAbilities[7] = {"STR", "DEX", "CON", "INT", "WIS", "CHA", "COM"};
    out << "<CHARACTER_CLASS>\n";
    out << "  <NAME>" << record.name << "</NAME>\n";
    out << "  <BOOK>" << record.book << "</BOOK>\n";
    out << "  <BP>" << record.bp << "</BP>\n";
    out << "  <SOCIALREQ>" << record.socialreq << "</SOCIALREQ>\n";
    for (int i = 0; i < 7; ++i) {
        out << "  <MIN" << kAbilities[i] << ">" << record.min[i] << "</MIN" << kAbilities[i]
            << ">\n";
        out << "  <MAX" << kAbilities[i] << ">" << record.max[i] << "</MAX" << kAbilities[i]
            << ">\n";
    }
    out << "  <CLERIC>" << record.cleric << "</CLERIC>\n";
    out << "  <FIGHTER>" << record.fighter << "</FIGHTER>\n";
    out << "  <MAGE>" << record.mage << "</MAGE>\n";
    out << "  <THIEF>" << record.thief << "</THIEF>\n";
    out << "  <THIEFPOINTS_1>" << record.thiefpoints << "</THIEFPOINTS_1>\n";
    out << "  <PROFSLOTS_1>" << record.profslots << "</PROFSLOTS_1>\n";
    if (!record.thiefskills.empty()) {
        out << "  <THIEFSKILLS>" << record.thiefskills << "</THIEFSKILLS>\n";
    }
    out << "</CHARACTER_CLASS>\n";
}
