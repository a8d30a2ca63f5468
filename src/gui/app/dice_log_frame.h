#pragma once

#include <string>

#include <wx/frame.h>

class wxTextCtrl;

// The dice log window: every logged line of the creation, along the bottom of the screen.
class DiceLog : public wxFrame {
public:
    DiceLog(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    ~DiceLog() override;

    void OnExit(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

private:
    void MarkClosed();
    wxDECLARE_EVENT_TABLE();
};

// The text control of the open log window; null while none is open.
extern wxTextCtrl* theLogText;

// Opens the log window (when it is closed) filled with the log file as it stands.
void OpenDiceLog(const std::string& log_file, bool full_width);
