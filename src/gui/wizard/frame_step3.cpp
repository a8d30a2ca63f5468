#include "gui/wizard/frame_step3.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/model/abilities.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "gui/base/command_ids.h"
#include "gui/base/number_entry.h"
#include "gui/base/window_registry.h"

wxBEGIN_EVENT_TABLE(FrameStep3, CreationFrame)
    EVT_MENU(ID_Step3Roll, FrameStep3::OnRoll)
    EVT_BUTTON(ID_Step3Roll, FrameStep3::OnRoll)
    EVT_MENU(ID_Step3Apply, FrameStep3::ApplyAbilities)
    EVT_BUTTON(ID_Step3Apply, FrameStep3::ApplyAbilities)
    EVT_MENU(ID_Step3Adjust, FrameStep3::AdjustAbility)
    EVT_BUTTON(ID_Step3Adjust, FrameStep3::AdjustAbility)
    EVT_MENU(ID_Step3Burn, FrameStep3::BurnAbility)
    EVT_BUTTON(ID_Step3Burn, FrameStep3::BurnAbility)
    EVT_BUTTON(ID_Step3ContinueButton, FrameStep3::OnContinue)
    EVT_LISTBOX(ID_Step3RaceList, FrameStep3::OnListBox)
    EVT_COMMAND_RANGE(ID_Step3FirstRadio, ID_Step3FirstRadio + 18, wxEVT_RADIOBUTTON,
                      FrameStep3::OnRadioButton)
wxEND_EVENT_TABLE()

namespace {

const std::vector<StepMenuItem> kStep3Menu = {
    {ID_Step3Roll, "&Roll", "Roll those dice!"},
    {ID_Step3Apply, "&Apply", "Override rolled numbers with numbers in boxes"},
    {ID_Step3Adjust, "A&djust", "Adjust two abilities"},
    {ID_Step3Burn, "&Burn", "Burn an ability score for 2 BP"},
};

// Layout of the ability rows: one row per ability, the radio columns beside them.
constexpr int kRowTop = 20;
constexpr int kRowHeight = 24;
constexpr int kBoxHeight = 22;
constexpr int kLabelWidth = 98;
constexpr int kScoreX = 104;
constexpr int kPercentileX = 146;
constexpr int kRaceLabelX = 190;
constexpr int kLowerX = 218;
constexpr int kRaiseX = 243;
constexpr int kBurnX = 270;
constexpr int kRightX = 302;
constexpr int kRightWidth = 192;

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

} // namespace

FrameStep3::FrameStep3(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size, kStep3Menu) {
    BuildControls();
    ShowScores();
    ShowRaceChoice();
}

void FrameStep3::BuildControls() {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY, "+/-", wxPoint(kRaceLabelX, 2));
    new wxStaticText(panel, wxID_ANY, "-2", wxPoint(kLowerX, 2));
    new wxStaticText(panel, wxID_ANY, "+1", wxPoint(kRaiseX, 2));
    new wxStaticText(panel, wxID_ANY, "Burn", wxPoint(kBurnX - 2, 2));
    for (int i = 0; i < AbilityRaceStep::kAbilities; ++i) {
        const int y = kRowTop + kRowHeight * i;
        new wxStaticText(panel, wxID_ANY, kAbilityTable[i].full, wxPoint(5, y + 3),
                         wxSize(kLabelWidth, 18));
        score_boxes_[i] =
            new wxTextCtrl(panel, wxID_ANY, "0", wxPoint(kScoreX, y), wxSize(40, kBoxHeight));
        percentile_boxes_[i] =
            new wxTextCtrl(panel, wxID_ANY, "0", wxPoint(kPercentileX, y), wxSize(42, kBoxHeight));
        AcceptWholeNumbers(score_boxes_[i], 0, AbilityRaceStep::kHighestScore);
        AcceptWholeNumbers(percentile_boxes_[i], 0, AbilityRaceStep::kHighestPercentile);
        race_labels_[i] =
            new wxStaticText(panel, wxID_ANY, "", wxPoint(kRaceLabelX, y + 3), wxSize(30, 18));
    }
    // The three radio columns, each its own group: "-2" and "+1" for Strength to Charisma,
    // "Burn" for all seven.
    int id = ID_Step3FirstRadio;
    const int columns[3][2] = {{kLowerX, 6}, {kRaiseX, 6}, {kBurnX, 7}};
    for (const auto& column : columns) {
        for (int i = 0; i < column[1]; ++i) {
            new wxRadioButton(panel, id++, "", wxPoint(column[0], kRowTop + kRowHeight * i + 2),
                              wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
        }
    }
    const int bp_y = kRowTop + kRowHeight * 7 + 4;
    new wxStaticText(panel, wxID_ANY, "Building Points", wxPoint(5, bp_y + 3),
                     wxSize(kLabelWidth, 18));
    bp_box_ = new wxTextCtrl(panel, wxID_ANY, "0", wxPoint(kScoreX, bp_y), wxSize(84, kBoxHeight));
    race_labels_[7] =
        new wxStaticText(panel, wxID_ANY, "", wxPoint(kRaceLabelX, bp_y + 3), wxSize(30, 18));

    race_list_ =
        new wxListBox(panel, ID_Step3RaceList, wxPoint(kRightX, 5), wxSize(kRightWidth, 118));
    language_box_ =
        new wxComboBox(panel, ID_Step3Language, "", wxPoint(kRightX, 128), wxSize(kRightWidth, 28));
    const int third = kRightWidth / 3;
    new wxButton(panel, ID_Step3Roll, "Roll", wxPoint(kRightX, 164), wxSize(third - 2, 26));
    new wxButton(panel, ID_Step3Apply, "Apply", wxPoint(kRightX + third, 164),
                 wxSize(third - 2, 26));
    new wxButton(panel, ID_Step3Adjust, "Adjust", wxPoint(kRightX + 2 * third, 164),
                 wxSize(third - 2, 26));
    new wxButton(panel, ID_Step3Burn, "Burn", wxPoint(kRightX, 194), wxSize(third - 2, 26));
    new wxButton(panel, ID_Step3ContinueButton, "Continue", wxPoint(kRightX + third, 194),
                 wxSize(2 * third - 2, 26));
}

void FrameStep3::ShowScores() {
    const auto scores = step_.ScoreTexts();
    const auto percentiles = step_.PercentileTexts();
    for (int i = 0; i < AbilityRaceStep::kAbilities; ++i) {
        score_boxes_[i]->ChangeValue(Wx(scores[i]));
        percentile_boxes_[i]->ChangeValue(Wx(percentiles[i]));
    }
    bp_box_->ChangeValue(Wx(step_.BuildingPointsText()));
}

void FrameStep3::ShowRaceChoice() {
    wxArrayString entries;
    for (const std::string& entry : step_.RaceEntries()) {
        entries.Add(Wx(entry));
    }
    race_list_->Set(entries);
    for (int i = 0; i < AbilityRaceStep::kRaceLabels; ++i) {
        race_labels_[i]->SetLabel(Wx(step_.RaceLabels()[i]));
    }
}

void FrameStep3::OnRoll(wxCommandEvent&) {
    step_.Roll();
    ShowScores();
    ShowRaceChoice();
}

void FrameStep3::ApplyAbilities(wxCommandEvent&) {
    std::array<std::string, AbilityRaceStep::kAbilities> scores, percentiles;
    for (int i = 0; i < AbilityRaceStep::kAbilities; ++i) {
        scores[i] = score_boxes_[i]->GetValue().utf8_str();
        percentiles[i] = percentile_boxes_[i]->GetValue().utf8_str();
    }
    if (step_.Apply(scores, percentiles)) {
        ShowRaceChoice();
    }
    ShowScores();
}

void FrameStep3::AdjustAbility(wxCommandEvent&) {
    step_.Adjust();
    ShowScores();
    ShowRaceChoice();
}

void FrameStep3::BurnAbility(wxCommandEvent&) {
    step_.Burn();
    ShowScores();
    ShowRaceChoice();
}

void FrameStep3::OnRadioButton(wxCommandEvent& event) {
    const int index = event.GetId() - ID_Step3FirstRadio;
    if (index < 6) {
        step_.SetLowerChoice(index);
    } else if (index < 12) {
        step_.SetRaiseChoice(index - 6);
    } else {
        step_.SetBurnChoice(index - 12);
    }
}

void FrameStep3::OnListBox(wxCommandEvent&) {
    SelectListBox();
}

void FrameStep3::SelectListBox() {
    const int selected = race_list_->GetSelection();
    if (selected == wxNOT_FOUND) {
        return;
    }
    step_.SelectRace(std::string(race_list_->GetString(selected).utf8_str()));
    for (int i = 0; i < AbilityRaceStep::kRaceLabels; ++i) {
        race_labels_[i]->SetLabel(Wx(step_.RaceLabels()[i]));
    }
    language_box_->Clear();
    for (const std::string& language : step_.Languages()) {
        language_box_->Append(Wx(language));
    }
    if (!step_.Languages().empty()) {
        language_box_->SetSelection(0);
    }
}

void FrameStep3::OnContinue(wxCommandEvent&) {
    if (!step_.Continue(std::string(language_box_->GetValue().utf8_str()))) {
        return;
    }
    GoOn(StepExit::kContinue);
}

void FrameStep3::OnAbort(wxCommandEvent& event) {
    step_.Abort();
    CreationFrame::OnAbort(event);
}
