#pragma once

#include <array>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/app/clear_all.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "support/golden.h"
#include "support/rules_records.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

// The items of one of the character's lists, "name=value" each, in order.
template <typename Item> std::vector<std::string> Listed(const Item* item) {
    std::vector<std::string> listed;
    for (; item; item = item->next.get()) {
        listed.push_back(item->name + "=" + std::to_string(item->value));
    }
    return listed;
}

// Gives the character these scores, Strength to Comeliness.
inline void SetScores(const std::array<int, 7>& scores) {
    for (std::size_t i = 0; i < scores.size(); ++i) {
        *current_character.Scores()[i] = scores[i];
    }
}

// A new character (a human male) with an empty log and no BP, so no roll is questioned, for
// the creation steps' tests; they read back the log the step wrote. A test whose log holds
// rolls queues their dice (QueueDieFaces).
class StepTest : public WorkspaceTest {
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

    // The log after "All variables have been cleared", one entry a line, as written.
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

    // The log after "All variables have been cleared", as one text.
    std::string StepLog() const {
        const std::string log = ReadFile(program_data.log_file_name);
        return log.substr(log.find('\n') + 1);
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

    // What the player was asked and told and what the log kept, a line each, for a test that
    // compares a whole exchange with a reviewed golden.
    std::string Transcript() const {
        std::ostringstream out;
        for (const ScriptedPort::Question& q : port.questions) {
            const std::string message = q.message.substr(0, q.message.find_last_not_of('\n') + 1);
            out << "asked " << q.kind << ": " << q.caption << " | " << message << " | " << q.prompt
                << " " << q.min << "-" << q.max << '\n';
        }
        for (const std::string& message : port.messages) {
            out << "told " << message << '\n';
        }
        for (const std::string& line : RawLines()) {
            out << "log " << line << '\n';
        }
        return out.str();
    }

    // Compares Transcript() with the reviewed golden tests/golden/steps/<suite>.<test>.txt.
    void ExpectTranscriptMatchesGolden() const {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        ExpectMatchesGolden(std::string("steps/") + test->test_suite_name() + '.' + test->name() +
                                ".txt",
                            Transcript());
    }

    ScriptedPort port;
    CharacterRace race;
};
