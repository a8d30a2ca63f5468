// The party verbs: a kept party of saved characters made, shown side by side, printed, and
// given experience that reaches every member's file.
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "cli/character_reading.h"
#include "cli/cli_args.h"
#include "cli/verbs.h"
#include "core/data/json_output.h"
#include "core/data/rules_lists.h"
#include "core/gm/party_awards.h"
#include "core/gm/party_file.h"
#include "core/gm/party_members.h"
#include "core/gm/party_table.h"

namespace {

namespace fs = std::filesystem;

void PrintProblems(const std::string& verb, const std::vector<std::string>& problems) {
    for (const std::string& problem : problems) {
        std::cerr << "fraymark: " << verb << ": " << problem << '\n';
    }
}

// The party file FILE names: a path as given when it holds a directory or names a file;
// else DIR/Parties/FILE, ".party" added when it is missing.
fs::path PartyFileNamed(const std::string& file) {
    std::error_code ec;
    if (file.find('/') != std::string::npos || fs::is_regular_file(file, ec)) {
        return file;
    }
    return PartyFilePath(file);
}

// Reads the party FILE names into the party table, the members that cannot be read named on
// standard error; the exit code when it cannot be read at all.
std::optional<int> OpenParty(const CliArgs& args, const std::string& verb) {
    if (!UseWorkspace(args, verb)) {
        return kExitUsage;
    }
    const std::string& named = args.positional.front();
    const fs::path path = PartyFileNamed(named);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return UsageFailure(verb + ": cannot open '" + named + "'");
    }
    const PartyFileReading reading = LoadPartyFile(path);
    if (!reading.error.empty()) {
        std::cerr << "fraymark: " << verb << ": " << named << ": " << reading.error << '\n';
        return kExitCheckFailed;
    }
    LoadAllRulesLists();
    PrintProblems(verb, OpenPartyMembers(reading.party).problems);
    return std::nullopt;
}

// The table as an array of objects, one a member, keyed by the column names; every cell a
// text as the table shows it ("5/4" for a member of two classes).
Json PartyTableJson(const PartyTable& table) {
    const std::vector<std::string> columns = PartyTableColumns();
    Json members = Json::array();
    for (const std::vector<std::string>& row : table.rows) {
        Json member = Json::object();
        for (std::size_t i = 0; i < row.size() && i < columns.size(); ++i) {
            member[columns[i]] = ValidUtf8(row[i]);
        }
        members.push_back(std::move(member));
    }
    return members;
}

} // namespace

int RunPartyNew(const CliArgs& args) {
    const std::string verb = "party new";
    if (args.positional.size() < 2) {
        return UsageFailure(verb + ": expected a party FILE and one CHARACTER_FILE or more");
    }
    if (!UseWorkspace(args, verb)) {
        return kExitUsage;
    }
    PartyFile party;
    for (std::size_t i = 1; i < args.positional.size(); ++i) {
        const fs::path file = CharacterFileNamed(args.positional[i]);
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) {
            return UsageFailure(verb + ": cannot open '" + args.positional[i] + "'");
        }
        party.members.push_back({PartyMemberFileOf(file), 0, ""});
    }
    if (party.members.size() > kPartySize) {
        return UsageFailure(verb + ": a party holds at most " + std::to_string(kPartySize) +
                            " members");
    }
    const fs::path path = PartyFileNamed(args.positional.front());
    std::string error;
    if (!SavePartyFile(path, party, error)) {
        std::cerr << "fraymark: " << verb << ": " << path.string() << ": " << error << '\n';
        return kExitCheckFailed;
    }
    for (const PartyMember& member : party.members) {
        std::cout << member.file << '\n';
    }
    return kExitOk;
}

int RunPartyShow(const CliArgs& args) {
    if (!ExpectFiles(args, "party show", 1, "one party FILE")) {
        return kExitUsage;
    }
    if (const auto failed = OpenParty(args, "party show")) {
        return *failed;
    }
    const PartyTable table = ReadPartyTable();
    PrintProblems("party show", table.problems);
    if (args.options.count("json")) {
        std::cout << JsonLine(PartyTableJson(table));
        return kExitOk;
    }
    std::string line;
    for (const std::string& column : PartyTableColumns()) {
        line += (line.empty() ? "" : "\t") + column;
    }
    std::cout << line << '\n';
    for (const std::vector<std::string>& row : table.rows) {
        line.clear();
        for (const std::string& cell : row) {
            line += (line.empty() ? "" : "\t") + TsvCell(cell);
        }
        std::cout << line << '\n';
    }
    return kExitOk;
}

int RunPartySheet(const CliArgs& args) {
    if (!ExpectFiles(args, "party sheet", 1, "one party FILE")) {
        return kExitUsage;
    }
    if (const auto failed = OpenParty(args, "party sheet")) {
        return *failed;
    }
    const PartyTable table = ReadPartyTable();
    PrintProblems("party sheet", table.problems);
    const std::string name = PartyFileNamed(args.positional.front()).stem().string();
    std::cout << PartySheetHtml(table, "Party: " + name);
    return kExitOk;
}

int RunPartyAwardXp(const CliArgs& args) {
    const std::string verb = "party award-xp";
    if (!ExpectFiles(args, verb, 2, "a party FILE and the XP")) {
        return kExitUsage;
    }
    const auto points = ParseWhole(args.positional[1]);
    if (!points || *points < 1) {
        return UsageFailure(verb + ": XP is a whole number from 1 up, not '" + args.positional[1] +
                            "'");
    }
    if (const auto failed = OpenParty(args, verb)) {
        return *failed;
    }
    const PartyWorkReport report = AwardPartyExperience(*points);
    for (const std::string& line : report.written) {
        std::cout << line << '\n';
    }
    for (const std::string& line : report.ready) {
        std::cout << line << '\n';
    }
    PrintProblems(verb, report.problems);
    return report.problems.empty() ? kExitOk : kExitCheckFailed;
}
