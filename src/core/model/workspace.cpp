#include "core/model/workspace.h"

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
