#include "core/gm/party_awards.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>

#include "core/advance/experience_award.h"
#include "core/data/honor_die_table.h"
#include "core/dice/dice_log.h"
#include "core/gm/honor_party.h"
#include "core/gm/party_work.h"
#include "core/model/character.h"
#include "core/model/text.h"

namespace {

// Runs `change` on each member of the party table whose `wanted` is true, with the member's
// character in the record, and writes the member back when the change says so. `change`
// returns the line of what it did, or a problem through `problem`.
using MemberChange = std::function<std::string(int index, std::string& problem)>;

PartyWorkReport ForEachMember(const std::function<bool(int)>& wanted, const MemberChange& change) {
    PartyWorkReport report;
    if (const auto refusal = PartyWork::Refusal()) {
        report.refusal = *refusal;
        return report;
    }
    PartyWork work;
    const int count = PartyCount();
    for (int i = 0; i < count; ++i) {
        if (!wanted(i)) {
            continue;
        }
        const PartyCharacter& member = pcs[static_cast<std::size_t>(i)];
        const std::string who = member.file.empty() ? member.name : member.file;
        std::string problem = work.ReadMember(member);
        std::string done;
        if (problem.empty()) {
            done = change(i, problem);
        }
        if (problem.empty()) {
            problem = work.WriteMember();
        }
        if (!problem.empty()) {
            report.problems.push_back(who + ": " + problem + "; skipped");
            continue;
        }
        report.written.push_back(who + ": " + done);
        for (const std::string& ready : ClassesReadyToAdvance()) {
            report.ready.push_back(member.name + ": " + ready);
        }
    }
    for (const std::string& message : work.TakeMessages()) {
        report.problems.push_back(message);
    }
    return report;
}

int32_t Saturated(long long value) {
    return static_cast<int32_t>(std::clamp<long long>(value, std::numeric_limits<int32_t>::min(),
                                                      std::numeric_limits<int32_t>::max()));
}

} // namespace

PartyWorkReport WriteHonorToCharacters() {
    const auto changed = [](int i) {
        const PartyCharacter& member = pcs[static_cast<std::size_t>(i)];
        return member.honor != member.loaded_honor;
    };
    PartyWorkReport report = ForEachMember(changed, [](int i, std::string&) {
        PartyCharacter& member = pcs[static_cast<std::size_t>(i)];
        Character_Class& c = current_character;
        const long long gained = static_cast<long long>(member.honor) - member.loaded_honor;
        const int32_t before = c.honor;
        c.honor = Saturated(before + gained);
        SetHonorDice(c.level, c.honor, c.honor_standing);
        const std::string line =
            Printf("Honor from the party: %d %+lld = %d", before, gained, c.honor);
        LogCreationLine(line);
        member.honor = c.honor;
        member.loaded_honor = c.honor;
        return line;
    });
    report.ready.clear(); // honor brings no level
    return report;
}

std::vector<long long> PartyShares(long long points, int members) {
    std::vector<long long> shares;
    for (int i = 0; i < members; ++i) {
        shares.push_back(points / members + (i < points % members ? 1 : 0));
    }
    return shares;
}

PartyWorkReport AwardPartyExperience(long long points) {
    if (points < 1) {
        PartyWorkReport report;
        report.refusal = "An award is a whole number of experience points from 1 up";
        return report;
    }
    const std::vector<long long> shares = PartyShares(points, PartyCount());
    const auto has_share = [&](int i) { return shares[static_cast<std::size_t>(i)] > 0; };
    return ForEachMember(has_share, [&](int i, std::string& problem) {
        const long long share = shares[static_cast<std::size_t>(i)];
        if (const Outcome awarded = AwardExperience(share); !awarded) {
            problem = awarded.refusal();
            return std::string();
        }
        return Printf("%lld experience points", share);
    });
}
