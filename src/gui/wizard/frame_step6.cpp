#include "gui/wizard/frame_step6.h"

#include <wx/panel.h>
#include <wx/stattext.h>

FrameStep6::FrameStep6(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY,
                     "Rolling the priors and particulars (birth, family, social class, height and\n"
                     "weight) is not available in this version of the toolkit yet.\n\n"
                     "The character so far is kept: its scores, race and language are in the\n"
                     "record and the dice log. Abort ends this creation.",
                     wxPoint(10, 10));
}

void FrameStep6::OnContinue(wxCommandEvent&) {
    // Nothing has been rolled here yet, so there is nothing to go on with.
}
