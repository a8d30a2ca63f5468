#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/model/user_port.h"

// A user port that answers from a queue and records every question it was asked. A question
// with no answer queued, or an answer of the wrong kind, fails the running test.
class ScriptedPort : public UserPort {
public:
    // One queued answer: its kind and the value of that kind.
    struct Answer {
        enum class Kind { kYesNo, kNumber, kText, kChoice, kCancel };
        Kind kind;
        bool yes = false;
        long number = 0;
        std::string text = {};
        int choice = 0;
    };

    struct Question {
        std::string kind = {}; // "yesno", "number", "integer", "text", "choice"
        std::string message = {};
        std::string caption = {};
        std::string prompt = {}; // number entry only
        long value = 0, min = 0, max = 0;
        std::vector<std::string> choices = {};
    };

    ScriptedPort();
    ~ScriptedPort() override;

    void AnswerYes();
    void AnswerNo();
    void AnswerNumber(long n);
    void AnswerText(std::string t);
    void AnswerChoice(int index);
    void AnswerCancel();

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
    void OpenLogWindow(const std::string& log_file, bool full_width) override;
    void AppendLogText(const std::string& text) override;
    void UpdateTree() override { ++tree_updates; }
    void ClearTree() override { ++tree_clears; }
    void UpdateTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                          const std::vector<std::string>& values) override;

    std::vector<Question> questions;
    std::vector<std::string> messages; // "caption: text"
    std::string log_window;            // what the log window shows
    int log_window_opens = 0;
    int tree_updates = 0;
    int tree_clears = 0;
    std::vector<std::string> branches_updated;

    std::size_t AnswersLeft() const { return answers_.size(); }

private:
    // Records the question and takes the next answer: none (a failure) when the queue is
    // empty or the answer is neither of kind `want` nor a cancel the question allows.
    std::optional<Answer> Next(Question question, Answer::Kind want, bool cancel_allowed = true);
    std::deque<Answer> answers_;
    UserPort* previous_ = nullptr;
};
