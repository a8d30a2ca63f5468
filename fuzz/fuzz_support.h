#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// What the fuzz programs share: a private workspace for the run, and the shipped game data.

// A fresh temporary directory made the workspace root for the whole run (removed at exit).
const std::filesystem::path& FuzzWorkspace();

// The game data shipped in the repository.
std::filesystem::path ShippedGameData();

// Writes `size` bytes to `path`, replacing what was there.
void WriteBytes(const std::filesystem::path& path, const uint8_t* data, std::size_t size);

// Ends the run with a report on standard error when `holds` is false; libFuzzer keeps the
// input that did it.
void Require(bool holds, const std::string& what);
