#pragma once

#include <vector>

#include "core/wizard/priors_step.h"
#include "gui/wizard/creation_frame.h"

class wxButton;
class wxPanel;
class wxStaticText;

// Second creation step: roll the character's priors and particulars (age, handedness, height,
// weight, social class, birth, parents, family heritage, siblings and order of birth), one
// button at a time. Each accepted roll becomes a row of the window and the button of the
// next roll takes its place below.
class FrameStep6 : public CreationFrame {
public:
    FrameStep6(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnAgeRoll(wxCommandEvent& event);
    void OnHandednessRoll(wxCommandEvent& event);
    void OnHeightRoll(wxCommandEvent& event);
    void OnWeightRoll(wxCommandEvent& event);
    void OnSocialClassRoll(wxCommandEvent& event);
    void OnBirthLegitRoll(wxCommandEvent& event);
    void OnMomStatusRoll(wxCommandEvent& event);
    void OnDadStatusRoll(wxCommandEvent& event);
    void OnStepMomRoll(wxCommandEvent& event);
    void OnStepDadRoll(wxCommandEvent& event);
    void OnMomQualityRoll(wxCommandEvent& event);
    void OnDadQualityRoll(wxCommandEvent& event);
    void OnFamilyHeritageRoll(wxCommandEvent& event);
    void OnSiblingsRoll(wxCommandEvent& event);
    void OnBirthOrderRoll(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kPriors; }
    void OnAbort(wxCommandEvent& event) override;

    // For the tests: the button of the next roll (null once every roll is made), and the
    // rows shown so far as caption and value.
    wxButton* RollButton() const { return roll_button_; }
    // Beside the next roll's button, or in its place once every roll is made.
    wxButton* ContinueButton() const { return continue_button_; }
    struct Row {
        wxStaticText* caption;
        wxStaticText* value;
    };
    const std::vector<Row>& Rows() const { return rows_; }
    const PriorsStep& Step() const { return step_; }

    // The identifier of the button that makes `roll`.
    static int ButtonId(PriorsRoll roll);

private:
    // Makes the roll of the pressed button; once accepted, its rows replace the button and
    // the next roll's button appears below them.
    void RollAndShow(PriorsRoll roll);
    void ShowRollButton();

    PriorsStep step_;
    wxPanel* panel_ = nullptr;
    wxButton* roll_button_ = nullptr;
    wxButton* continue_button_ = nullptr;
    std::vector<Row> rows_;
    int next_row_y_;
    wxDECLARE_EVENT_TABLE();
};
