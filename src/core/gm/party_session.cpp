#include "core/gm/party_session.h"

#include <algorithm>
#include <system_error>

#include "core/gm/honor_party.h"
#include "core/gm/party_file.h"
#include "core/model/workspace.h"

namespace fs = std::filesystem;

PartySession& CurrentPartySession() {
    static PartySession session;
    return session;
}

void NotePartyChanged() {
    CurrentPartySession().changed = true;
}

void StartNewParty() {
    ClearParty();
    CurrentPartySession() = PartySession{};
}

PartySessionOpening OpenPartySession(const fs::path& path) {
    const PartyFileReading reading = LoadPartyFile(path);
    if (!reading.error.empty()) {
        return {reading.error, {}};
    }
    PartySession& session = CurrentPartySession();
    session.opening = OpenPartyMembers(reading.party);
    session.file = path;
    session.changed = false;
    return {"", session.opening.problems};
}

bool SavePartySession(const fs::path& path, std::string& error) {
    PartySession& session = CurrentPartySession();
    if (!SavePartyFile(path, PartyFileOfTable(session.opening), error)) {
        return false;
    }
    session.file = path;
    session.changed = false;
    return true;
}

std::vector<std::string> KeptPartyNames() {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(WorkspacePath(kPartyDirectory), ec)) {
        if (entry.path().extension() == kPartyFileExtension) {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}
