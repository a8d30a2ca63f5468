#include "core/files/character_line_source.h"

#include <algorithm>
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

bool CharacterLineSource::Refill() {
    constexpr std::size_t kBlock = 16384;
    std::streambuf* buffer = in_.rdbuf();
    if (!buffer) {
        return false;
    }
    block_.resize(kBlock);
    const std::streamsize got = buffer->sgetn(block_.data(), kBlock);
    block_.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    at_ = 0;
    return !block_.empty();
}

bool CharacterLineSource::ReadLine(std::string& line) {
    bool read_any = false;
    for (;;) {
        if (at_ >= block_.size() && !Refill()) {
            break;
        }
        read_any = true;
        const std::size_t end = block_.find_first_of("\r\n", at_);
        const std::size_t stop = end == std::string::npos ? block_.size() : end;
        const std::size_t room = kMaxCharacterFileLine - std::min(line.size(), kMaxCharacterFileLine);
        const std::size_t length = stop - at_;
        line.append(block_, at_, std::min(length, room));
        last_line_cut_ = last_line_cut_ || length > room;
        at_ = stop;
        if (end == std::string::npos) {
            continue;
        }
        // "\r\n" ends one line, as "\n" and a lone "\r" do; the "\n" may open the next block.
        ++at_;
        if (block_[end] == '\r' && (at_ < block_.size() || Refill()) && block_[at_] == '\n') {
            ++at_;
        }
        break;
    }
    if (!read_any) {
        return false;
    }
    ++line_number_;
    return true;
}
