#pragma once

#include "gui/wizard/creation_frame.h"

// The step that raises abilities with building points and chooses the character's class.
class FrameStep8 : public CreationFrame {
public:
    FrameStep8(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnContinue(wxCommandEvent& event) override;
};
