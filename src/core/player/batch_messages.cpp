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

std::optional<uint32_t> ReadLength(int fd) {
    uint32_t value = 0;
    if (!ReadAll(fd, reinterpret_cast<char*>(&value), sizeof value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool SendBatchMessage(int fd, const BatchMessage& message) {
    std::string out(1, message.kind);
    AppendLength(out, message.fields.size());
    for (const std::string& field : message.fields) {
        AppendLength(out, field.size());
        out += field;
    }
    return WriteAll(fd, out.data(), out.size());
}

std::optional<BatchMessage> ReceiveBatchMessage(int fd) {
    BatchMessage message;
    const auto count = ReadAll(fd, &message.kind, 1) ? ReadLength(fd) : std::nullopt;
    if (!count) {
        return std::nullopt;
    }
    for (uint32_t i = 0; i < *count; ++i) {
        const auto length = ReadLength(fd);
        if (!length) {
            return std::nullopt;
        }
        std::string& field = message.fields.emplace_back(*length, '\0');
        if (!ReadAll(fd, field.data(), field.size())) {
            return std::nullopt;
        }
    }
    return message;
}
