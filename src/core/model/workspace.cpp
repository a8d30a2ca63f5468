#include "core/model/workspace.h"

#include <fstream>
#include <sstream>

namespace {
std::filesystem::path root_path; // empty: the process working directory
}

void SetWorkspaceRoot(const std::filesystem::path& root) {
    root_path = root;
}

const std::filesystem::path& WorkspaceRoot() {
    return root_path;
}

std::filesystem::path WorkspacePath(std::string_view relative) {
    if (root_path.empty()) {
        return std::filesystem::path(relative);
    }
    return root_path / std::filesystem::path(relative);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
