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

// Reads the messages coming through a pipe, as many as have arrived at each read.
class BatchReader {
public:
    explicit BatchReader(int fd) : fd_(fd) {}

    int Fd() const { return fd_; }

    // One read of what has arrived (it waits for something when nothing has); false when the
    // other end has gone.
    bool Fill();
    // The next whole message read so far, if any.
    std::optional<BatchMessage> Take();

private:
    int fd_;
    std::string buffer_;
    std::size_t at_ = 0; // where the next message begins in the buffer
};
