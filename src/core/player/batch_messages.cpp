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

bool ReadAll(int fd, char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t got = read(fd, data, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        data += got;
        size -= static_cast<std::size_t>(got);
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
// text. It is written with one call and read with two.
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

bool SendBatchMessage(int fd, const BatchMessage& message) {
    return SendBatchBytes(fd, EncodeBatchMessage(message));
}

std::optional<BatchMessage> ReceiveBatchMessage(int fd) {
    char head[1 + sizeof(uint32_t)];
    if (!ReadAll(fd, head, sizeof head)) {
        return std::nullopt;
    }
    uint32_t size = 0;
    std::memcpy(&size, head + 1, sizeof size);
    std::string body(size, '\0');
    if (!ReadAll(fd, body.data(), body.size())) {
        return std::nullopt;
    }
    BatchMessage message{head[0], {}};
    std::size_t at = 0;
    uint32_t length = 0;
    while (at < body.size()) {
        if (!TakeLength(body, at, length) || body.size() - at < length) {
            return std::nullopt;
        }
        message.fields.emplace_back(body, at, length);
        at += length;
    }
    return message;
}
