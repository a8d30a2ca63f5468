#include "support/prof_fixtures.h"

#include <fstream>

void WriteProfFile(const std::filesystem::path& workspace, const std::string& file_stem,
                   const ProfFixture& prof) {
    std::filesystem::create_directories(workspace / "Proficiencies");
    std::ofstream out(workspace / "Proficiencies" / (file_stem + "_Prof.qdf"));
    out << "<CHARACTER_PROF>\n";
    out << "  <NAME>" << prof.name << "</NAME>\n";
    out << "  <BOOK>" << prof.book << "</BOOK>\n";
    out << "  <TYPE>" << prof.type << "</TYPE>\n";
    out << "  <SPCOST>" << prof.spcost << "</SPCOST>\n";
    out << "</CHARACTER_PROF>\n";
}

void WriteEmptyProfFile(const std::filesystem::path& workspace) {
    std::filesystem::create_directories(workspace / "Proficiencies");
    std::ofstream out(workspace / "Proficiencies" / "empty.qdf");
    out << "<CHARACTER_PROF>\n</CHARACTER_PROF>\n";
}
