#include "core/files/character_line_source.h"

#include <streambuf>

bool CharacterLineSource::Next(std::string& line) {
    if (put_back_) {
        line = std::move(*put_back_);
        put_back_.reset();
        return true;
    }
    line.clear();
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
        if (line.size() < kMaxCharacterFileLine) {
            line.push_back(static_cast<char>(c));
        }
    }
    if (!read_any) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    ++line_number_;
    return true;
}
