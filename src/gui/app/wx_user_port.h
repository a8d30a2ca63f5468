#pragma once

#include <wx/event.h>
#include <wx/eventfilter.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include "core/model/user_port.h"

// The toolkit's user port: questions and messages through the toolkit's dialogs, log lines into
// the dice log window, branches into the character tree window.
//
// A question belongs to the window the player was using when it came up (the step whose button
// rolled, the tree whose item was activated): its dialog is parented to that window and the
// window is brought back to the front when the dialog closes, so the step in hand never ends up
// behind the main window. A window that closed meanwhile (a step that went on) leaves the
// question to the main window.
class WxUserPort final : public UserPort {
public:
    WxUserPort();
    ~WxUserPort() override;
    WxUserPort(const WxUserPort&) = delete;
    WxUserPort& operator=(const WxUserPort&) = delete;

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

    // The window a question now would belong to: the one the player last acted in while it is
    // still shown, else the main window.
    wxWindow* AskingWindow() const;

private:
    // Notes the top-level window of every command the player gives (a button, a menu item, a
    // list or tree item activated, a choice made).
    class PlayerWindowTracker final : public wxEventFilter {
    public:
        int FilterEvent(wxEvent& event) override;
        wxWeakRef<wxWindow> last_used;
    };

    // Shows a dialog over the asking window and brings that window back to the front after.
    template <typename Show> auto AskOver(Show show);

    PlayerWindowTracker tracker_;
};
