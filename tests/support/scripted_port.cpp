#include "support/scripted_port.h"

#include <gtest/gtest.h>

#include "core/dice/dice_log.h"

using Kind = ScriptedPort::Answer::Kind;

ScriptedPort::ScriptedPort() : previous_(InstallUserPort(this)) {}

ScriptedPort::~ScriptedPort() {
    InstallUserPort(previous_);
}

void ScriptedPort::AnswerYes() {
    answers_.push_back({.kind = Kind::kYesNo, .yes = true});
}

void ScriptedPort::AnswerNo() {
    answers_.push_back({.kind = Kind::kYesNo});
}

void ScriptedPort::AnswerNumber(long n) {
    answers_.push_back({.kind = Kind::kNumber, .number = n});
}

void ScriptedPort::AnswerText(std::string t) {
    answers_.push_back({.kind = Kind::kText, .text = std::move(t)});
}

void ScriptedPort::AnswerChoice(int index) {
    answers_.push_back({.kind = Kind::kChoice, .choice = index});
}

void ScriptedPort::AnswerCancel() {
    answers_.push_back({.kind = Kind::kCancel});
}

std::optional<ScriptedPort::Answer> ScriptedPort::Next(Question question, Kind want,
                                                       bool cancel_allowed) {
    questions.push_back(std::move(question));
    const Question& asked = questions.back();
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected " << asked.kind << " question: " << asked.message << " ["
                      << asked.caption << "]";
        return std::nullopt;
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    if (answer.kind != want && !(cancel_allowed && answer.kind == Kind::kCancel)) {
        ADD_FAILURE() << "a " << asked.kind
                      << " question got another kind of answer: " << asked.message;
        return std::nullopt;
    }
    return answer;
}

bool ScriptedPort::AskYesNo(const std::string& message, const std::string& caption) {
    const auto answer =
        Next({.kind = "yesno", .message = message, .caption = caption}, Kind::kYesNo, false);
    return answer ? answer->yes : true;
}

long ScriptedPort::AskNumber(const std::string& message, const std::string& prompt,
                             const std::string& caption, long value, long min, long max) {
    const auto answer = Next({"number", message, caption, prompt, value, min, max}, Kind::kNumber);
    if (!answer) {
        return value;
    }
    return answer->kind == Kind::kCancel ? -1 : answer->number;
}

std::optional<long> ScriptedPort::AskInteger(const std::string& message, const std::string& caption,
                                             long value, long min, long max) {
    const auto answer = Next({"integer", message, caption, "", value, min, max}, Kind::kNumber);
    if (!answer) {
        return value;
    }
    return answer->kind == Kind::kCancel ? std::nullopt : std::optional<long>(answer->number);
}

std::optional<std::string> ScriptedPort::AskText(const std::string& message,
                                                 const std::string& caption,
                                                 const std::string& value) {
    const auto answer = Next({.kind = "text", .message = message, .caption = caption}, Kind::kText);
    if (!answer) {
        return value;
    }
    return answer->kind == Kind::kCancel ? std::nullopt : std::optional(answer->text);
}

std::optional<int> ScriptedPort::AskChoice(const std::string& message, const std::string& caption,
                                           const std::vector<std::string>& choices) {
    const bool queued = !answers_.empty();
    const auto answer = Next({"choice", message, caption, "", 0, 0, 0, choices}, Kind::kChoice);
    if (!answer) {
        // Already a failure. With nothing queued, answer the first choice so a step that asks
        // until it gets one does not hang the test.
        return queued || choices.empty() ? std::nullopt : std::optional<int>(0);
    }
    return answer->kind == Kind::kCancel ? std::nullopt : std::optional(answer->choice);
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
