#pragma once

#include <optional>
#include <string>
#include <vector>

// Everything the rules must ask the user or show goes through this port. The toolkit
// installs an implementation built on its dialogs, log window and tree window; tests install
// a scripted one. Core never opens a window itself.
class UserPort {
public:
    virtual ~UserPort() = default;

    // Yes/No question with the question icon.
    virtual bool AskYesNo(const std::string& message, const std::string& caption) = 0;

    // Number-entry dialog; returns -1 when cancelled.
    virtual long AskNumber(const std::string& message, const std::string& prompt,
                           const std::string& caption, long value, long min, long max) = 0;

    // Whole-number entry dialog: the field takes digits only and the answer lies within min
    // to max; nullopt when cancelled (so -1 can be an answer).
    virtual std::optional<long> AskInteger(const std::string& message, const std::string& caption,
                                           long value, long min, long max) = 0;

    // Text-entry dialog; nullopt when cancelled.
    virtual std::optional<std::string>
    AskText(const std::string& message, const std::string& caption, const std::string& value) = 0;

    // Single-choice dialog; the chosen index, nullopt when cancelled.
    virtual std::optional<int> AskChoice(const std::string& message, const std::string& caption,
                                         const std::vector<std::string>& choices) = 0;

    // Message box with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;

    // Opens the dice log window when it is closed, filled with the log file as it stands.
    // `full_width` is the honor tracker's wider window.
    virtual void OpenLogWindow(const std::string& log_file, bool full_width) = 0;

    // Appends text (ending in a line feed) to the open log window.
    virtual void AppendLogText(const std::string& text) = 0;

    // Opens the character tree window when it is closed.
    virtual void UpdateTree() = 0;

    // Empties the tree (when it is open) down to its root.
    virtual void ClearTree() = 0;

    // Rebuilds one branch of the tree (when it is open) from keys and their values.
    virtual void UpdateTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                                  const std::vector<std::string>& values) = 0;

    // Whether this port shows a character tree at all. A port without one (the automatic
    // player, the command line) answers false, and the senders then build no branch for it.
    virtual bool ShowsTree() const { return true; }
};

// A port without windows (no log window, no tree), for the players that run unseen: the
// headless port, the automatic player, the party's work on its members' files.
class WindowlessPort : public UserPort {
public:
    void OpenLogWindow(const std::string&, bool) override {}
    void AppendLogText(const std::string&) override {}
    void UpdateTree() override {}
    void ClearTree() override {}
    void UpdateTreeBranch(const std::string&, const std::vector<std::string>&,
                          const std::vector<std::string>&) override {}
    bool ShowsTree() const override { return false; }
};

// The installed port. Before anything is installed, a headless port answers: Yes to
// questions, the offered value to number, whole-number and text entry, the first choice;
// messages go to standard error; the log window and the tree are ignored.
UserPort& Port();

// Installs `port` (not owned) and returns the previous one; nullptr restores the headless port.
UserPort* InstallUserPort(UserPort* port);
