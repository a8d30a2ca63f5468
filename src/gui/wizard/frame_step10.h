#pragma once

#include "gui/wizard/creation_frame.h"

// The starting age, money and inheritance step. Rolling them is not in this version yet: the
// window says so and keeps the creation where it stands.
class FrameStep10 : public CreationFrame {
public:
    FrameStep10(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnContinue(wxCommandEvent& event) override;
};
