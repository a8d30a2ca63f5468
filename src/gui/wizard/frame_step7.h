#pragma once

#include "core/wizard/quirk_rolling_step.h"
#include "gui/wizard/creation_frame.h"

class wxButton;
class wxComboBox;
class wxListBox;
class wxStaticText;

// The quirks-and-flaws rolling step: choose a table, roll on it, and see the quirks and flaws
// gained, the BP they are worth and the rolls still owed.
class FrameStep7 : public CreationFrame {
public:
    FrameStep7(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnRoll(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    // The rolls the background owes come before the picking, the rolls chosen instead of
    // picks after it.
    std::optional<StepId> FlowStep() const override {
        return step_.FromPriors() ? StepId::kQuirkRolling : StepId::kQuirkRollingRandomly;
    }

    // The controls, for the tests.
    wxComboBox* TableBox() const { return table_box_; }
    wxListBox* GainedList() const { return gained_list_; }
    wxStaticText* BalanceLabel() const { return balance_label_; }
    wxStaticText* QuirkBpLabel() const { return quirk_bp_label_; }
    wxStaticText* OwedLabel() const { return owed_label_; }
    wxButton* ContinueButton() const { return continue_button_; }
    const QuirkRollingStep& Step() const { return step_; }

private:
    void BuildControls();
    // Shows the tables, the gained list and the figures as the step holds them.
    void ShowStep();
    void FillFlawBox();

    QuirkRollingStep step_;
    wxComboBox* table_box_ = nullptr;
    wxListBox* gained_list_ = nullptr;
    wxStaticText* balance_label_ = nullptr;
    wxStaticText* quirk_bp_label_ = nullptr;
    wxStaticText* owed_label_ = nullptr;
    wxButton* continue_button_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
