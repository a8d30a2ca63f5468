#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// One piece of a data file's line, as the reader takes it. A data file's lines hold at most
// kMaxDataLine characters (the line end not counted). A longer line is read as consecutive
// pieces of that length, each handled like a line of its own, which is how data files made
// for the original program were read; the data check warns about such lines.
constexpr std::size_t kMaxDataLine = 255;

struct DataLine {
    std::string text;       // the piece, cut at a NUL byte if it holds one
    long number = 0;        // 1-based line number in the file
    int piece = 0;          // 0 for a line's first piece
    bool continues = false; // the line goes on in another piece
    bool had_nul = false;   // the piece held a NUL byte; what followed it is dropped
};

// Reads a data file piece by piece, in bounded memory, whatever the file holds. Line ends
// are "\n" or "\r\n". A read error ends the file and is kept for the caller to report.
class DataLineReader {
public:
    explicit DataLineReader(const std::filesystem::path& path);
    ~DataLineReader();
    DataLineReader(const DataLineReader&) = delete;
    DataLineReader& operator=(const DataLineReader&) = delete;

    bool IsOpen() const { return file_ != nullptr; }

    // Empty, or why the file could not be read to its end ("Is a directory"); the pieces end
    // where the reading failed.
    const std::string& ReadError() const { return read_error_; }

    // The next piece; false at the end of the file.
    bool Next(DataLine& line);

private:
    int Get();        // next byte, or EOF
    int Peek();       // next byte without taking it, or EOF
    bool AtLineEnd(); // takes a line end ("\n", "\r\n") or the end of the file if next

    static constexpr int kNothingPushedBack = -2;

    std::FILE* file_ = nullptr;
    int pushed_back_ = kNothingPushedBack;
    char buffer_[1 << 13];
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    long line_number_ = 0;
    int next_piece_ = 0;
    bool at_end_ = false;
    std::string read_error_;
};
