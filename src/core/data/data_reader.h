#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/data/data_line_reader.h"
#include "core/data/data_problems.h"
#include "core/data/tag_rules.h"
#include "core/model/workspace.h"

// The reader of the game data files: one record a file, one element a line in the form
// <TAG>value</TAG>, read up to the line that holds the record's closing tag.
//
// A record type R provides: static Tags() (its tag rules in test order), kDirectory,
// kFileSuffix (the file pattern without its "*"), kClosingTag and kEndsWithEmptyRecord.

// An element line cut into tag text and value: the line is cut at its first "</"; of what
// stands before, the part up to the first ">" is the tag text and the rest the value.
struct ElementParts {
    std::string_view tag_text;
    std::string_view value;
};
std::optional<ElementParts> SplitElement(std::string_view line);

// Data check helpers for one element, silent without a collector.
void CheckElementValue(ValueKind kind, std::string_view value, std::string_view tag_text,
                       const ReadContext& context);
void ReportUnknownTag(std::string_view tag_text, const ReadContext& context);
void ReportLineShape(const DataLine& line, bool& nul_reported, const ReadContext& context);
void ReportMissingClosingTag(std::string_view closing_tag, const ReadContext& context);

// Stores the value under the first tag of R's test order that occurs in the tag text; an
// unknown tag is ignored.
template <typename R> void xmlAssign(std::string_view value, std::string_view tag_text, R& record) {
    if (const TagRule<R>* rule = MatchTag<R>(R::Tags(), tag_text)) {
        ApplyTagRule(*rule, value, tag_text, record);
    }
}

// Splits one line and stores it; a line that is no element is ignored. The integer is not used.
template <typename R> void xmlConvert(std::string_view line, int /*unused*/, R& record) {
    if (const auto parts = SplitElement(line)) {
        xmlAssign(parts->value, parts->tag_text, record);
    }
}

// xmlConvert that also tells the data check what it found.
template <typename R>
void ConvertCheckedLine(std::string_view line, R& record, const ReadContext& context) {
    const auto parts = SplitElement(line);
    if (!parts) {
        return;
    }
    const TagRule<R>* rule = MatchTag<R>(R::Tags(), parts->tag_text);
    if (!rule) {
        ReportUnknownTag(parts->tag_text, context);
        return;
    }
    CheckElementValue(rule->kind, parts->value, parts->tag_text, context);
    ApplyTagRule(*rule, parts->value, parts->tag_text, record);
}

// Reads one file into `record`, up to the closing tag or the end of the file. A file that
// cannot be opened leaves the record as it was.
template <typename R>
void ReadRecordFile(const std::filesystem::path& path, R& record, DataProblems* problems) {
    ReadContext context{problems, path, 0};
    DataLineReader reader(path);
    if (!reader.IsOpen()) {
        context.Error("cannot be opened");
        return;
    }
    DataLine line;
    bool nul_reported = false;
    while (reader.Next(line)) {
        context.line = line.number;
        ReportLineShape(line, nul_reported, context);
        if (line.text.find(R::kClosingTag) != std::string::npos) {
            return;
        }
        if (problems) {
            ConvertCheckedLine(line.text, record, context);
        } else {
            xmlConvert(line.text, 0, record);
        }
    }
    context.line = 0;
    if (!reader.ReadError().empty()) {
        context.Error("cannot be read (" + reader.ReadError() + ")");
        return;
    }
    ReportMissingClosingTag(R::kClosingTag, context);
}

// The files of a data directory whose names end with `suffix` (letter case ignored, as the
// platform the data format comes from matches names), sorted by name case-insensitively.
struct DataDirectoryListing {
    bool exists = false;
    std::vector<std::filesystem::path> files;
};
DataDirectoryListing ListDataFiles(const std::filesystem::path& directory, std::string_view suffix,
                                   const ReadContext& context);

// The directory's "empty.qdf" (letter case ignored), or nullopt when it has none.
std::optional<std::filesystem::path> FindEmptyRecordFile(const std::filesystem::path& directory);

constexpr const char* kEmptyRecordFile = "empty.qdf";

// Appends one record per matching file of R's directory under the workspace root, in
// listing order, and for the skill, talent and proficiency lists the "empty.qdf" record
// last. A missing directory loads nothing (and does not fall back to any other directory);
// those three lists still end with an empty record. Returns each appended record's file, in
// list order, for the data check.
template <typename R> std::vector<std::filesystem::path> LoadRulesList(DataProblems* problems) {
    const std::filesystem::path directory = WorkspacePath(R::kDirectory);
    const ReadContext directory_context{problems, directory, 0};
    const DataDirectoryListing listing =
        ListDataFiles(directory, R::kFileSuffix, directory_context);
    std::vector<std::filesystem::path> loaded;
    for (const std::filesystem::path& file : listing.files) {
        auto record = std::make_unique<R>();
        ReadRecordFile(file, *record, problems);
        R::AddTail(std::move(record));
        loaded.push_back(file);
    }
    if constexpr (R::kEndsWithEmptyRecord) {
        auto record = std::make_unique<R>();
        const auto empty_file = FindEmptyRecordFile(directory);
        if (empty_file) {
            ReadRecordFile(*empty_file, *record, problems);
        } else if (listing.exists) {
            directory_context.Error(std::string("has no ") + kEmptyRecordFile);
        }
        R::AddTail(std::move(record));
        loaded.push_back(empty_file.value_or(directory / kEmptyRecordFile));
    }
    return loaded;
}
