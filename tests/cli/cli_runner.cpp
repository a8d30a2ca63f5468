#include "cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "support/golden.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

fs::path UniqueTemporary(const std::string& stem) {
    std::random_device seed;
    return fs::temp_directory_path() / (stem + std::to_string(seed()) + std::to_string(seed()));
}

} // namespace

CliResult RunFraymark(const std::string& arguments, const std::string& working_dir) {
    const auto base = UniqueTemporary("fraymark-cli-");
    const auto out_path = base.string() + ".out";
    const auto err_path = base.string() + ".err";
    std::string command;
    if (!working_dir.empty()) {
        command = "cd '" + working_dir + "' && ";
    }
    command += std::string("'") + FRAYMARK_CLI + "' " + arguments + " >'" + out_path + "' 2>'" +
               err_path + "'";
    const int status = std::system(command.c_str());
    CliResult result;
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(out_path);
    result.err = Slurp(err_path);
    fs::remove(out_path);
    fs::remove(err_path);
    return result;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    if (separator != '\n' && !text.empty() && text.back() == separator) {
        parts.emplace_back(); // getline drops an empty last field
    }
    return parts;
}

std::vector<std::string> GoldenCases(const std::string& golden) {
    std::vector<std::string> cases;
    for (const std::string& line :
         Split(Slurp(fs::path(FRAYMARK_SOURCE_DIR) / "tests/golden" / golden))) {
        if (!line.starts_with("  ")) {
            cases.push_back(line);
        }
    }
    return cases;
}

void ExpectGoldenCases(const std::string& golden, int exit_code,
                       const std::function<CliResult(const std::string&)>& run) {
    std::string printed;
    for (const std::string& args : GoldenCases(golden)) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exit_code, exit_code) << args << ": " << r.err;
        EXPECT_EQ(exit_code == 0 ? r.err : r.out, "") << args;
        printed += args + "\n";
        for (const std::string& line : Split(exit_code == 0 ? r.out : r.err)) {
            printed += "  " + line + "\n";
        }
    }
    ExpectMatchesGolden(golden, printed);
}

void CliWorkspace::SetUp() {
    dir = UniqueTemporary("fraymark-workspace-");
    fs::create_directories(dir);
}

void CliWorkspace::TearDown() {
    std::error_code ec;
    fs::remove_all(dir, ec);
}

void CliWorkspace::Write(const std::string& relative, const std::string& content) const {
    const fs::path path = dir / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string CliWorkspace::Read(const std::string& relative) const {
    return Slurp(dir / relative);
}
