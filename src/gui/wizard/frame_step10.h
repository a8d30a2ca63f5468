#pragma once

#include "core/wizard/age_money_step.h"
#include "gui/wizard/creation_frame.h"

class wxButton;
class wxPanel;
class wxStaticText;

// The window's own command identifiers.
enum : int {
    ID_Step10RollAge = 10170,
    ID_Step10RollMoney = 10171,
    ID_Step10ContinueButton = 10172,
};

// The starting age, money and inheritance step: one button per roll, each replaced by its
// result once made, in either order. Continue, once both are made, works out the starting
// honor and opens the skills step.
class FrameStep10 : public CreationFrame {
public:
    FrameStep10(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void RollAge(wxCommandEvent& event);
    void RollMoney(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kAgeAndMoney; }

    // The controls, for the tests; a label is null until its roll is made.
    wxButton* AgeButton() const { return age_button_; }
    wxButton* MoneyButton() const { return money_button_; }
    wxStaticText* AgeLabel() const { return age_label_; }
    wxStaticText* GoldLabel() const { return gold_label_; }
    const AgeMoneyStep& Step() const { return step_; }

private:
    AgeMoneyStep step_;
    wxPanel* panel_ = nullptr;
    wxButton* age_button_ = nullptr;
    wxButton* money_button_ = nullptr;
    wxStaticText* age_label_ = nullptr;
    wxStaticText* gold_label_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
