#include "core/gm/party_commands.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/gm/honor_party.h"
#include "core/gm/honor_tracker.h"
#include "core/gm/party_awards.h"
#include "core/gm/party_file.h"
#include "core/gm/party_session.h"
#include "core/model/user_port.h"

namespace {

// The lines of a report, each on a line of its own, under a heading when there are some.
std::string Section(const char* heading, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += "\n" + line;
    }
    return text.empty() ? "" : "\n\n" + std::string(heading) + text;
}

void Tell(HonorTracker& tracker, const PartyWorkReport& report, const std::string& done) {
    if (!report.refusal.empty()) {
        Port().ShowMessage(report.refusal, kPartyCaption);
        return;
    }
    tracker.LogLines(report.written);
    Port().ShowMessage(done + Section("Written:", report.written) +
                           Section("Skipped:", report.problems) +
                           Section("May now advance:", report.ready),
                       kPartyCaption);
}

std::string PartyName() {
    const std::filesystem::path& file = CurrentPartySession().file;
    return file.empty() ? "the party" : "the party " + file.stem().string();
}

} // namespace

// Honor the tracker gave that no character file holds yet (the party file keeps only the
// temporal honor).
bool HonorUnwritten() {
    for (int i = 0; i < PartyCount(); ++i) {
        const PartyCharacter& member = pcs[static_cast<std::size_t>(i)];
        if (!member.file.empty() && member.honor != member.loaded_honor) {
            return true;
        }
    }
    return false;
}

bool MayLeaveParty() {
    if (!CurrentPartySession().changed || PartyCount() == 0) {
        return true;
    }
    const std::string unwritten =
        HonorUnwritten() ? " The honor given is not in the characters' files yet: \"Write "
                           "Honor to Characters\" puts it there."
                         : "";
    const auto choice = Port().AskChoice(
        "The party has changed since it was kept. Save " + PartyName() + " first?" + unwritten,
        kPartyCaption, {"Save the party", "Leave it unsaved", "Stay with it"});
    if (!choice || *choice == 2) {
        return false;
    }
    return *choice == 1 || SavePartyCommand();
}

bool NewPartyCommand() {
    if (!MayLeaveParty()) {
        return false;
    }
    StartNewParty();
    return true;
}

bool OpenPartyCommand() {
    const std::vector<std::string> names = KeptPartyNames();
    if (names.empty()) {
        Port().ShowMessage("No party is kept in this workspace yet: \"Save Party\" keeps the "
                           "one in hand.",
                           kPartyCaption);
        return false;
    }
    const auto chosen = Port().AskChoice("Choose the party to open", kPartyCaption, names);
    if (!chosen || !MayLeaveParty()) {
        return false;
    }
    const std::string& name = names[static_cast<std::size_t>(*chosen)];
    const PartySessionOpening opened = OpenPartySession(PartyFilePath(name));
    if (!opened.error.empty()) {
        Port().ShowMessage("The party " + name + " cannot be opened: " + opened.error,
                           kPartyCaption);
        return false;
    }
    if (!opened.problems.empty()) {
        Port().ShowMessage("The party " + name + " is open without these members:" +
                               Section("", opened.problems).substr(2),
                           kPartyCaption);
    }
    return true;
}

bool SavePartyCommand() {
    const std::filesystem::path file = CurrentPartySession().file;
    if (file.empty()) {
        return SavePartyAsCommand();
    }
    std::string error;
    if (!SavePartySession(file, error)) {
        Port().ShowMessage("The party was not saved: " + error, kPartyCaption);
        return false;
    }
    return true;
}

bool SavePartyAsCommand() {
    const std::filesystem::path& kept = CurrentPartySession().file;
    for (;;) {
        const auto name = Port().AskText("Name of the party", kPartyCaption,
                                         kept.empty() ? "" : kept.stem().string());
        if (!name || name->find_first_not_of(" \t") == std::string::npos) {
            return false;
        }
        const std::filesystem::path path = PartyFilePath(*name);
        std::error_code ec;
        if (path != kept && std::filesystem::exists(path, ec) &&
            !Port().AskYesNo("A party named " + *name + " is kept already. Replace it?",
                             kPartyCaption)) {
            continue;
        }
        std::string error;
        if (!SavePartySession(path, error)) {
            Port().ShowMessage("The party was not saved: " + error, kPartyCaption);
            return false;
        }
        return true;
    }
}

bool WriteHonorCommand(HonorTracker& tracker) {
    const PartyWorkReport report = WriteHonorToCharacters();
    Tell(tracker, report, "Honor written to the characters' files.");
    return report.refusal.empty() && !report.written.empty();
}

bool AwardPartyExperienceCommand(HonorTracker& tracker) {
    if (PartyCount() == 0) {
        Port().ShowMessage("The party has no members to award experience to.", kPartyCaption);
        return false;
    }
    const auto points = Port().AskInteger(
        "Experience points to award to the party (shared equally among its members):",
        "Award Experience", 0, 1, 100'000'000);
    if (!points) {
        return false;
    }
    const PartyWorkReport report = AwardPartyExperience(*points);
    Tell(tracker, report, std::to_string(*points) + " experience points awarded to the party.");
    return report.refusal.empty() && !report.written.empty();
}
