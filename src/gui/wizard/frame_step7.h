#pragma once

#include "gui/wizard/creation_frame.h"

// The quirks-and-flaws rolling step. Rolling on the quirk and flaw tables is not in this
// version yet: the window says so and keeps the creation where it stands.
class FrameStep7 : public CreationFrame {
public:
    FrameStep7(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnContinue(wxCommandEvent& event) override;
};
