#pragma once

#include <array>
#include <filesystem>
#include <string>

// A class data file for tests: name, book, BP, social requirement, limits per ability
// (Strength to Comeliness), the supplement markers, and the level 1 thief points, skills and
// proficiency slots.
struct ClassFixture {
    std::string name = {};
    int book = 0;
    int bp = 0;
    int socialreq = 0;
    std::array<std::string, 7> min = {"3", "3", "3", "3", "3", "3", "3"};
    std::array<std::string, 7> max = {"25", "25", "25", "25", "25", "25", "25"};
    int cleric = 0, fighter = 0, mage = 0, thief = 0;
    int thiefpoints = 0;
    std::string thiefskills = {};
    int profslots = 0;
};

// Writes the class into Classes/ of `workspace` as <file_stem>Class.qdf.
void WriteClassFile(const std::filesystem::path& workspace, const std::string& file_stem,
                    const ClassFixture& record);
