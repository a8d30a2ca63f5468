#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

// The lines of a character file, one at a time, in bounded memory whatever the file holds.
// Line ends are "\n", "\r\n" or a lone "\r" (files passed through other systems' editors). A
// line longer than kMaxCharacterFileLine keeps its first kMaxCharacterFileLine characters;
// the rest of it is skipped and LastLineCut() says so. A line may be handed back to be read
// again by the next call. An error while reading (a directory in place of a file, a failing
// disk) ends the lines as the end of the input would, and ReadError() tells what happened.
constexpr std::size_t kMaxCharacterFileLine = 65536;

class CharacterLineSource {
public:
    explicit CharacterLineSource(std::istream& in) : in_(in) {}

    // The next line; false at the end of the input or after a read error.
    bool Next(std::string& line);

    // Makes `line` the next one Next returns.
    void PutBack(std::string line) { put_back_ = std::move(line); }

    // The 1-based number of the line Next returned last.
    long LineNumber() const { return line_number_; }

    // The line Next returned last was longer than kMaxCharacterFileLine and was cut.
    bool LastLineCut() const { return last_line_cut_; }

    // Empty, or why the input could not be read to its end ("Is a directory").
    const std::string& ReadError() const { return read_error_; }

private:
    bool ReadLine(std::string& line);
    // Refills the block from the input; false at its end.
    bool Refill();

    std::istream& in_;
    // The input is taken in blocks, each scanned for line ends in one go.
    std::string block_;
    std::size_t at_ = 0;
    std::optional<std::string> put_back_;
    long line_number_ = 0;
    bool last_line_cut_ = false;
    std::string read_error_;
};
