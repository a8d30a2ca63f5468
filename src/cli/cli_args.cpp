#include "cli/cli_args.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "core/model/workspace.h"

std::optional<long long> ParseWhole(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    long long value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last || first == last) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> IntegerOption(const CliArgs& args, const std::string& name,
                                       long long fallback, long long low, long long high) {
    const auto found = args.options.find(name);
    if (found == args.options.end()) {
        return fallback;
    }
    const auto value = ParseWhole(found->second);
    if (!value || *value < low || *value > high) {
        UsageFailure("--" + name + " needs a whole number from " + std::to_string(low) + " to " +
                     std::to_string(high) + ", not '" + found->second + "'");
        return std::nullopt;
    }
    return value;
}

int UsageFailure(const std::string& message) {
    std::cerr << "fraymark: " << message << '\n';
    return kExitUsage;
}

bool UseWorkspace(const CliArgs& args, const std::string& verb) {
    const auto dir = args.options.find("dir");
    if (dir == args.options.end()) {
        SetWorkspaceRoot({});
        return true;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(dir->second, ec)) {
        UsageFailure(verb + ": --dir '" + dir->second + "' is no directory");
        return false;
    }
    SetWorkspaceRoot(dir->second);
    return true;
}

std::string TsvCell(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}
