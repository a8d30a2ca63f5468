#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

// The lines of a character file, one at a time, in bounded memory whatever the file holds.
// Line ends are "\n" or "\r\n". A line longer than kMaxCharacterFileLine keeps its first
// kMaxCharacterFileLine characters; the rest of it is skipped. A line may be handed back to
// be read again by the next call.
constexpr std::size_t kMaxCharacterFileLine = 65536;

class CharacterLineSource {
public:
    explicit CharacterLineSource(std::istream& in) : in_(in) {}

    // The next line; false at the end of the input.
    bool Next(std::string& line);

    // Makes `line` the next one Next returns.
    void PutBack(std::string line) { put_back_ = std::move(line); }

    // The 1-based number of the line Next returned last.
    long LineNumber() const { return line_number_; }

private:
    std::istream& in_;
    std::optional<std::string> put_back_;
    long line_number_ = 0;
};
