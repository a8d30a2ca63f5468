#pragma once

#include <memory>

#include <wx/frame.h>

class RecentCharacters;
class SheetPrinting;
class wxMenu;

// The main window: a launcher for the creation wizard, the character files, the options and
// the game-master aids. It holds no character data itself.
class FormMain : public wxFrame {
public:
    FormMain(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    ~FormMain() override;

    void OnOpenFile(wxCommandEvent& event);
    void OnSaveFile(wxCommandEvent& event);
    void OnNew(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnOptions(wxCommandEvent& event);
    void OnTest(wxCommandEvent& event);
    void OnCritical(wxCommandEvent& event);
    void OnHonor(wxCommandEvent& event);
    void OnPrintSheet(wxCommandEvent& event);
    void OnPrintPreview(wxCommandEvent& event);
    void OnAwardExperience(wxCommandEvent& event);
    void OnAdvanceLevel(wxCommandEvent& event);
    void OnSpellBook(wxCommandEvent& event);
    void OnParty(wxCommandEvent& event);

    RecentCharacters& Recent() { return *recent_; }

private:
    void BuildMenus();
    // The desktop's additions beside the menus: printing, recent characters, shortcuts.
    void AddDesktopCommands(wxMenu* file);

    std::unique_ptr<RecentCharacters> recent_;
    std::unique_ptr<SheetPrinting> printing_;
    wxDECLARE_EVENT_TABLE();
};

constexpr const char* kProgramTitle = "Orlund's Plainspun Fraymark Toolkit";
