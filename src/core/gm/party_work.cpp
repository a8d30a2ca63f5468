#include "core/gm/party_work.h"

#include <cstring>
#include <sstream>
#include <system_error>

#include "core/files/character_file_reader.h"
#include "core/files/character_file_writer.h"
#include "core/files/character_write_back.h"
#include "core/gm/honor_party.h"
#include "core/gm/party_members.h"
#include "core/model/character.h"
#include "core/model/character_fields.h"
#include "core/model/user_port.h"
#include "core/wizard/creation_flow.h"

namespace fs = std::filesystem;

// Answers every question with "no" and keeps the windows out of the party's work.
class QuietPort final : public WindowlessPort {
public:
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    long AskNumber(const std::string&, const std::string&, const std::string&, long, long,
                   long) override {
        return -1;
    }
    std::optional<long> AskInteger(const std::string&, const std::string&, long, long,
                                   long) override {
        return std::nullopt;
    }
    std::optional<std::string> AskText(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    std::optional<int> AskChoice(const std::string&, const std::string&,
                                 const std::vector<std::string>&) override {
        return std::nullopt;
    }
    void ShowMessage(const std::string& text, const std::string& caption) override {
        messages.push_back(caption + ": " + text);
    }

    std::vector<std::string> messages;
};

namespace {

void EmptyRecord() {
    for (const CharacterField& field : CharacterFields()) {
        ClearCharacterField(field);
    }
}

} // namespace

std::optional<std::string> PartyWork::Refusal() {
    if (CreationInProgress()) {
        return "A character's creation is in progress: finish it before the party's character "
               "files are read or written.";
    }
    return std::nullopt;
}

PartyWork::PartyWork() : state_(program_data), quiet_(std::make_unique<QuietPort>()) {
    std::ostringstream out;
    WriteCharacterFile(out);
    in_hand_ = out.str();
    windows_ = InstallUserPort(quiet_.get());
}

PartyWork::~PartyWork() {
    EmptyRecord();
    std::istringstream in(in_hand_);
    XMLRead().ReadCharacterStream(in);
    program_data = state_;
    InstallUserPort(windows_);
}

std::string PartyWork::ReadMember(const PartyCharacter& member) {
    member_file_ = PartyMemberPath(member.file);
    std::error_code ec;
    if (member.file.empty()) {
        return "typed in by hand, no character file";
    }
    if (!fs::is_regular_file(member_file_, ec)) {
        return "missing";
    }
    EmptyRecord();
    program_data = ProgramState{};
    const CharacterReadReport report = XMLRead().ReadCharacterFile(member_file_);
    if (!report.opened || !report.read_error.empty()) {
        return "cannot be read (" + (report.opened ? report.read_error : "cannot be opened") + ")";
    }
    if (current_character.character_name != member.name) {
        return "now holds " + current_character.character_name + ", not " + member.name;
    }
    const fs::path log = CompanionsOf(fs::absolute(member_file_, ec)).log;
    if (log.string().size() >= sizeof program_data.log_file_name) {
        return "the dice log's path " + log.string() + " is too long";
    }
    fs::create_directories(log.parent_path(), ec);
    std::strcpy(program_data.log_file_name, log.string().c_str());
    return "";
}

std::string PartyWork::WriteMember() {
    std::string error;
    return WriteCharacterBack(member_file_, error) ? "" : "not written: " + error;
}

std::vector<std::string> PartyWork::TakeMessages() {
    std::vector<std::string> taken;
    taken.swap(quiet_->messages);
    return taken;
}
