#pragma once

#include <optional>
#include <string>
#include <vector>

// One message between the processes that share a batch of characters: a kind letter and its
// texts, sent whole through a pipe.
struct BatchMessage {
    char kind = 0;
    std::vector<std::string> fields;
};

// The message as it travels; several may be sent at once.
std::string EncodeBatchMessage(const BatchMessage& message);

// False when the other end has gone.
bool SendBatchBytes(int fd, const std::string& bytes);
bool SendBatchMessage(int fd, const BatchMessage& message);

// Nullopt when the other end has gone or sent less than a whole message.
std::optional<BatchMessage> ReceiveBatchMessage(int fd);
