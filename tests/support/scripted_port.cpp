#include "support/scripted_port.h"

#include <gtest/gtest.h>

#include "core/dice/dice_log.h"

ScriptedPort::ScriptedPort() : previous_(InstallUserPort(this)) {}

ScriptedPort::~ScriptedPort() {
    InstallUserPort(previous_);
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
    if (const bool* yes = std::get_if<bool>(&*answer)) {
        return *yes;
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
    if (std::holds_alternative<Cancel>(*answer)) {
        return -1;
    }
    if (const long* n = std::get_if<long>(&*answer)) {
        return *n;
    }
    ADD_FAILURE() << "a number question got another kind of answer: " << message;
    return value;
}

std::optional<std::string> ScriptedPort::AskText(const std::string& message,
                                                 const std::string& caption,
                                                 const std::string& value) {
    questions.push_back({"text", message, caption, "", 0, 0, 0, {}});
    const auto answer = Next("text");
    if (!answer) {
        return value;
    }
    if (std::holds_alternative<Cancel>(*answer)) {
        return std::nullopt;
    }
    if (const std::string* t = std::get_if<std::string>(&*answer)) {
        return *t;
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
    if (std::holds_alternative<Cancel>(*answer)) {
        return std::nullopt;
    }
    if (const int* i = std::get_if<int>(&*answer)) {
        return *i;
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
