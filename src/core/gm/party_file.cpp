#include "core/gm/party_file.h"

#include <charconv>
#include <optional>

#include "core/files/saved_files.h"
#include "core/files/saved_text.h"
#include "core/gm/honor_party.h"
#include "core/model/text.h"
#include "core/model/workspace.h"

namespace {

constexpr std::string_view kNotesKey = "notes";
constexpr std::string_view kMemberKey = "member";

bool ReadWhole(std::string_view text, int32_t& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

// Checks the first line: the file's kind and the version of its format.
std::string ReadHeader(std::string_view line) {
    const std::string magic = std::string(kPartyFileMagic) + ' ';
    int32_t version = 0;
    if (line.substr(0, magic.size()) != magic || !ReadWhole(line.substr(magic.size()), version) ||
        version < 1) {
        return "line 1: this is no party file (it does not begin with \"" + magic + "1\")";
    }
    if (version > kPartyFileVersion) {
        return "the party file is of format " + std::to_string(version) +
               ", written by a newer toolkit; this one reads format " +
               std::to_string(kPartyFileVersion) + " only";
    }
    return "";
}

// Reads one line after the first into `party`; the problem, or "" when it was read.
std::string ReadLine(std::string_view line, PartyFile& party, bool& notes_seen) {
    const std::vector<std::string_view> fields = SplitAt(line, '\t');
    if (fields[0] == kNotesKey && fields.size() == 2) {
        if (notes_seen) {
            return "the party's notes are given twice";
        }
        notes_seen = true;
        party.notes = UnescapeSavedText(fields[1]);
        return "";
    }
    if (fields[0] != kMemberKey || fields.size() != 4) {
        return "'" + EscapeSavedText(line.substr(0, 40)) +
               "' is neither a member (member, file, temporal honor, notes) nor the notes";
    }
    PartyMember member;
    member.file = UnescapeSavedText(fields[1]);
    if (member.file.empty()) {
        return "a member without a character file";
    }
    if (!ReadWhole(fields[2], member.temporal_honor)) {
        return "the temporal honor '" + EscapeSavedText(fields[2]) + "' is no whole number";
    }
    member.notes = UnescapeSavedText(fields[3]);
    if (party.members.size() == kPartySize) {
        return "a party holds at most " + std::to_string(kPartySize) + " members";
    }
    party.members.push_back(std::move(member));
    return "";
}

} // namespace

std::string PartyFileText(const PartyFile& party) {
    std::string text = std::string(kPartyFileMagic) + ' ' + std::to_string(kPartyFileVersion) +
                       "\n" + std::string(kNotesKey) + '\t' + EscapeSavedText(party.notes) + '\n';
    for (const PartyMember& member : party.members) {
        text += std::string(kMemberKey) + '\t' + EscapeSavedText(member.file) + '\t' +
                std::to_string(member.temporal_honor) + '\t' + EscapeSavedText(member.notes) + '\n';
    }
    return text;
}

PartyFileReading ReadPartyFileText(std::string_view text) {
    PartyFileReading reading;
    if (text.empty()) {
        reading.error = ReadHeader(text);
        return reading;
    }
    bool notes_seen = false;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1); // a file passed through an editor that ends lines so
        }
        reading.error = number == 1 ? ReadHeader(line) : ReadLine(line, reading.party, notes_seen);
        if (!reading.error.empty()) {
            if (number > 1) {
                reading.error = "line " + std::to_string(number) + ": " + reading.error;
            }
            reading.party = {};
            return reading;
        }
    }
    return reading;
}

std::filesystem::path PartyFilePath(std::string_view name) {
    std::string file = SavedFileName(name);
    const std::string extension = kPartyFileExtension;
    if (file.size() <= extension.size() ||
        file.compare(file.size() - extension.size(), extension.size(), extension) != 0) {
        file += extension;
    }
    return WorkspacePath(kPartyDirectory) / file;
}

PartyFileReading LoadPartyFile(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        PartyFileReading reading;
        reading.error = "cannot be opened";
        return reading;
    }
    return ReadPartyFileText(*text);
}

bool SavePartyFile(const std::filesystem::path& path, const PartyFile& party, std::string& error) {
    const std::string text = PartyFileText(party);
    return ReplaceFileSafely(
        path, [&](std::ostream& out) { out << text; }, error);
}
