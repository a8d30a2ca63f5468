#pragma once

#include "gui/wizard/creation_frame.h"

// The step that picks quirks and flaws for BP. Picking is not in this version yet: the window
// says so and keeps the creation where it stands.
class CherryStep7 : public CreationFrame {
public:
    CherryStep7(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnContinue(wxCommandEvent& event) override;
};
