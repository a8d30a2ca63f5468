#pragma once

#include "gui/wizard/creation_frame.h"

class wxComboBox;

// The window's own command identifiers.
enum : int {
    ID_AlignmentBox = 10170,
    ID_AlignmentContinue = 10171,
};

// The alignment is chosen from those the class allows (the first selected); Continue ends the
// creation, rolls the first-level hit points, asks for the name and opens the shop.
class AlignmentStep : public CreationFrame {
public:
    AlignmentStep(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    // Refills the box with the class's alignments and selects the first.
    void FillAlignmentBox();
    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kAlignment; }

    wxComboBox* AlignmentBox() const { return alignment_box_; }

private:
    wxComboBox* alignment_box_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
