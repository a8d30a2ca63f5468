#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Exit codes of the fraymark command.
constexpr int kExitOk = 0;
constexpr int kExitCheckFailed = 1;
constexpr int kExitUsage = 2;

// A verb's arguments as the command line gave them: its positional words, and its options by
// name without the dashes (a switch such as --json with an empty value).
struct CliArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

// A whole decimal integer (optional sign), or nullopt for anything else.
std::optional<long long> ParseWhole(std::string_view text);

// Reads option `name` as an integer in [low, high]; `fallback` when absent. On failure prints
// a usage line to standard error and returns nullopt.
std::optional<long long> IntegerOption(const CliArgs& args, const std::string& name,
                                       long long fallback, long long low, long long high);

// Makes option --dir (default: the current directory) the workspace root; false, after a
// usage message naming `verb`, when it is no directory.
bool UseWorkspace(const CliArgs& args, const std::string& verb);

// Prints "fraymark: <message>" to standard error and returns the usage exit code.
int UsageFailure(const std::string& message);

// A cell of a tab-separated listing: tabs and line ends inside a value become blanks.
std::string TsvCell(std::string text);
