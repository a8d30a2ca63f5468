#include "core/files/character_summary_cache.h"

#include <array>
#include <charconv>
#include <chrono>
#include <system_error>

#include <sys/stat.h>

#include "core/files/saved_files.h"
#include "core/files/saved_text.h"
#include "core/model/text.h"
#include "core/model/workspace.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCacheFile = ".summaries";
constexpr const char* kCacheHeader = "FRAYMARK-SUMMARIES 1";
constexpr int kSettleSeconds = 2;

// The listed fields in the cache's order.
constexpr std::array<std::string SavedCharacterSummary::*, 7> kFields = {
    &SavedCharacterSummary::character_name,
    &SavedCharacterSummary::class_long_name,
    &SavedCharacterSummary::level,
    &SavedCharacterSummary::race,
    &SavedCharacterSummary::sex,
    &SavedCharacterSummary::alignment,
    &SavedCharacterSummary::honor_base};

// A whole number written in the cache; false for anything else.
template <typename Number> bool ReadNumber(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

CharacterSummaryCache::CharacterSummaryCache(fs::path directory)
    : directory_(std::move(directory)) {
    // Read in place, line by line of the one text: ten thousand entries are read at every
    // listing.
    const std::string text = ReadWholeFile(directory_ / kCacheFile).value_or("");
    const std::vector<std::string_view> lines = SplitAt(text, '\n');
    if (lines.front() != kCacheHeader) {
        return; // none yet, or another format: rebuilt as the files are read
    }
    for (std::size_t at = 1; at < lines.size(); ++at) {
        const std::vector<std::string_view> cells = SplitAt(lines[at], '\t');
        Entry entry;
        if (cells.size() != 3 + kFields.size() || !ReadNumber(cells[1], entry.size) ||
            !ReadNumber(cells[2], entry.time)) {
            continue; // a broken line: that file is read again
        }
        for (std::size_t i = 0; i < kFields.size(); ++i) {
            entry.summary.*kFields[i] = UnescapeSavedText(cells[3 + i]);
        }
        entry.summary.file_name = UnescapeSavedText(cells[0]);
        std::string name = entry.summary.file_name;
        entries_.insert_or_assign(std::move(name), std::move(entry));
    }
}

// One system call for the size and the time together (std::filesystem asks twice, and a
// listing of ten thousand files pays for every ask). The time is counted as
// std::filesystem::last_write_time counts it, so the memory reads the same either way.
std::optional<std::pair<std::uintmax_t, std::int64_t>>
CharacterSummaryCache::Stamp(const fs::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    const auto modified = std::chrono::sys_seconds(std::chrono::seconds(status.st_mtim.tv_sec)) +
                          std::chrono::nanoseconds(status.st_mtim.tv_nsec);
    const auto time = std::chrono::duration_cast<fs::file_time_type::duration>(
        fs::file_time_type::clock::from_sys(modified).time_since_epoch());
    return std::pair{static_cast<std::uintmax_t>(status.st_size),
                     static_cast<std::int64_t>(time.count())};
}

const SavedCharacterSummary* CharacterSummaryCache::Lookup(const fs::path& file,
                                                           const std::string& name) const {
    const auto found = entries_.find(name);
    if (found == entries_.end()) {
        return nullptr;
    }
    const auto stamp = Stamp(file);
    if (!stamp || found->second.size != stamp->first || found->second.time != stamp->second) {
        return nullptr;
    }
    found->second.used = true;
    return &found->second.summary;
}

void CharacterSummaryCache::Remember(const fs::path& file, const std::string& name,
                                     const SavedCharacterSummary& summary) {
    const auto stamp = Stamp(file);
    // A file changed within the last seconds may change again within the clock's step and
    // keep its size and time: it is not remembered, so it is read again next time.
    const auto now = fs::file_time_type::clock::now().time_since_epoch().count();
    const auto settled = std::chrono::duration_cast<fs::file_time_type::duration>(
                             std::chrono::seconds(kSettleSeconds))
                             .count();
    if (!stamp || now - stamp->second < settled) {
        return;
    }
    Entry& entry = entries_[name];
    entry = Entry{stamp->first, stamp->second, summary, true};
    entry.summary.file_name = name;
    changed_ = true;
}

void CharacterSummaryCache::Save() {
    bool dropped = false;
    for (const auto& [name, entry] : entries_) {
        dropped = dropped || !entry.used;
    }
    if (!changed_ && !dropped) {
        return;
    }
    std::string error;
    ReplaceFileSafely(
        directory_ / kCacheFile,
        [&](std::ostream& out) {
            out << kCacheHeader << '\n';
            for (const auto& [name, entry] : entries_) {
                if (!entry.used) {
                    continue;
                }
                out << EscapeSavedText(name) << '\t' << entry.size << '\t' << entry.time;
                for (const auto field : kFields) {
                    out << '\t' << EscapeSavedText(entry.summary.*field);
                }
                out << '\n';
            }
        },
        error); // a cache that cannot be written costs the next listing its speed only
}
