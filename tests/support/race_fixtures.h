#pragma once

#include <string>
#include <vector>

#include <filesystem>

class CharacterRace;

// A race data file for tests: name, sex, book, the same limits for all seven abilities,
// adjustments (str, dex, con, int, wis, cha, com), BP and languages.
struct RaceFixture {
    std::string name;
    std::string sex = "Male";
    int book = 0;
    int min = 3;
    int max = 18;
    int adjustments[7] = {};
    int bp = 0;
    std::string languages[2] = {"Common", ""};
    int min_strength = -1;                      // when set, overrides the strength minimum
    int max_strength = -1;                      // when set, overrides the strength maximum
    std::vector<std::string> level_limits = {}; // "Fighter 12": the classes open to the race
    int thief_bases[9] = {};                    // Pick Pockets to Read Languages
};

// Writes the race into Races/ of `workspace` under `file_stem`.
void WriteRaceFile(const std::filesystem::path& workspace, const std::string& file_stem,
                   const RaceFixture& race);

// The body dice the background rolls for a human: age 15+1d4, height 60+2d10 and weight
// 140+3d20.
void GiveHumanBodyDice(CharacterRace& race);
