#pragma once

#include <wx/frame.h>

// The main window: a launcher for the creation wizard, the character files, the options and
// the game-master aids. It holds no character data itself.
class FormMain : public wxFrame {
public:
    FormMain(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnOpenFile(wxCommandEvent& event);
    void OnSaveFile(wxCommandEvent& event);
    void OnNew(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnOptions(wxCommandEvent& event);
    void OnTest(wxCommandEvent& event);
    void OnCritical(wxCommandEvent& event);
    void OnHonor(wxCommandEvent& event);

private:
    void BuildMenus();
    wxDECLARE_EVENT_TABLE();
};

constexpr const char* kProgramTitle = "Orlund's Plainspun Fraymark Toolkit";
