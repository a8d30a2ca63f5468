#include "cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {
std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
} // namespace

CliResult RunFraymark(const std::string& arguments, const std::string& working_dir) {
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path() /
                      ("fraymark-cli-" + std::to_string(seed()) + std::to_string(seed()));
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
    std::filesystem::remove(out_path);
    std::filesystem::remove(err_path);
    return result;
}
