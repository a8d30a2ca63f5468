#include "core/data/data_reader.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

// Letter case folded the way the original platform's file system orders names: to upper
// case, so that "_" (between the two cases in ASCII) sorts after the letters.
unsigned char UpperAscii(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

// File names in the order the data lists use: letter case ignored, then byte order so that
// names differing only in case still come out the same way everywhere.
bool NameBefore(const std::string& x, const std::string& y) {
    const auto folded_less = [](char p, char q) { return UpperAscii(p) < UpperAscii(q); };
    if (std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), folded_less)) {
        return true;
    }
    if (std::lexicographical_compare(y.begin(), y.end(), x.begin(), x.end(), folded_less)) {
        return false;
    }
    const auto byte_less = [](char p, char q) {
        return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
    };
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), byte_less);
}

bool FileNameBefore(const fs::path& a, const fs::path& b) {
    return NameBefore(a.filename().string(), b.filename().string());
}

// The tag text as a person wrote it: without the indentation and the opening bracket.
std::string_view TagName(std::string_view tag_text) {
    const std::size_t start = tag_text.find_first_not_of(" \t");
    tag_text = start == std::string_view::npos ? std::string_view{} : tag_text.substr(start);
    if (!tag_text.empty() && tag_text.front() == '<') {
        tag_text.remove_prefix(1);
    }
    return tag_text;
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.push_back('\'');
    quoted.append(text);
    quoted.push_back('\'');
    return quoted;
}

} // namespace

std::optional<ElementParts> SplitElement(std::string_view line) {
    const std::size_t close = line.find("</");
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view before = line.substr(0, close);
    const std::size_t bracket = before.find('>');
    if (bracket == std::string_view::npos) {
        return std::nullopt;
    }
    return ElementParts{before.substr(0, bracket), before.substr(bracket + 1)};
}

bool IsNumberKind(ValueKind kind) {
    return kind == ValueKind::kInteger || kind == ValueKind::kCost || kind == ValueKind::kDecimal ||
           kind == ValueKind::kIndexed;
}

int32_t IndexedLevel(std::string_view tag_text) {
    const std::size_t underscore = tag_text.rfind('_');
    if (underscore == std::string_view::npos) {
        return 0;
    }
    return AtoiSaturating(tag_text.substr(underscore + 1));
}

bool IsLevelInRange(int32_t level) {
    return level >= 0 && level < kMaxLevels;
}

void CheckElementValue(ValueKind kind, std::string_view value, std::string_view tag_text,
                       const ReadContext& context) {
    if (!context.problems || !IsNumberKind(kind)) {
        return;
    }
    const std::string tag(TagName(tag_text));
    if (kind == ValueKind::kIndexed) {
        const std::size_t underscore = tag_text.rfind('_');
        if (underscore != std::string_view::npos) {
            const std::string_view level_text = tag_text.substr(underscore + 1);
            if (ClassifyInteger(level_text) == NumberText::kNotANumber) {
                context.Error(tag + ": level " + Quoted(level_text) + " is not a number");
            } else if (!IsLevelInRange(IndexedLevel(tag_text))) {
                context.Warning(tag + ": level " + std::string(level_text) +
                                " is outside 0 to 99; the element is ignored");
                return;
            }
        }
    }
    const NumberText shape =
        kind == ValueKind::kDecimal ? ClassifyDecimal(value) : ClassifyInteger(value);
    const std::string read_as = kind == ValueKind::kDecimal ? FloatText(AtofSaturating(value))
                                                            : std::to_string(AtoiSaturating(value));
    if (shape == NumberText::kNotANumber) {
        context.Error(tag + ": " + Quoted(value) + " is not a number (read as " + read_as + ")");
    } else if (shape == NumberText::kOutOfRange) {
        context.Warning(tag + ": " + std::string(value) + " is out of range (read as " + read_as +
                        ")");
    }
}

void ReportUnknownTag(std::string_view tag_text, const ReadContext& context) {
    context.Warning("unknown tag " + Quoted(TagName(tag_text)) + "; the line is ignored");
}

void ReportLineShape(const DataLine& line, bool& nul_reported, const ReadContext& context) {
    if (line.piece == 0 && line.continues) {
        context.Warning("longer than " + std::to_string(kMaxDataLine) +
                        " characters; it is read in pieces of " + std::to_string(kMaxDataLine));
    }
    if (line.had_nul && !nul_reported) {
        nul_reported = true;
        context.Warning("holds a NUL byte (binary data?); the rest of the line is ignored");
    }
}

void ReportMissingClosingTag(std::string_view closing_tag, const ReadContext& context) {
    context.Error("no closing tag " + Quoted(closing_tag) +
                  "; the record holds what was read up to the end of the file");
}

DataDirectoryListing ListDataFiles(const fs::path& directory, std::string_view suffix,
                                   const ReadContext& context) {
    DataDirectoryListing listing;
    std::error_code ec;
    if (!fs::is_directory(directory, ec)) {
        context.Error("data directory is missing; nothing is loaded from it");
        return listing;
    }
    listing.exists = true;
    fs::directory_iterator it(directory, ec);
    if (ec) {
        context.Error("data directory cannot be read: " + ec.message());
        return listing;
    }
    // Each name is taken out of its path once, not at every comparison of the sort (a
    // folder of ten thousand saved characters costs some 140,000 comparisons).
    std::vector<std::pair<std::string, fs::path>> found;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code type_ec;
        std::string name = it->path().filename().string();
        if (it->is_regular_file(type_ec) && EndsWithIgnoringCase(name, suffix)) {
            found.emplace_back(std::move(name), it->path());
        }
    }
    if (ec) {
        context.Error("data directory cannot be read to the end: " + ec.message());
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return NameBefore(a.first, b.first); });
    listing.files.reserve(found.size());
    for (auto& [name, file] : found) {
        listing.files.push_back(std::move(file));
    }
    return listing;
}

std::optional<fs::path> FindEmptyRecordFile(const fs::path& directory) {
    std::error_code ec;
    const fs::path exact = directory / kEmptyRecordFile;
    if (fs::is_regular_file(exact, ec)) {
        return exact;
    }
    std::optional<fs::path> found;
    for (fs::directory_iterator it(directory, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::error_code type_ec;
        if (it->is_regular_file(type_ec) &&
            EqualsIgnoringCase(it->path().filename().string(), kEmptyRecordFile) &&
            (!found || FileNameBefore(it->path(), *found))) {
            found = it->path();
        }
    }
    return found;
}
