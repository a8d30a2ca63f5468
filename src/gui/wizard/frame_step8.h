#pragma once

#include <array>

#include "core/wizard/raise_class_step.h"
#include "gui/wizard/creation_frame.h"

class wxListBox;
class wxTextCtrl;

// The window's own command identifiers.
enum : int {
    ID_Step8Apply = 10120,
    ID_Step8ContinueButton = 10121,
    ID_Step8ClassList = 10122,
};

// The step that spends Building Points to raise abilities and chooses the character's class.
// Continue opens the Age and Money window and, for a thief-type class, the thief skills beside
// it.
class FrameStep8 : public CreationFrame {
public:
    FrameStep8(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void ApplyAbilities(wxCommandEvent& event);
    void OnListBox(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kRaiseAbilities; }

    // The controls, for the tests.
    wxTextCtrl* ScoreBox(int ability) const { return score_boxes_[ability]; }
    wxTextCtrl* BpBox(int ability) const { return bp_boxes_[ability]; }
    wxTextCtrl* BuildingPointsBox() const { return balance_box_; }
    wxListBox* ClassList() const { return class_list_; }
    const RaiseClassStep& Step() const { return step_; }

private:
    void BuildControls();
    void Show_Abilities();
    void SelectListBox();

    RaiseClassStep step_;
    std::array<wxTextCtrl*, RaiseClassStep::kAbilities> score_boxes_{};
    std::array<wxTextCtrl*, RaiseClassStep::kAbilities> bp_boxes_{};
    wxTextCtrl* balance_box_ = nullptr;
    wxListBox* class_list_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
