#include "core/data/data_problems.h"

#include <utility>

void DataProblems::Error(const std::filesystem::path& path, std::string text) {
    problems_.push_back({path, ProblemSeverity::kError, std::move(text)});
    ++errors_;
}

void DataProblems::Warning(const std::filesystem::path& path, std::string text) {
    problems_.push_back({path, ProblemSeverity::kWarning, std::move(text)});
    ++warnings_;
}

namespace {
std::string AtLine(long line, const std::string& text) {
    return line > 0 ? "line " + std::to_string(line) + ": " + text : text;
}
} // namespace

void ReadContext::Error(const std::string& text) const {
    if (problems) {
        problems->Error(path, AtLine(line, text));
    }
}

void ReadContext::Warning(const std::string& text) const {
    if (problems) {
        problems->Warning(path, AtLine(line, text));
    }
}
