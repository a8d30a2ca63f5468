#pragma once

#include "gui/wizard/creation_frame.h"

// First creation step: roll the ability scores and choose a race.
class FrameStep3 : public CreationFrame {
public:
    FrameStep3(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnContinue(wxCommandEvent& event) override;
};
