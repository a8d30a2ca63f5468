#pragma once

#include "gui/wizard/creation_frame.h"

// The skills, talents and proficiencies step. Buying them is not in this version yet: the
// window says so and keeps the creation where it stands.
class SkillFrame : public CreationFrame {
public:
    SkillFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnContinue(wxCommandEvent& event) override;
};

// Opens the skills step beside the main window, in its registry slot.
void OpenSkillStep();
