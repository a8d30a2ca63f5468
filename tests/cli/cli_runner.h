#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Runs the fraymark command with `arguments` (already shell-quoted) and captures its output.
struct CliResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};

CliResult RunFraymark(const std::string& arguments, const std::string& working_dir = "");

// The lines of `text`, split on `separator` (an empty last field is kept).
std::vector<std::string> Split(const std::string& text, char separator = '\n');

// The arguments of a reviewed golden under tests/golden/ that holds one case a paragraph: the
// arguments on a line of their own, then what the command printed, indented by two spaces.
std::vector<std::string> GoldenCases(const std::string& golden);

// Runs every case of that golden with `run`, expects each to exit with `exit_code` and to print
// on one stream only (standard output on success, standard error otherwise), and compares
// what it printed, each line indented by two spaces under the case's arguments, with the
// golden. A case is added by adding its arguments to the golden and regenerating it.
void ExpectGoldenCases(const std::string& golden, int exit_code,
                       const std::function<CliResult(const std::string&)>& run);

// A temporary workspace of the test's own, removed at its end.
class CliWorkspace : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Write(const std::string& relative, const std::string& content) const;
    std::string Read(const std::string& relative) const;
    // Runs the command with the workspace as the current directory.
    CliResult Run(const std::string& arguments) const { return RunFraymark(arguments, dir); }
    // The option naming the workspace.
    std::string Dir() const { return "--dir '" + dir.string() + "'"; }

    std::filesystem::path dir;
};
