#include "support/scripted_port.h"

#include <gtest/gtest.h>

#include "core/dice/dice_log.h"

ScriptedPort::ScriptedPort() : previous_(InstallUserPort(this)) {}

ScriptedPort::~ScriptedPort() {
    InstallUserPort(previous_);
}

void ScriptedPort::AnswerYes() {
    Answer answer(Answer::Kind::kYesNo);
    answer.yes = true;
    answers_.push_back(answer);
}

void ScriptedPort::AnswerNo() {
    answers_.push_back(Answer(Answer::Kind::kYesNo));
}

void ScriptedPort::AnswerNumber(long n) {
    Answer answer(Answer::Kind::kNumber);
    answer.number = n;
    answers_.push_back(answer);
}

void ScriptedPort::AnswerText(std::string t) {
    Answer answer(Answer::Kind::kText);
    answer.text = std::move(t);
    answers_.push_back(std::move(answer));
}

void ScriptedPort::AnswerChoice(int index) {
    Answer answer(Answer::Kind::kChoice);
    answer.choice = index;
    answers_.push_back(answer);
}

void ScriptedPort::AnswerCancel() {
    answers_.push_back(Answer(Answer::Kind::kCancel));
}

std::optional<ScriptedPort::Answer> ScriptedPort::Next(const std::string& kind) {
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected " << kind << " question: " << questions.back().message << " ["
                      << questions.back().caption << "]";
        return std::nullopt;
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

bool ScriptedPort::AskYesNo(const std::string& message, const std::string& caption) {
    questions.push_back({"yesno", message, caption, "", 0, 0, 0, {}});
    const auto answer = Next("yes/no");
    if (!answer) {
        return true;
    }
    if (answer->kind == Answer::Kind::kYesNo) {
        return answer->yes;
    }
    ADD_FAILURE() << "a yes/no question got another kind of answer: " << message;
    return true;
}

long ScriptedPort::AskNumber(const std::string& message, const std::string& prompt,
                             const std::string& caption, long value, long min, long max) {
    questions.push_back({"number", message, caption, prompt, value, min, max, {}});
    const auto answer = Next("number");
    if (!answer) {
        return value;
    }
    if (answer->kind == Answer::Kind::kCancel) {
        return -1;
    }
    if (answer->kind == Answer::Kind::kNumber) {
        return answer->number;
    }
    ADD_FAILURE() << "a number question got another kind of answer: " << message;
    return value;
}

std::optional<long> ScriptedPort::AskInteger(const std::string& message, const std::string& caption,
                                             long value, long min, long max) {
    questions.push_back({"integer", message, caption, "", value, min, max, {}});
    const auto answer = Next("integer");
    if (answer && answer->kind == Answer::Kind::kCancel) {
        return std::nullopt;
    }
    if (answer && answer->kind != Answer::Kind::kNumber) {
        ADD_FAILURE() << "a whole-number question got another kind of answer: " << message;
    }
    return answer && answer->kind == Answer::Kind::kNumber ? answer->number : value;
}

std::optional<std::string> ScriptedPort::AskText(const std::string& message,
                                                 const std::string& caption,
                                                 const std::string& value) {
    questions.push_back({"text", message, caption, "", 0, 0, 0, {}});
    const auto answer = Next("text");
    if (!answer) {
        return value;
    }
    if (answer->kind == Answer::Kind::kCancel) {
        return std::nullopt;
    }
    if (answer->kind == Answer::Kind::kText) {
        return answer->text;
    }
    ADD_FAILURE() << "a text question got another kind of answer: " << message;
    return value;
}

std::optional<int> ScriptedPort::AskChoice(const std::string& message, const std::string& caption,
                                           const std::vector<std::string>& choices) {
    questions.push_back({"choice", message, caption, "", 0, 0, 0, choices});
    const auto answer = Next("choice");
    if (!answer) {
        // Already a failure; answer with the first choice so a step that asks until it gets
        // one does not hang the test.
        return choices.empty() ? std::nullopt : std::optional<int>(0);
    }
    if (answer->kind == Answer::Kind::kCancel) {
        return std::nullopt;
    }
    if (answer->kind == Answer::Kind::kChoice) {
        return answer->choice;
    }
    ADD_FAILURE() << "a choice question got another kind of answer: " << message;
    return std::nullopt;
}

void ScriptedPort::ShowMessage(const std::string& text, const std::string& caption) {
    messages.push_back(caption + ": " + text);
}

void ScriptedPort::OpenLogWindow(const std::string& log_file, bool) {
    ++log_window_opens;
    log_window = ReadLogFile(log_file);
    Early_Close = false;
}

void ScriptedPort::AppendLogText(const std::string& text) {
    log_window += text;
}

void ScriptedPort::UpdateTreeBranch(const std::string& branch, const std::vector<std::string>&,
                                    const std::vector<std::string>&) {
    branches_updated.push_back(branch);
}
