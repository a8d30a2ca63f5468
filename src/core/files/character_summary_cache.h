#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "core/files/character_list.h"

// The character list's memory of what it read: for each character file of "CharacterXML",
// its size and modification time and the listed fields, kept in the workspace
// (CharacterXML/.summaries, a hidden file the list never shows). A file whose size and time
// match its entry is not read again; any other is, and so is a file changed in the last two
// seconds (which could change again within the clock's step and keep both). The cache is never
// trusted over a file: a missing, unreadable, broken or older-format cache is simply rebuilt, and
// one that cannot be written costs nothing but speed.
class CharacterSummaryCache {
public:
    // Reads the cache of `directory` (the workspace's CharacterXML).
    explicit CharacterSummaryCache(std::filesystem::path directory);

    // The listed fields of `file` (named `name` in the directory) when its entry matches the
    // file as it is now; null otherwise. Valid while the cache lives.
    const SavedCharacterSummary* Lookup(const std::filesystem::path& file,
                                        const std::string& name) const;
    // Notes what was read from `file` (named `name`, as it is now) for the next listing.
    void Remember(const std::filesystem::path& file, const std::string& name,
                  const SavedCharacterSummary& summary);
    // Writes the cache back when it changed: only the files remembered or looked up this time,
    // so files removed since drop out.
    void Save();

private:
    struct Entry {
        std::uintmax_t size = 0;
        std::int64_t time = 0;
        SavedCharacterSummary summary;
        mutable bool used = false;
    };
    static std::optional<std::pair<std::uintmax_t, std::int64_t>>
    Stamp(const std::filesystem::path& file);

    std::filesystem::path directory_;
    std::map<std::string, Entry> entries_;
    bool changed_ = false;
};
