#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/model/program_state.h"

struct PartyCharacter;
class UserPort;
class QuietPort;

// Work on the party members' character files. A character file is read into the one
// character record, so the character in hand is put aside for as long as the work lasts: it
// is written to text as "Save file" writes it, and read back from that text when the work
// ends, with the program's state (its dice log, its Building Points) as it was. Meanwhile
// nothing reaches the windows: no message box, no log window, no tree; what a member's work
// logs goes to that member's own dice log.
class PartyWork {
public:
    // Why party work may not start now: a character's creation is in progress (its steps
    // hold more than its file does). None when it may.
    static std::optional<std::string> Refusal();

    PartyWork();
    ~PartyWork();
    PartyWork(const PartyWork&) = delete;
    PartyWork& operator=(const PartyWork&) = delete;

    // Reads the member's character file into the emptied record and sends what is logged to
    // the member's own dice log. The problem ("missing", "now holds Tam, not Brenna"), or ""
    // when the member's character is in the record.
    std::string ReadMember(const PartyCharacter& member);

    // Writes the character in the record back to the member's file and its sheet, each
    // replacing the old one only once complete; the problem, or "" when both were written.
    std::string WriteMember();

    // What the work would have shown in a message box (a log line that could not be
    // written), taken once.
    std::vector<std::string> TakeMessages();

private:
    std::string in_hand_;
    ProgramState state_;
    std::unique_ptr<QuietPort> quiet_;
    UserPort* windows_ = nullptr;
    std::filesystem::path member_file_;
};
