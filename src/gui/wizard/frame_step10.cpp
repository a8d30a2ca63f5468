#include "gui/wizard/frame_step10.h"

#include <wx/panel.h>
#include <wx/stattext.h>

FrameStep10::FrameStep10(wxWindow* parent, const wxString& title, const wxPoint& pos,
                         const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY,
                     "Rolling the starting age and money\nis not available in this version "
                     "yet.\nAbort ends this creation.",
                     wxPoint(10, 5));
}

void FrameStep10::OnContinue(wxCommandEvent&) {
    // Nothing to go on with until age and money can be rolled here.
}
