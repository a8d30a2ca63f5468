#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "core/model/user_port.h"

// A step asked the automatic player something it cannot answer, or kept asking without end.
class AutoPlayerError : public std::runtime_error {
public:
    AutoPlayerError(const std::string& step, const std::string& question);

    const std::string& Step() const { return step_; }
    const std::string& Question() const { return question_; }

private:
    std::string step_;
    std::string question_;
};

// The user port of the automatic player: it answers the questions the creation steps ask the
// way a sensible player would (every roll accepted as rolled, no BP spent on money, the
// generator's pick among the choices offered) and refuses anything else with an
// AutoPlayerError naming the step and the question. Messages are kept, never shown.
class AutoPlayerPort : public WindowlessPort {
public:
    // Questions one step may ask before the player calls it a loop.
    static constexpr int kMostQuestionsPerStep = 20000;

    // `pick(n)` chooses 0 to n-1 with the game's generator; `name()` gives the character's name.
    AutoPlayerPort(std::function<int(int)> pick, std::function<std::string()> name);

    // The step now being played, named in errors; resets the question count.
    void EnterStep(const std::string& step);
    const std::string& LastMessage() const { return last_message_; }

    bool AskYesNo(const std::string& message, const std::string& caption) override;
    long AskNumber(const std::string& message, const std::string& prompt,
                   const std::string& caption, long value, long min, long max) override;
    std::optional<long> AskInteger(const std::string& message, const std::string& caption,
                                   long value, long min, long max) override;
    std::optional<std::string> AskText(const std::string& message, const std::string& caption,
                                       const std::string& value) override;
    std::optional<int> AskChoice(const std::string& message, const std::string& caption,
                                 const std::vector<std::string>& choices) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;

private:
    void Count(const std::string& question);
    [[noreturn]] void Refuse(const std::string& question) const;

    std::function<int(int)> pick_;
    std::function<std::string()> name_;
    std::string step_;
    int questions_ = 0;
    std::string last_message_;
};
