#include "core/gm/honor_tracker.h"

#include <cstdio>
#include <vector>

#include "core/data/data_numbers.h"
#include "core/dice/dice.h"
#include "core/dice/dice_log.h"
#include "core/gm/honor_awards.h"
#include "core/gm/honor_party.h"
#include "core/gm/party_members.h"
#include "core/gm/saved_character_list.h"
#include "core/model/user_port.h"

namespace {

PartyCharacter* SelectedCharacter(const std::optional<std::string>& selected) {
    if (!selected) {
        return nullptr;
    }
    const int index = FindPartyCharacter(*selected);
    return index < 0 ? nullptr : &pcs[static_cast<std::size_t>(index)];
}

bool Join(const PartyCharacter& character) {
    switch (AddToParty(character)) {
    case JoinResult::kJoined:
        return true;
    case JoinResult::kNoName:
        Port().ShowMessage("A character without a name cannot join the party.",
                           kAddCharacterCaption);
        return false;
    case JoinResult::kAlreadyInParty:
        Port().ShowMessage(character.name + " is already in the party.", kAddCharacterCaption);
        return false;
    case JoinResult::kPartyFull:
        Port().ShowMessage("The party is full: it holds 20 characters. Remove one before "
                           "adding another.",
                           kAddCharacterCaption);
        return false;
    }
    return false;
}

} // namespace

std::string HonorLogFileName(int roll) {
    char name[kLogFileNameSize];
    std::snprintf(name, sizeof name, "Honor_%i.log", roll);
    return name;
}

HonorTracker::HonorTracker() {
    const std::string name = HonorLogFileName(DiceRoll(12, 12));
    std::snprintf(log_file_name_, sizeof log_file_name_, "%s", name.c_str());
    Create_Filename(log_file_name_);
}

void HonorTracker::Log(std::string text) {
    Format_Entry(text, log_file_name_);
}

void HonorTracker::LogLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        Log(line);
    }
}

bool HonorTracker::AddSavedCharacter(const SavedCharacterSummary& saved, const std::string& file) {
    return Join(PartyCharacterOf(saved, file));
}

bool HonorTracker::AddTypedCharacter() {
    const auto name = Port().AskText(
        "There are no saved characters to pick from. Enter the name of the character to add",
        kAddCharacterCaption, "");
    if (!name) {
        return false;
    }
    const std::vector<std::string> alignments(kAlignmentNames.begin(), kAlignmentNames.end());
    const auto alignment =
        Port().AskChoice("Choose the alignment of " + *name, kAddCharacterCaption, alignments);
    if (!alignment || *alignment < 0 || *alignment >= kAlignments) {
        return false;
    }
    const auto honor = Port().AskText("Enter the honor of " + *name, kAddCharacterCaption, "0");
    if (!honor) {
        return false;
    }
    SavedCharacterSummary typed;
    typed.character_name = *name;
    typed.alignment = kAlignmentNames[static_cast<std::size_t>(*alignment)];
    typed.honor_base = *honor;
    return AddSavedCharacter(typed);
}

bool HonorTracker::RemovePC(const std::optional<std::string>& selected) {
    return selected && RemoveFromParty(FindPartyCharacter(*selected));
}

bool HonorTracker::AwardHonor(const std::optional<std::string>& selected,
                              const std::string& award_text) {
    PartyCharacter* character = SelectedCharacter(selected);
    const HonorAward* award = FindHonorAward(award_text);
    if (character == nullptr || award == nullptr) {
        return false;
    }
    const int column = AlignmentColumn(character->alignment);
    if (column < 0) {
        Port().ShowMessage("No award was applied: the alignment of " + character->name + " (\"" +
                               character->alignment + "\") is none of the nine alignments.",
                           "Apply Honor Award");
        return false;
    }
    const int32_t points = HonorAwardPoints(*award, column, character->honor, character->level);
    character->temporal_honor = AddHonor(character->temporal_honor, points);
    Log(character->name + " has been awarded: " + award_text + " for " + std::to_string(points) +
        " points of Temporal Honor");
    return true;
}

bool HonorTracker::AdjustHonor(const std::optional<std::string>& selected) {
    return Adjust(selected, false);
}

bool HonorTracker::AdjustTemporalHonor(const std::optional<std::string>& selected) {
    return Adjust(selected, true);
}

bool HonorTracker::Adjust(const std::optional<std::string>& selected, bool temporal) {
    PartyCharacter* character = SelectedCharacter(selected);
    if (character == nullptr) {
        return false;
    }
    const auto reason = Port().AskText(kReasonMessage, kReasonCaption, "");
    if (!reason) {
        return false;
    }
    const long amount = Port().AskNumber(kAmountMessage, kAmountPrompt, kAmountCaption,
                                         kLeastAdjustment, kLeastAdjustment, kGreatestAdjustment);
    if (amount < kLeastAdjustment || amount > kGreatestAdjustment) {
        return false; // cancelled
    }
    const int32_t points = static_cast<int32_t>(amount);
    if (temporal) {
        character->temporal_honor = AddHonor(character->temporal_honor, points);
        Log(character->name + " has had Temporal Honor adjusted: " + *reason + " for " +
            std::to_string(points) + " points of Temporal Honor");
    } else {
        character->honor = AddHonor(character->honor, points);
        Log(character->name + " has had Honor adjusted: " + *reason + " for " +
            std::to_string(points) + " points of Honor");
    }
    return true;
}
