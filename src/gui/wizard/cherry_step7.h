#pragma once

#include "core/wizard/cherry_pick_step.h"
#include "gui/wizard/creation_frame.h"

class wxChoice;
class wxListBox;

// The cherry-picking step: up to two minor quirks or flaws and one major picked for BP, or
// the choice to roll on table 6A instead.
class CherryStep7 : public CreationFrame {
public:
    CherryStep7(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnMinorAdd(wxCommandEvent& event);
    void OnMajorAdd(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnRoll(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kCherryPicking; }

    // The controls, for the tests.
    wxListBox* HeldList() const { return held_list_; }
    wxChoice* MinorChoice() const { return minor_choice_; }
    wxChoice* MajorChoice() const { return major_choice_; }
    wxListBox* PickList() const { return pick_list_; }
    const CherryPickStep& Step() const { return step_; }

private:
    void BuildControls();
    void FillFlawBox();
    void FillEditChoice();
    void FillFlawBox2();

    CherryPickStep step_;
    wxListBox* held_list_ = nullptr;
    wxChoice* minor_choice_ = nullptr;
    wxChoice* major_choice_ = nullptr;
    wxListBox* pick_list_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
