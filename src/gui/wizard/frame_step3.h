#pragma once

#include <array>

#include "core/wizard/ability_race_step.h"
#include "gui/wizard/creation_frame.h"

class wxComboBox;
class wxListBox;
class wxStaticText;
class wxTextCtrl;

// First creation step: roll the ability scores, trade and burn them, choose a race and sex and
// a starting language.
class FrameStep3 : public CreationFrame {
public:
    FrameStep3(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnRoll(wxCommandEvent& event);
    void ApplyAbilities(wxCommandEvent& event);
    void AdjustAbility(wxCommandEvent& event);
    void BurnAbility(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kAbilitiesAndRace; }
    void OnAbort(wxCommandEvent& event) override;
    void OnListBox(wxCommandEvent& event);
    void OnRadioButton(wxCommandEvent& event);

    // The controls, for the tests.
    wxTextCtrl* ScoreBox(int ability) const { return score_boxes_[ability]; }
    wxTextCtrl* PercentileBox(int ability) const { return percentile_boxes_[ability]; }
    wxTextCtrl* BuildingPointsBox() const { return bp_box_; }
    wxStaticText* RaceLabel(int index) const { return race_labels_[index]; }
    wxListBox* RaceList() const { return race_list_; }
    wxComboBox* LanguageBox() const { return language_box_; }
    const AbilityRaceStep& Step() const { return step_; }

private:
    void BuildControls();
    void SelectListBox();
    // Rewrites the fifteen boxes from the record.
    void ShowScores();
    // Shows the race list, the race labels and the languages as the step holds them.
    void ShowRaceChoice();

    AbilityRaceStep step_;
    std::array<wxTextCtrl*, 7> score_boxes_{};
    std::array<wxTextCtrl*, 7> percentile_boxes_{};
    wxTextCtrl* bp_box_ = nullptr;
    std::array<wxStaticText*, 8> race_labels_{};
    wxListBox* race_list_ = nullptr;
    wxComboBox* language_box_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
