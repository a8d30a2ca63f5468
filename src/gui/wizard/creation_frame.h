#pragma once

#include <wx/frame.h>

// What every window of the creation wizard shares: the "&Menu" menu with Continue and Abort,
// a status bar of three fields, the icon, and the end of the creation when the window closes
// any way other than Continue.
class CreationFrame : public wxFrame {
public:
    CreationFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                  const wxSize& size);
    ~CreationFrame() override;

    // Ends the creation (stage 0) and closes the window; the record keeps what was entered.
    virtual void OnAbort(wxCommandEvent& event);
    virtual void OnContinue(wxCommandEvent& event) = 0;

    bool continued = false;

protected:
    // Marks the step as continued, so closing it leaves the stage the next step owns.
    void CloseContinued();

private:
    void OnMenuAbort(wxCommandEvent& event) { OnAbort(event); }
    void OnMenuContinue(wxCommandEvent& event) { OnContinue(event); }
    wxDECLARE_EVENT_TABLE();
};
