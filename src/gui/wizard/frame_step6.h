#pragma once

#include "gui/wizard/creation_frame.h"

// Second creation step: the character's priors and particulars (birth, family, social class,
// height and weight).
class FrameStep6 : public CreationFrame {
public:
    FrameStep6(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnContinue(wxCommandEvent& event) override;
};
