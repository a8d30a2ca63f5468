#include "core/player/batch_messages.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace {

void AppendLength(std::string& out, std::size_t length) {
    const auto value = static_cast<uint32_t>(length);
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The length written at `at` of `text`; false past its end.
bool TakeLength(const std::string& text, std::size_t& at, uint32_t& length) {
    if (text.size() - at < sizeof length) {
        return false;
    }
    std::memcpy(&length, text.data() + at, sizeof length);
    at += sizeof length;
    return true;
}

} // namespace

// A message is its kind, the length of its body, and the body: each field's length and
// text. A reader takes as many as have come with one read.
std::string EncodeBatchMessage(const BatchMessage& message) {
    std::string body;
    for (const std::string& field : message.fields) {
        AppendLength(body, field.size());
        body += field;
    }
    std::string out(1, message.kind);
    AppendLength(out, body.size());
    out += body;
    return out;
}

bool SendBatchBytes(int fd, const std::string& bytes) {
    return WriteAll(fd, bytes.data(), bytes.size());
}

bool BatchReader::Fill() {
    if (at_ > 0) {
        buffer_.erase(0, at_);
        at_ = 0;
    }
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = read(fd_, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        buffer_.append(chunk, static_cast<std::size_t>(got));
        return true;
    }
}

std::optional<BatchMessage> BatchReader::Take() {
    std::size_t at = at_;
    uint32_t size = 0;
    if (buffer_.size() - at < 1 || (++at, !TakeLength(buffer_, at, size)) ||
        buffer_.size() - at < size) {
        return std::nullopt; // not all of it has come yet
    }
    BatchMessage message{buffer_[at_], {}};
    const std::size_t end = at + size;
    uint32_t length = 0;
    while (at < end && TakeLength(buffer_, at, length) && end - at >= length) {
        message.fields.emplace_back(buffer_, at, length);
        at += length;
    }
    at_ = end;
    return message;
}
