#include "gui/wizard/advance_level_frame.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "core/advance/experience_award.h"
#include "core/data/data_numbers.h"
#include "gui/base/app_icon.h"
#include "gui/base/command_ids.h"
#include "gui/base/list_columns.h"
#include "gui/base/window_registry.h"
#include "gui/wizard/step_windows.h"

wxBEGIN_EVENT_TABLE(AdvanceLevelFrame, wxFrame)
    EVT_BUTTON(ID_AwardExperience, AdvanceLevelFrame::OnAward)
    EVT_BUTTON(ID_AdvanceLevel, AdvanceLevelFrame::OnAdvance)
    EVT_BUTTON(ID_PlaceThiefPoints, AdvanceLevelFrame::OnPlaceThiefPoints)
    EVT_BUTTON(wxID_CLOSE, AdvanceLevelFrame::OnClose)
    EVT_LIST_ITEM_SELECTED(wxID_ANY, AdvanceLevelFrame::OnSelected)
wxEND_EVENT_TABLE()

namespace {

constexpr int kGap = 6;
const char* const kColumns[] = {"Class", "Level", "Experience", "Next Level", "Advance"};

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

} // namespace

AdvanceLevelFrame::AdvanceLevelFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                                     const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, kCharacterWindowStyle), CharacterWindow(this) {
    SetIcon(SampleIcon());
    CreateStatusBar(1);
    auto* panel = new wxPanel(this);
    classes_ = new wxListCtrl(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                              wxLC_REPORT | wxLC_SINGLE_SEL);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        classes_->InsertColumn(i, kColumns[i]);
    }
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(panel, ID_AwardExperience, "Award Experience..."), 0, wxRIGHT, kGap);
    advance_ = new wxButton(panel, ID_AdvanceLevel, "Advance");
    buttons->Add(advance_, 0, wxRIGHT, kGap);
    place_points_ = new wxButton(panel, ID_PlaceThiefPoints, "Place Thief Points");
    buttons->Add(place_points_, 0, wxRIGHT, kGap);
    buttons->Add(new wxButton(panel, wxID_CLOSE, "Close"));
    gains_ = new wxTextCtrl(panel, wxID_ANY, "", wxDefaultPosition, wxSize(-1, 96),
                            wxTE_MULTILINE | wxTE_READONLY);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(classes_, 1, wxEXPAND | wxALL, kGap);
    column->Add(buttons, 0, wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    column->Add(gains_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    panel->SetSizer(column);
    // Laid out before the first fill, so the columns fit the list's real width.
    panel->SetSize(GetClientSize());
    panel->Layout();
    Refill();
}

AdvanceLevelFrame::~AdvanceLevelFrame() {
    ForgetWindow(this);
}

void AdvanceLevelFrame::Refill() {
    const std::optional<int> chosen = ChosenRow();
    classes_->DeleteAllItems();
    long first_ready = -1;
    bool chosen_ready = false;
    long row = 0;
    rows_ = LevelAdvancement::Classes();
    for (const ClassProgress& progress : rows_) {
        chosen_ready = chosen_ready || (chosen && *chosen == row && progress.MayAdvance());
        classes_->InsertItem(row, Wx(progress.item->name));
        classes_->SetItem(row, 1, wxString::Format("%i", progress.level));
        classes_->SetItem(row, 2, Wx(ExperienceText(progress.experience)));
        classes_->SetItem(row, 3,
                          progress.next_level_experience
                              ? wxString::Format("%i", *progress.next_level_experience)
                              : wxString("-"));
        classes_->SetItem(row, 4, progress.MayAdvance() ? wxString("Yes") : Wx(progress.why_not));
        if (first_ready < 0 && progress.MayAdvance()) {
            first_ready = row;
        }
        ++row;
    }
    // The class in hand while it may go on; else the first that may; else the one in hand.
    long select = chosen && *chosen < row ? *chosen : 0;
    if (!chosen_ready && first_ready >= 0) {
        select = first_ready;
    }
    if (row > 0) {
        classes_->SetItemState(select, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
    FitColumnsToList(classes_);
    EnableAdvance();
}

std::optional<int> AdvanceLevelFrame::ChosenRow() const {
    const long row = classes_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    return row < 0 ? std::nullopt : std::optional<int>(static_cast<int>(row));
}

void AdvanceLevelFrame::EnableAdvance() {
    const std::optional<int> row = ChosenRow();
    advance_->Enable(row && static_cast<std::size_t>(*row) < rows_.size() &&
                     rows_[static_cast<std::size_t>(*row)].MayAdvance());
    place_points_->Enable(ThiefPointsOwed().has_value());
}

void AdvanceLevelFrame::OnSelected(wxListEvent&) {
    EnableAdvance();
    SetStatusText("");
}

void AdvanceLevelFrame::OnAward(wxCommandEvent&) {
    AskAndAwardExperience();
    Refill();
}

void AdvanceLevelFrame::OnAdvance(wxCommandEvent&) {
    const Outcome advanced = advancement_.Advance(ChosenRow().value_or(-1));
    SetStatusText(Wx(advanced.refusal()));
    if (!advanced) {
        return;
    }
    wxString lines;
    for (const std::string& line : advancement_.GainLines()) {
        lines += Wx(line) + "\n";
    }
    gains_->ChangeValue(lines);
    Refill();
    OpenCreationSteps(advancement_.Openings(), GetRect());
}

void AdvanceLevelFrame::OnPlaceThiefPoints(wxCommandEvent&) {
    if (ThiefPointsOwed()) {
        RaiseOrOpenCreationStep(StepId::kLevelThiefSkills);
    }
}

void AdvanceLevelFrame::OnClose(wxCommandEvent&) {
    Close(true);
}

void RefreshAdvanceWindow() {
    if (auto* open = dynamic_cast<AdvanceLevelFrame*>(VexlFrames[kSlotAdvance])) {
        open->Refill();
    }
}
