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

// A verb's arguments split into positional words and "--name value" options.
struct CliArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

// Options that take no value: `--json` asks a verb for its output as JSON.
bool IsSwitch(const std::string& option);

// Splits `args`; every option must be one of `known` and, unless it is a switch (kept with an
// empty value), be followed by a value. On failure `error` holds a one-line explanation.
std::optional<CliArgs> SplitArgs(const std::vector<std::string>& args,
                                 const std::vector<std::string>& known, std::string& error);

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
