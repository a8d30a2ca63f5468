#pragma once

#include "core/model/user_port.h"

// The toolkit's user port: questions and messages through the toolkit's dialogs, log lines into
// the dice log window, branches into the character tree window.
class WxUserPort final : public UserPort {
public:
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
    void UpdateTree() override;
    void ClearTree() override;
    void UpdateTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                          const std::vector<std::string>& values) override;
};
