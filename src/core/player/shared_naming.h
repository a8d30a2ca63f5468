#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CharacterBatch;

// What a character's naming step asked: the race and sex it was rolled as and the combination
// of the name lists its generator started at.
struct NameAsk {
    std::string race;
    std::string sex;
    int start = 0;
};

// The names of a batch whose characters several processes make at once, kept in memory they
// share. Each character is named by the process that makes it, just before it is saved, once
// every character before it in the batch is named; first that process's picker learns the
// names the others handed out since it last named one, walking as their pickers walked, so
// every picker hands out what one picker naming the whole batch in order would. No process
// is woken unless it waits for the character before its own.
class SharedNaming {
public:
    // Made before the processes start; nullptr when the system gives no shared memory.
    static std::unique_ptr<SharedNaming> Create();
    ~SharedNaming();
    SharedNaming(const SharedNaming&) = delete;
    SharedNaming& operator=(const SharedNaming&) = delete;

    // The name of character `index` (empty when it asked none or the lists are used up),
    // after `before_waiting` has run whenever this process must wait for another. Nullopt, with
    // `error` set, when the name cannot be shared (a text too long) or a learned name did not
    // come out as handed out (a character file appeared in the output folder meanwhile).
    std::optional<std::string> Name(CharacterBatch& batch, long long index,
                                    const std::optional<NameAsk>& ask,
                                    const std::function<void()>& before_waiting,
                                    std::string& error);

private:
    struct Shared;
    explicit SharedNaming(Shared* shared) : shared_(shared) {}

    // Returns once every character before `index` is named (none names a character twice).
    void WaitForTurn(long long index, const std::function<void()>& before_waiting);
    bool LearnUpTo(CharacterBatch& batch, long long index, std::string& error);

    Shared* shared_;
    long long learned_ = 0; // this process's picker knows the names of the characters before
};
