#include "core/gm/party_members.h"

#include <system_error>

#include "core/data/data_numbers.h"
#include "core/files/saved_files.h"
#include "core/model/workspace.h"

namespace fs = std::filesystem;

fs::path PartyMemberPath(const std::string& member_file) {
    if (member_file.find_first_of("/\\") == std::string::npos) {
        return SavedFilePath(kCharacterXmlDirectory, member_file);
    }
    return WorkspacePath(member_file);
}

std::string PartyMemberFileOf(const fs::path& file) {
    std::error_code ec;
    const fs::path whole = fs::weakly_canonical(fs::absolute(file, ec), ec);
    const fs::path saved = fs::weakly_canonical(WorkspacePath(kCharacterXmlDirectory), ec);
    const std::string name = whole.filename().string();
    if (whole.parent_path() == saved && name.find('\\') == std::string::npos) {
        return name;
    }
    return whole.string();
}

PartyCharacter PartyCharacterOf(const SavedCharacterSummary& saved, const std::string& file) {
    PartyCharacter character;
    character.name = saved.character_name;
    character.class_name = saved.class_long_name;
    character.level = saved.level;
    character.race = saved.race;
    character.sex = saved.sex;
    character.alignment = saved.alignment;
    character.honor = AtoiSaturating(saved.honor_base);
    character.loaded_honor = character.honor;
    character.file = file;
    return character;
}

PartyOpening OpenPartyMembers(const PartyFile& party) {
    PartyOpening opening;
    opening.notes = party.notes;
    ClearParty();
    for (const PartyMember& member : party.members) {
        VexlFileClass read;
        std::error_code ec;
        const fs::path path = PartyMemberPath(member.file);
        std::string problem;
        if (!fs::is_regular_file(path, ec)) {
            problem = "missing";
        } else {
            read.ParseCXML(path, &read);
            if (!read.read_error.empty()) {
                problem = "cannot be read (" + read.read_error + ")";
            }
        }
        if (problem.empty()) {
            PartyCharacter character = PartyCharacterOf(read, member.file);
            character.notes = member.notes;
            switch (AddToParty(character)) {
            case JoinResult::kJoined:
                pcs[static_cast<std::size_t>(PartyCount() - 1)].temporal_honor =
                    member.temporal_honor;
                continue;
            case JoinResult::kNoName:
                problem = "holds no character";
                break;
            case JoinResult::kAlreadyInParty:
            case JoinResult::kPartyFull:
                // Twice in one party: the second is dropped, the first stands for both.
                opening.problems.push_back(member.file + ": " + character.name +
                                           " is already in the party");
                continue;
            }
        }
        opening.absent.push_back(member);
        opening.problems.push_back(member.file + ": " + problem);
    }
    return opening;
}

PartyFile PartyFileOfTable(const PartyOpening& opening) {
    PartyFile party;
    party.notes = opening.notes;
    const int count = PartyCount();
    for (int i = 0; i < count; ++i) {
        const PartyCharacter& c = pcs[static_cast<std::size_t>(i)];
        if (!c.file.empty()) {
            party.members.push_back({c.file, c.temporal_honor, c.notes});
        }
    }
    for (const PartyMember& member : opening.absent) {
        party.members.push_back(member);
    }
    return party;
}
