#include "core/files/character_line_source.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <streambuf>

bool CharacterLineSource::Next(std::string& line) {
    last_line_cut_ = false;
    if (put_back_) {
        line = std::move(*put_back_);
        put_back_.reset();
        return true;
    }
    line.clear();
    if (!read_error_.empty()) {
        return false;
    }
    // A file stream's buffer throws when the system refuses to read (a directory, an I/O
    // error), whatever the stream's exception mask says.
    errno = 0;
    try {
        return ReadLine(line);
    } catch (const std::exception& error) {
        const int code = errno;
        read_error_ = code != 0 ? std::strerror(code) : error.what();
        return false;
    }
}

bool CharacterLineSource::ReadLine(std::string& line) {
    std::streambuf* buffer = in_.rdbuf();
    if (!buffer) {
        return false;
    }
    using Traits = std::streambuf::traits_type;
    bool read_any = false;
    for (int c = buffer->sbumpc(); c != Traits::eof(); c = buffer->sbumpc()) {
        read_any = true;
        if (c == '\n') {
            break;
        }
        if (c == '\r') {
            if (buffer->sgetc() == '\n') {
                buffer->sbumpc();
            }
            break;
        }
        if (line.size() < kMaxCharacterFileLine) {
            line.push_back(static_cast<char>(c));
        } else {
            last_line_cut_ = true;
        }
    }
    if (!read_any) {
        return false;
    }
    ++line_number_;
    return true;
}
