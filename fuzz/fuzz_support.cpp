#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>
#include <unistd.h>

#include "core/model/workspace.h"

namespace {

std::filesystem::path MakeWorkspace() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "fraymark-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("fraymark fuzz: cannot make a temporary workspace");
        std::abort();
    }
    static std::filesystem::path made = pattern;
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(made, ec);
    });
    return made;
}

} // namespace

const std::filesystem::path& FuzzWorkspace() {
    static const std::filesystem::path root = [] {
        std::filesystem::path made = MakeWorkspace();
        SetWorkspaceRoot(made);
        return made;
    }();
    return root;
}

std::filesystem::path ShippedGameData() {
    return std::filesystem::path(FRAYMARK_SOURCE_DIR) / "gamedata";
}

void WriteBytes(const std::filesystem::path& path, const uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Require(static_cast<bool>(out), "the input could not be written to " + path.string());
}

void Require(bool holds, const std::string& what) {
    if (!holds) {
        std::fprintf(stderr, "fraymark fuzz: %s\n", what.c_str());
        std::abort();
    }
}
