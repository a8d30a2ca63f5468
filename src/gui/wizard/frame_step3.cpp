#include "gui/wizard/frame_step3.h"

FrameStep3::FrameStep3(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size) {}

void FrameStep3::OnContinue(wxCommandEvent&) {
    // Nothing rolled yet: a Continue whose preconditions are unmet does nothing.
}
