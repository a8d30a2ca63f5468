#include "gui/wizard/skill_frame.h"

#include <wx/panel.h>
#include <wx/stattext.h>

#include "gui/app/form_main.h"
#include "gui/app/window_registry.h"

SkillFrame::SkillFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY,
                     "Buying skills, talents and proficiencies is not available in this "
                     "version yet.\nAbort ends this creation.",
                     wxPoint(10, 5));
}

void SkillFrame::OnContinue(wxCommandEvent&) {
    // Nothing to go on with until skills can be bought here.
}

void OpenSkillStep() {
    auto* frame = new SkillFrame(MasterFrame, "Character Creation: Skills Talents & Proficiencies",
                                 wxDefaultPosition, wxSize(731, 545));
    VexlFrames[kSlotSkills] = frame;
    frame->Show(true);
}
