#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Every file the program reads or writes (data directories, options, character files, logs)
// lies under one workspace root: the working directory in the toolkit, a temporary
// directory in tests.
void SetWorkspaceRoot(const std::filesystem::path& root);
const std::filesystem::path& WorkspaceRoot();

// `relative` resolved against the workspace root.
std::filesystem::path WorkspacePath(std::string_view relative);

// The whole content of `file`, byte for byte; nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);
