#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What the data check collects while the lists load. The toolkit loads its lists without a
// collector and stays silent; `fraymark data check` passes one and prints what it gathered.
enum class ProblemSeverity { kError, kWarning };

struct DataProblem {
    std::filesystem::path path;
    ProblemSeverity severity = ProblemSeverity::kError;
    std::string text;
};

class DataProblems {
public:
    void Error(const std::filesystem::path& path, std::string text);
    void Warning(const std::filesystem::path& path, std::string text);

    const std::vector<DataProblem>& All() const { return problems_; }
    int ErrorCount() const { return errors_; }
    int WarningCount() const { return warnings_; }

private:
    std::vector<DataProblem> problems_;
    int errors_ = 0;
    int warnings_ = 0;
};

// Where the reader stands while it reads one file; `problems` is null for a silent load.
struct ReadContext {
    DataProblems* problems = nullptr;
    std::filesystem::path path;
    long line = 0;

    void Error(const std::string& text) const;
    void Warning(const std::string& text) const;
};
