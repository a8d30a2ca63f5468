#pragma once

#include <optional>
#include <string>

// Picks this run's workspace (core/app/workspace_choice.h) from the folder named on the
// command line, where the program lies and the user's environment; lays it out and makes it
// the working directory and the workspace root. Returns what the user must be told (a folder
// that could not be used or laid out, missing game data), "" when all is well.
std::string StartWorkspace(const std::optional<std::string>& argument);
