#include "gui/wizard/cherry_step7.h"

#include <wx/panel.h>
#include <wx/stattext.h>

CherryStep7::CherryStep7(wxWindow* parent, const wxString& title, const wxPoint& pos,
                         const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY,
                     "Cherry picking quirks and flaws is not available in this version of the\n"
                     "toolkit yet.\n\n"
                     "The character so far is kept in the record and the dice log.\n"
                     "Abort ends this creation.",
                     wxPoint(10, 10));
}

void CherryStep7::OnContinue(wxCommandEvent&) {
    // Nothing can be picked here yet, so there is nothing to go on with.
}
