#pragma once

#include <array>

#include "core/wizard/thief_skills_step.h"
#include "gui/wizard/creation_frame.h"

class wxStaticText;
class wxTextCtrl;

// The window's own command identifiers.
enum : int {
    ID_ThiefApply = 10130,
    ID_ThiefContinue = 10131,
    ID_ThiefAbort = 10132,
};

// Places the chosen class's discretionary thief-skill points: one row per skill the class may
// use with its base and an entry box; a refused Apply or Continue says why in the status bar.
// Closing it any way but Continue ends the creation (its close box asks first).
class ThiefSkills : public CreationFrame {
public:
    ThiefSkills(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    // The window for another placing than the creation's (the points of a new level).
    ThiefSkills(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size,
                ThiefSkillsStep step);

    void OnAdjust(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kThiefSkills; }

    // The controls, for the tests; null for a skill the class may not use.
    wxTextCtrl* BaseBox(int skill) const { return base_boxes_[skill]; }
    wxTextCtrl* EntryBox(int skill) const { return entry_boxes_[skill]; }
    wxStaticText* PointsLabel() const { return points_label_; }

private:
    std::array<std::string, kThiefSkillCount> Entries() const;
    void ShowBases();

    ThiefSkillsStep step_;
    std::array<wxTextCtrl*, kThiefSkillCount> base_boxes_{};
    std::array<wxTextCtrl*, kThiefSkillCount> entry_boxes_{};
    wxStaticText* points_label_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};

// The thief points a new level brings, placed in the same window by the same rules, on top of
// the skills as they stand; the points stay owed (the advance window says so) until placed.
class LevelThiefSkills : public ThiefSkills {
public:
    LevelThiefSkills(wxWindow* parent, const wxString& title, const wxPoint& pos,
                     const wxSize& size);
    std::optional<StepId> FlowStep() const override { return StepId::kLevelThiefSkills; }
};
