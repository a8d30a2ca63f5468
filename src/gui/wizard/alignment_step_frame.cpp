#include "gui/wizard/alignment_step_frame.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "core/wizard/alignment_step.h"
#include "gui/base/window_registry.h"

wxBEGIN_EVENT_TABLE(AlignmentStep, CreationFrame)
    EVT_BUTTON(ID_AlignmentContinue, AlignmentStep::OnContinue)
wxEND_EVENT_TABLE()

AlignmentStep::AlignmentStep(wxWindow* parent, const wxString& title, const wxPoint& pos,
                             const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY, "Alignment", wxPoint(10, 12));
    alignment_box_ = new wxComboBox(panel, ID_AlignmentBox, "", wxPoint(80, 8), wxSize(190, -1),
                                    wxArrayString(), wxCB_READONLY);
    new wxButton(panel, ID_AlignmentContinue, "Continue", wxPoint(80, 44), wxSize(110, 26));
    FillAlignmentBox();
}

void AlignmentStep::FillAlignmentBox() {
    alignment_box_->Clear();
    for (const std::string& alignment : AlignmentChoice::Alignments()) {
        alignment_box_->Append(wxString::FromUTF8(alignment));
    }
    if (alignment_box_->GetCount() > 0) {
        alignment_box_->SetSelection(0);
    }
}

void AlignmentStep::OnContinue(wxCommandEvent&) {
    const std::string alignment(alignment_box_->GetStringSelection().utf8_str());
    // The window goes first; the name is asked over the main window.
    GoOn(StepExit::kContinue, [&alignment] { AlignmentChoice::Continue(alignment); });
}
