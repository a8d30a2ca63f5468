#include "support/sample_character.h"

#include <fstream>

#include <gtest/gtest.h>

#include "core/files/character_file_reader.h"
#include "core/model/character.h"

namespace fs = std::filesystem;

std::string DataRecord(const std::string& record_tag, const std::string& lines) {
    return "<" + record_tag + ">\n" + lines + "</" + record_tag + ">\n";
}

namespace {

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

void WriteSampleRulesData(const fs::path& workspace) {
    Write(workspace / "Races" / "Human_Female_Race.qdf",
          DataRecord("CHARACTER_RACE", "<NAME>Human</NAME>\n<SEX>Female</SEX>\n<MOVE>9</MOVE>\n"
                                       "<RTEXT>Adaptable to any land</RTEXT>\n"
                                       "<RDOWNSIDE>Short-lived</RDOWNSIDE>\n"));
    Write(workspace / "Classes" / "FighterClass.qdf",
          DataRecord("CHARACTER_CLASS",
                     "<NAME>Fighter</NAME>\n<SAVEAS>2</SAVEAS>\n<FIGHTER>1</FIGHTER>\n"));
}

void MakeSampleCharacter() {
    // The file lists her clothes with the rest of her equipment.
    current_character.equipment.Clear();
    const CharacterReadReport report = XMLRead().ReadCharacterFile(
        fs::path(FRAYMARK_SOURCE_DIR) / "tests/golden/brenna_character.xml");
    ASSERT_TRUE(report.complete);
    ASSERT_TRUE(report.problems.empty()) << report.problems.front();
    // The file does not carry her honor standing and die; reading works them out, but the
    // sample stands without them, as a record the creation steps have not reached.
    current_character.honor_standing.clear();
    current_character.honor_die_sides = current_character.honor_die_bonus = 0;
}
