#pragma once

#include <string>
#include <string_view>
#include <vector>

// Small text helpers the rules use everywhere: the game's many "the name contains" tests, and
// printf-style formatting into a string of any length.

// Whether `part` occurs in `text` (case-sensitive).
inline bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// printf-style text, as long as it needs to be.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The parts of `text` between the separators, empty ones included ("a//b" gives three).
std::vector<std::string_view> SplitAt(std::string_view text, char separator);
