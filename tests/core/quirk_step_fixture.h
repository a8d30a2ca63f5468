#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/app/clear_all.h"
#include "core/data/quirk_flaw.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

constexpr char kTable6A[] = "Player's Handbook 6A";
constexpr char kTable6B[] = "Player's Handbook 6B: Flaws, Minor (Physical)";
constexpr char kTable6C[] = "Player's Handbook 6C: Flaws, Minor (Physical)";
constexpr char kTable6E[] = "Player's Handbook 6E: Flaws, Major (Physical)";
constexpr char kTable6F[] = "Player's Handbook 6F: Quirks, Minor (Mental)";
constexpr char kTable6G[] = "Player's Handbook 6G: Quirks, Major (Mental)";
constexpr char kTable6H[] = "Player's Handbook 6H: Quirks, Minor (Personality)";

// A new character (a human male) with an empty log and no BP, so no roll is questioned.
class QuirkStepTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        Clear_All();
        race.name = "Human";
        race.sex = "Male";
        current_character.race_item = &race;
        current_character.race = race.name;
        current_character.sex = race.sex;
        program_data.building_points = 0.0f;
    }

    // The index of the entry named `name`.
    static int Entry(const std::string& name) {
        for (int i = 1; i < kQuirkFlawSlots; ++i) {
            if (name == quirkflaw[i].name) {
                return i;
            }
        }
        ADD_FAILURE() << "no entry " << name;
        return 0;
    }

    // The log after "All variables have been cleared", as written, one entry a line.
    std::vector<std::string> RawLines() const {
        std::istringstream log(ReadFile(program_data.log_file_name));
        std::vector<std::string> lines;
        std::string line;
        std::getline(log, line);
        while (std::getline(log, line)) {
            lines.push_back(line);
        }
        return lines;
    }

    // The same lines without the balance and the blank before the line end.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (std::string line : RawLines()) {
            line = line.substr(line.find("| ") + 2);
            line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }

    ScriptedPort port;
    CharacterRace race;
};
