#include "gui/app/dice_log_frame.h"

#include <wx/menu.h>
#include <wx/textctrl.h>

#include "core/dice/dice_log.h"
#include "gui/app/app_icon.h"
#include "gui/app/command_ids.h"
#include "gui/app/form_main.h"
#include "gui/app/window_registry.h"

wxTextCtrl* theLogText = nullptr;

wxBEGIN_EVENT_TABLE(DiceLog, wxFrame)
    EVT_MENU(ID_Exit, DiceLog::OnExit)
    EVT_CLOSE(DiceLog::OnClose)
wxEND_EVENT_TABLE()

DiceLog::DiceLog(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size) {
    Early_Close = false;
    SetIcon(SampleIcon());
    auto* file = new wxMenu;
    file->Append(ID_Exit, "E&xit", "Close log window");
    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    SetMenuBar(bar);
    CreateStatusBar(3);
    // The text fills the client area and follows the window when it is resized.
    theLogText = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                                wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL);
}

// A closing window stops taking lines at once, so a line logged before it is destroyed
// opens a fresh window rather than vanishing with this one.
void DiceLog::MarkClosed() {
    if (theLogText && theLogText->GetParent() == this) {
        theLogText = nullptr;
        Early_Close = true;
    }
}

void DiceLog::OnClose(wxCloseEvent& event) {
    MarkClosed();
    event.Skip();
}

DiceLog::~DiceLog() {
    MarkClosed();
    if (VexlFrames[kSlotDiceLog] == this) {
        VexlFrames[kSlotDiceLog] = nullptr;
    }
}

void DiceLog::OnExit(wxCommandEvent&) {
    MarkClosed();
    Close(true);
}

void OpenDiceLog(const std::string& log_file, bool full_width) {
    if (!Early_Close && theLogText) {
        return;
    }
    Early_Close = true;
    const int width = full_width ? MasterWidth : MasterWidth - 200;
    auto* log = new DiceLog(MasterFrame, "Character Creation: DiceLog",
                            wxPoint(0, MasterHeight - 200), wxSize(width, 200));
    VexlFrames[kSlotDiceLog] = log;
    log->Show(true);
    theLogText->SetValue(wxString::FromUTF8(ReadLogFile(log_file)));
}
