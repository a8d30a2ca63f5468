#include "gui/wizard/thief_skills_frame.h"

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/advance/level_advancement.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "gui/base/number_entry.h"
#include "gui/wizard/advance_level_frame.h"

wxBEGIN_EVENT_TABLE(ThiefSkills, CreationFrame)
    EVT_BUTTON(ID_ThiefApply, ThiefSkills::OnAdjust)
    EVT_BUTTON(ID_ThiefContinue, ThiefSkills::OnContinue)
    EVT_BUTTON(ID_ThiefAbort, ThiefSkills::OnAbort)
wxEND_EVENT_TABLE()

namespace {

constexpr int kRowTop = 20;
constexpr int kRowHeight = 22;
constexpr int kBaseX = 120;
constexpr int kEntryX = 190;

} // namespace

ThiefSkills::ThiefSkills(wxWindow* parent, const wxString& title, const wxPoint& pos,
                         const wxSize& size)
    : ThiefSkills(parent, title, pos, size, ThiefSkillsStep()) {}

ThiefSkills::ThiefSkills(wxWindow* parent, const wxString& title, const wxPoint& pos,
                         const wxSize& size, ThiefSkillsStep step)
    : CreationFrame(parent, title, pos, size, {}, StepMenu::kButtonsOnly), step_(std::move(step)) {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY, "Base", wxPoint(kBaseX + 12, 3));
    points_label_ = new wxStaticText(panel, wxID_ANY, wxString::FromUTF8(step_.PointsText()),
                                     wxPoint(kEntryX, 3));
    int row = 0;
    for (int skill : step_.UsableSkills()) {
        const int y = kRowTop + kRowHeight * row++;
        new wxStaticText(panel, wxID_ANY, kThiefSkillNames[skill], wxPoint(5, y + 3),
                         wxSize(112, 18));
        base_boxes_[skill] =
            new wxTextCtrl(panel, wxID_ANY, "", wxPoint(kBaseX, y), wxSize(55, 21), wxTE_READONLY);
        entry_boxes_[skill] =
            new wxTextCtrl(panel, wxID_ANY, "0", wxPoint(kEntryX, y), wxSize(55, 21));
        AcceptWholeNumbers(entry_boxes_[skill], -ThiefSkillsStep::kMostPointsOnOneEntry,
                           ThiefSkillsStep::kMostPointsOnOneEntry);
    }
    const int buttons_y = kRowTop + kRowHeight * kThiefSkillCount + 2;
    new wxButton(panel, ID_ThiefApply, "Apply", wxPoint(5, buttons_y), wxSize(88, 26));
    new wxButton(panel, ID_ThiefContinue, "Continue", wxPoint(99, buttons_y), wxSize(88, 26));
    new wxButton(panel, ID_ThiefAbort, "Abort", wxPoint(193, buttons_y), wxSize(88, 26));
    ShowBases();
}

std::array<std::string, kThiefSkillCount> ThiefSkills::Entries() const {
    std::array<std::string, kThiefSkillCount> entries;
    for (int i = 0; i < kThiefSkillCount; ++i) {
        if (entry_boxes_[i]) {
            entries[i] = entry_boxes_[i]->GetValue().utf8_str();
        }
    }
    return entries;
}

void ThiefSkills::ShowBases() {
    for (int i = 0; i < kThiefSkillCount; ++i) {
        if (base_boxes_[i]) {
            base_boxes_[i]->ChangeValue(wxString::FromUTF8(step_.BaseTexts()[i]));
        }
    }
}

void ThiefSkills::OnAdjust(wxCommandEvent&) {
    const Outcome shown = step_.Apply(Entries());
    SetStatusText(wxString::FromUTF8(shown.refusal()));
    if (shown) {
        ShowBases();
    }
}

void ThiefSkills::OnContinue(wxCommandEvent&) {
    const Outcome stored = step_.Continue(Entries());
    SetStatusText(wxString::FromUTF8(stored.refusal()));
    if (stored) {
        ShowBases();
        GoOn(StepExit::kContinue);
        RefreshAdvanceWindow(); // the level's points are placed: the class may advance again
    }
}

LevelThiefSkills::LevelThiefSkills(wxWindow* parent, const wxString& title, const wxPoint& pos,
                                   const wxSize& size)
    : ThiefSkills(parent, title, pos, size, OwedThiefSkillsStep()) {}
