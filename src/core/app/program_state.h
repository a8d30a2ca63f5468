#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kLogFileNameSize = 256;
constexpr int kQuirkBpSlots = 1000;

// The state of the creation in progress: the stage, the Building Points balance, the dice log
// file and the working values one creation step leaves for a later one.
class ProgramState {
public:
    int32_t creation_stage = 0; // 0: no creation in progress; else the open step's stage
    float building_points = 0.0f;
    char log_file_name[kLogFileNameSize] = {};
    int32_t money_roll_modifier = 0;
    int32_t honor_roll_modifier = 0;
    int32_t pending_minor_quirks = 0;
    int32_t pending_major_quirks = 0;
    int32_t pending_personality_quirks = 0;
    std::array<int32_t, kQuirkBpSlots> quirk_bp{};
    int32_t quirk_rolls_pending = 0;
    std::vector<std::string> pending_quirk_tables;
};

extern ProgramState program_data;

// Scratch strings for building text in the character file and sheet writers.
extern std::string temporaryString, temporaryString2, temporaryString3;

// Resets the character record and the creation state for a new character.
void Clear_All();

// Makes a character array the empty string.
void Clear_String(char* text);

// Brings every global of the program back to its start-of-run state (tests use this between
// cases): empty record and state, no log file name, options off, generator unseeded.
void ResetProgramForTests();
