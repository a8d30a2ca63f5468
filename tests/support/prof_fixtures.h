#pragma once

#include <filesystem>
#include <string>

// A weapon proficiency data file for tests.
struct ProfFixture {
    std::string name;
    int type = 1; // 1 melee, 2 missile, 3 thrown, 4 other style
    int book = 0;
    int spcost = 1;
};

// Writes the proficiency into Proficiencies/ of `workspace` as `<file_stem>_Prof.qdf`.
void WriteProfFile(const std::filesystem::path& workspace, const std::string& file_stem,
                   const ProfFixture& prof);

// Writes the nameless record the proficiency list ends with.
void WriteEmptyProfFile(const std::filesystem::path& workspace);
