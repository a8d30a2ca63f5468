#include "gui/wizard/frame_step8.h"

#include <wx/panel.h>
#include <wx/stattext.h>

FrameStep8::FrameStep8(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY,
                     "Raising abilities and choosing a class is not available in this version of\n"
                     "the toolkit yet.\n\nThe character so far is kept in the record and the dice "
                     "log.\nAbort ends this creation.",
                     wxPoint(10, 10));
}

void FrameStep8::OnContinue(wxCommandEvent&) {
    // Nothing to go on with until the class can be chosen here.
}
