#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/program_state.h"

struct SavedCharacterSummary;

// One honor tracking window's work on the shared party table: adding and removing
// characters, applying awards from the honor tables by alignment, adjusting honor and
// temporal honor with a reason, and writing every change to the window's own honor log.
// The window drives this object; the tests drive it the same way.
//
// `selected` is the name shown in the party list's selected row, nullopt when no row is
// selected; with no row selected an award or an adjustment does nothing. Each operation
// returns whether the party table changed, so the window knows to show it again.
class HonorTracker {
public:
    // Names the honor log "Honor_%i.log" from a roll of 12d12 and creates or empties it.
    HonorTracker();

    const char* LogFileName() const { return log_file_name_; }

    // A saved character joins the party; its honor text is read as a number (no digits
    // reads 0). A refusal (no name, already in the party, party full) is shown. `file` is its
    // character file as the party file names it (PartyMemberFileOf), "" for none.
    bool AddSavedCharacter(const SavedCharacterSummary& saved, const std::string& file = "");
    // Asks for a character's name, alignment and honor and adds it, for when there are no
    // saved characters to pick from. Cancelling any question adds nobody.
    bool AddTypedCharacter();

    bool RemovePC(const std::optional<std::string>& selected);

    // Adds the award's points for the character's alignment to its temporal honor and logs
    // "<name> has been awarded: <award> for <n> points of Temporal Honor". An award text
    // that names no award does nothing; an alignment that is none of the nine is reported.
    bool AwardHonor(const std::optional<std::string>& selected, const std::string& award_text);

    // Ask a reason and an amount (1 to 20) and add the amount to honor, or to temporal
    // honor, with its log line. Cancelling either question adjusts nothing.
    bool AdjustHonor(const std::optional<std::string>& selected);
    bool AdjustTemporalHonor(const std::optional<std::string>& selected);

    // Writes lines of the party's work (honor written back, experience awarded) to the log.
    void LogLines(const std::vector<std::string>& lines);

private:
    bool Adjust(const std::optional<std::string>& selected, bool temporal);
    void Log(std::string text);

    char log_file_name_[kLogFileNameSize] = {};
};

// The honor log's name for a 12d12 roll.
std::string HonorLogFileName(int roll);

// The questions of an adjustment and of a typed-in character.
inline constexpr const char* kReasonMessage = "Enter Reason";
inline constexpr const char* kReasonCaption = "Reason for Honor Adjustment";
inline constexpr const char* kAmountMessage = "Enter amount of Honor Adjustment";
inline constexpr const char* kAmountPrompt = "Enter number";
inline constexpr const char* kAmountCaption = "Honor Adjustment";
inline constexpr long kLeastAdjustment = 1;
inline constexpr long kGreatestAdjustment = 20;
inline constexpr const char* kAddCharacterCaption = "Add Character";
