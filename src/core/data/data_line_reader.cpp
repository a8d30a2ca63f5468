#include "core/data/data_line_reader.h"

#include <cerrno>
#include <cstring>

DataLineReader::DataLineReader(const std::filesystem::path& path)
    : file_(std::fopen(path.c_str(), "rb")) {}

DataLineReader::~DataLineReader() {
    if (file_) {
        std::fclose(file_);
    }
}

int DataLineReader::Peek() {
    if (pushed_back_ != kNothingPushedBack) {
        return pushed_back_;
    }
    if (position_ == filled_) {
        if (at_end_ || !file_) {
            return EOF;
        }
        errno = 0;
        filled_ = std::fread(buffer_, 1, sizeof buffer_, file_);
        position_ = 0;
        if (filled_ == 0) {
            if (std::ferror(file_)) {
                read_error_ = errno != 0 ? std::strerror(errno) : "read error";
            }
            at_end_ = true;
            return EOF;
        }
    }
    return static_cast<unsigned char>(buffer_[position_]);
}

int DataLineReader::Get() {
    if (pushed_back_ != kNothingPushedBack) {
        const int c = pushed_back_;
        pushed_back_ = kNothingPushedBack;
        return c;
    }
    const int c = Peek();
    if (c != EOF) {
        ++position_;
    }
    return c;
}

bool DataLineReader::AtLineEnd() {
    const int c = Peek();
    if (c == EOF) {
        return true;
    }
    if (c == '\n') {
        Get();
        return true;
    }
    if (c == '\r') {
        Get();
        if (Peek() == '\n' || Peek() == EOF) {
            Get();
            return true;
        }
        pushed_back_ = '\r'; // a lone carriage return is ordinary text
    }
    return false;
}

bool DataLineReader::Next(DataLine& line) {
    if (next_piece_ == 0 && Peek() == EOF) {
        return false;
    }
    if (next_piece_ == 0) {
        ++line_number_;
    }
    line.text.clear();
    line.number = line_number_;
    line.piece = next_piece_;
    line.had_nul = false;
    std::size_t taken = 0;
    bool ended = false;
    while (taken < kMaxDataLine && !(ended = AtLineEnd())) {
        const char c = static_cast<char>(Get());
        ++taken;
        if (c == '\0') {
            line.had_nul = true;
        }
        if (!line.had_nul) {
            line.text.push_back(c);
        }
    }
    if (!ended) {
        ended = AtLineEnd();
    }
    line.continues = !ended;
    next_piece_ = ended ? 0 : next_piece_ + 1;
    return true;
}
