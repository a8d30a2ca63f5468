#pragma once

#include <string>

// Runs the fraymark command with `arguments` (already shell-quoted) and captures its output.
struct CliResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};

CliResult RunFraymark(const std::string& arguments, const std::string& working_dir = "");
